#include "app/UIkonok.h"

#include <QPainter>
#include <QPainterPath>

namespace varion::ui {

namespace {

const QColor Kek(40, 80, 160), Zold(30, 130, 60), Piros(190, 40, 40), Arany(210, 160, 30),
    Szurke(90, 90, 90), Papir(252, 250, 240), Lila(128, 0, 128);

void Szelveny(QPainter& p, const QColor& keret) {
    p.setPen(QPen(keret, 1.2));
    p.setBrush(Papir);
    p.drawRect(QRectF(4.5, 2.5, 15, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 170, 170));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(6.5 + c * 4.2, 5 + r * 4, 3, 2.6));
}

void Lakat(QPainter& p, bool nyitott) {
    p.setPen(QPen(Szurke, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath ful;
    if (nyitott) {
        ful.moveTo(14, 11);
        ful.lineTo(14, 7);
        ful.arcTo(QRectF(14, 2.5, 8, 9), 180, -180);
        ful.lineTo(22, 9);
    } else {
        ful.moveTo(8, 11);
        ful.lineTo(8, 7);
        ful.arcTo(QRectF(8, 2.5, 8, 9), 180, -180);
        ful.lineTo(16, 11);
    }
    p.drawPath(ful);
    p.setPen(QPen(QColor(120, 90, 10), 1));
    p.setBrush(Arany);
    p.drawRoundedRect(QRectF(5.5, 11, 13, 10), 1.5, 1.5);
    p.setBrush(QColor(80, 60, 10));
    p.drawEllipse(QPointF(12, 15.5), 1.5, 1.5);
}

void Nagyito(QPainter& p) {
    p.setPen(QPen(Szurke, 2.4));
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    p.setPen(QPen(Kek, 2));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(10, 10), 6, 6);
}

void Kocka(QPainter& p, const QRectF& r, int pont) {
    p.setPen(QPen(Szurke, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Piros);
    const QPointF k = r.center();
    const double d = r.width() / 4;
    if (pont % 2) p.drawEllipse(k, 1.3, 1.3);
    if (pont >= 2) {
        p.drawEllipse(k + QPointF(-d, -d), 1.3, 1.3);
        p.drawEllipse(k + QPointF(d, d), 1.3, 1.3);
    }
    if (pont >= 4) {
        p.drawEllipse(k + QPointF(d, -d), 1.3, 1.3);
        p.drawEllipse(k + QPointF(-d, d), 1.3, 1.3);
    }
}

void Betu(QPainter& p, const QString& b, const QColor& szin, const QRectF& hely) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(szin);
    p.drawText(hely, Qt::AlignCenter, b);
}

void Lista(QPainter& p, const QColor& szin) {
    p.setPen(QPen(Szurke, 1));
    p.setBrush(Papir);
    p.drawRect(QRectF(3.5, 3.5, 17, 17));
    p.setPen(QPen(szin, 1.6));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(6.5, 7.5 + i * 3.5), QPointF(17.5, 7.5 + i * 3.5));
}

} // namespace

QPixmap KepRajz(Kep kep, int meret) {
    QPixmap px(meret, meret);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(meret / 24.0, meret / 24.0);
    switch (kep) {
    case Kep::Megnyitas: {
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2.5, 6.5, 17, 13));
        p.setBrush(QColor(250, 220, 120));
        QPolygonF fedel{{4.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}, {2.5, 19.5}};
        p.drawPolygon(fedel);
        break;
    }
    case Kep::Visszatoltes: {
        p.setPen(QPen(Zold, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Zold);
        p.drawPolygon(QPolygonF{{17, 2}, {22, 8.5}, {14.5, 9.5}});
        break;
    }
    case Kep::Mentes:
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(Kek);
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        break;
    case Kep::Beallitasok: {
        p.setPen(Qt::NoPen);
        p.setBrush(Szurke);
        p.translate(12, 12);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.8, -10, 3.6, 5));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 7, 7);
        p.setBrush(QColor(235, 235, 235));
        p.drawEllipse(QPointF(0, 0), 2.8, 2.8);
        break;
    }
    case Kep::VeletlenSzamok:
        Kocka(p, QRectF(2.5, 2.5, 11, 11), 3);
        Kocka(p, QRectF(10.5, 10.5, 11, 11), 5);
        break;
    case Kep::MindenSzam:
        Szelveny(p, Szurke);
        p.setPen(QPen(Piros, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(20, 20));
        p.drawLine(QPointF(20, 8), QPointF(8, 20));
        break;
    case Kep::UjFoszelveny:
        Szelveny(p, Kek);
        p.setPen(Qt::NoPen);
        p.setBrush(Arany);
        p.drawEllipse(QPointF(18, 18), 4.5, 4.5);
        Betu(p, QStringLiteral("+"), Qt::white, QRectF(13.5, 13, 9, 10));
        break;
    case Kep::Zarol:
        Lakat(p, false);
        break;
    case Kep::Felold:
        Lakat(p, true);
        break;
    case Kep::Feltetelek:
        p.setPen(QPen(QColor(20, 60, 120), 1));
        p.setBrush(QColor(90, 150, 220));
        p.drawPolygon(QPolygonF{{3, 4}, {21, 4}, {14, 12}, {14, 20}, {10, 22}, {10, 12}});
        break;
    case Kep::Start:
        p.setPen(QPen(QColor(20, 90, 40), 1));
        p.setBrush(Zold);
        p.drawPolygon(QPolygonF{{6, 3}, {20, 12}, {6, 21}});
        break;
    case Kep::Informaciok:
        p.setPen(Qt::NoPen);
        p.setBrush(Kek);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        Betu(p, QStringLiteral("i"), Qt::white, QRectF(2, 2, 20, 20));
        break;
    case Kep::Ellenorzes:
        Szelveny(p, Szurke);
        p.setPen(QPen(Zold, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{8, 13}, {12, 18}, {21, 6}});
        break;
    case Kep::Modositas:
        Szelveny(p, Szurke);
        p.setPen(QPen(QColor(120, 70, 10), 1));
        p.setBrush(Arany);
        p.drawPolygon(QPolygonF{{20, 5}, {22.5, 7.5}, {11, 19}, {7.5, 20.5}, {9, 17}});
        break;
    case Kep::BontListazas:
        Lista(p, Kek);
        break;
    case Kep::AdbListazas:
        Lista(p, Zold);
        break;
    case Kep::Kereses:
        Nagyito(p);
        break;
    case Kep::Sugo:
    case Kep::SugoKiemelt: {
        const bool ki = kep == Kep::SugoKiemelt;
        p.setPen(Qt::NoPen);
        p.setBrush(ki ? Arany : QColor(60, 110, 180));
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Kep::PeldaHuzasok:
        Szelveny(p, Zold);
        Betu(p, QStringLiteral("H"), Zold, QRectF(10, 10, 14, 14));
        break;
    case Kep::PeldaVeletlen:
        Szelveny(p, Lila);
        Betu(p, QStringLiteral("V"), Lila, QRectF(10, 10, 14, 14));
        break;
    case Kep::PeldaSajat:
        Szelveny(p, Piros);
        Betu(p, QStringLiteral("S"), Piros, QRectF(10, 10, 14, 14));
        break;
    case Kep::Nincs:
        break;
    }
    return px;
}

QIcon KepIkon(Kep kep) {
    if (kep == Kep::Nincs) return {};
    return QIcon(KepRajz(kep));
}

} // namespace varion::ui
