#include "breakdown/UVisszatesztGrafikon.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>

#include "app/UUzenetek.h"
#include "breakdown/UBontMegsz.h"

namespace varion::ui {

namespace {

QChartView* UjNezet(QWidget* szulo, const QString& nev) {
    auto* v = new QChartView(new QChart, szulo);
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumSize(420, 300);
    v->setAccessibleName(nev);
    v->chart()->setTitle(nev);
    v->chart()->legend()->setAlignment(Qt::AlignBottom);
    return v;
}

// Millions on the axis: the totals of a long history run to hundreds of millions.
QString TengelyFelirat(const QString& mi) {
    return mi + QStringLiteral(" (millió Ft)");
}

} // namespace

TVisszatesztGrafikonok::TVisszatesztGrafikonok(QWidget* szulo)
    : QWidget(szulo),
      osszesitett_(UjNezet(this, QStringLiteral("Összesített költség és nyeremény"))),
      osztalyok_(UjNezet(this, QStringLiteral("Szelvények találati osztályonként"))) {
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(osszesitett_);
    l->addWidget(osztalyok_);
}

QWidget* TVisszatesztGrafikonok::Nezet(int melyik) const {
    return melyik == 0 ? static_cast<QWidget*>(osszesitett_) : osztalyok_;
}

void TVisszatesztGrafikonok::Kijelzes(const VisszatesztEredmeny& e) {
    {
        QChart* c = osszesitett_->chart();
        c->removeAllSeries();
        for (auto* a : c->axes()) c->removeAxis(a);
        auto* koltseg = new QLineSeries;
        koltseg->setName(QStringLiteral("Költség"));
        auto* nyeremeny = new QLineSeries;
        nyeremeny->setName(QStringLiteral("Nyeremény"));
        const double egy = e.JegyAr * static_cast<double>(e.Szelvenyek) / 1e6;
        double k = 0, ny = 0, max = 0;
        const double elso = e.Huzasok.empty() ? 0 : e.Huzasok.front().Huzas;
        koltseg->append(elso - 1, 0);
        nyeremeny->append(elso - 1, 0);
        for (const auto& h : e.Huzasok) {
            k += egy;
            ny += static_cast<double>(h.Nyeremeny) / 1e6;
            koltseg->append(h.Huzas, k);
            nyeremeny->append(h.Huzas, ny);
            max = std::max({max, k, ny});
        }
        c->addSeries(koltseg);
        c->addSeries(nyeremeny);
        auto* x = new QValueAxis;
        x->setTitleText(QStringLiteral("Húzás"));
        x->setLabelFormat(QStringLiteral("%d"));
        x->setRange(elso - 1, e.Huzasok.empty() ? 1 : e.Huzasok.back().Huzas);
        auto* y = new QValueAxis;
        y->setTitleText(TengelyFelirat(QStringLiteral("Összesen")));
        y->setRange(0, max > 0 ? max * 1.05 : 1);
        y->setLabelFormat(QStringLiteral("%.1f"));
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        for (auto* s : {koltseg, nyeremeny}) {
            s->attachAxis(x);
            s->attachAxis(y);
        }
    }
    {
        QChart* c = osztalyok_->chart();
        c->removeAllSeries();
        for (auto* a : c->axes()) c->removeAxis(a);
        auto* db = new QBarSet(QStringLiteral("Szelvény"));
        auto* ismeretlen = new QBarSet(QStringLiteral("Ebből ismeretlen nyereményű"));
        QStringList osztalyok;
        double max = 0;
        for (int o = NyeremenyOsztalyDb(e.Jatek) - 1; o >= 0; --o) {
            const auto i = static_cast<std::size_t>(o);
            osztalyok << Qs(OsztalyNev(e.Jatek, o));
            *db << static_cast<double>(e.OsztalyDb[i]);
            *ismeretlen << static_cast<double>(e.IsmeretlenDb[i]);
            max = std::max(max, static_cast<double>(e.OsztalyDb[i]));
        }
        auto* s = new QBarSeries;
        s->append(db);
        s->append(ismeretlen);
        c->addSeries(s);
        auto* x = new QBarCategoryAxis;
        x->append(osztalyok);
        // Logarithmic: the lowest class has thousands of times the tickets of the highest.
        auto* y = new QLogValueAxis;
        y->setTitleText(QStringLiteral("Szelvény (log.)"));
        y->setBase(10);
        y->setRange(0.5, max > 1 ? max * 2 : 10);
        y->setLabelFormat(QStringLiteral("%.0f"));
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

bool TVisszatesztGrafikonok::Mentes(int melyik, const QString& fajl) const {
    QChartView* v = melyik == 0 ? osszesitett_ : osztalyok_;
    if (fajl.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(fajl);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(150);
        QPainter p;
        if (!p.begin(&pdf)) return false;
        v->render(&p);
        return p.end();
    }
    return v->grab().save(fajl);
}

} // namespace varion::ui
