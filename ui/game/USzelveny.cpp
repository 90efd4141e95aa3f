#include "game/USzelveny.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "akadalymentes/SzelvenyAkadalymentes.h"
#include "app/UUzenetek.h"

namespace varion::ui {

QColor SzinErtek(std::int32_t ertek) {
    if (TemaSzinE(ertek)) {
        switch (ertek - TemaSzin(0)) {
        case 0: // scroll bar
            return {200, 200, 200};
        case 8: // window text
            return {0, 0, 0};
        case 15: // button face
            return {236, 233, 216};
        case 24: // tooltip background
            return {255, 255, 225};
        default:
            return {128, 128, 128};
        }
    }
    return {ertek & 0xFF, (ertek >> 8) & 0xFF, (ertek >> 16) & 0xFF};
}

TCellaTer::TCellaTer(TSzelveny& szelveny) : QWidget(&szelveny), sz_(szelveny) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    gepelesIdo_.setSingleShot(true);
    gepelesIdo_.setInterval(GepelesIdo);
    connect(&gepelesIdo_, &QTimer::timeout, this, &TCellaTer::GepeltTorles);
}

void TCellaTer::GepeltTorles() {
    gepelesIdo_.stop();
    if (gepelt_.isEmpty()) return;
    gepelt_.clear();
    update();
}

void TCellaTer::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9) {
        QString uj = gepelt_ + QChar(u'0' + (k - Qt::Key_0));
        // A number past the ticket's end starts over with the last digit.
        if (uj.toInt() > sz_.MaxSzam()) uj = uj.right(1);
        gepelt_ = uj.toInt() > 0 || uj.size() < 2 ? uj : QString();
        gepelesIdo_.start();
        update();
        e->accept();
        return;
    }
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) && !gepelt_.isEmpty()) {
        const int n = gepelt_.toInt();
        GepeltTorles();
        if (n >= 1 && n <= sz_.MaxSzam()) sz_.Kattintas(n, e->modifiers());
        e->accept();
        return;
    }
    // Any other key drops the typed digits and goes on to the window; a modifier alone
    // keeps them, as it comes before Shift+Enter or Ctrl+Enter.
    const bool modosito = k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt ||
                          k == Qt::Key_Meta || k == Qt::Key_AltGr;
    if (!modosito) GepeltTorles();
    QWidget::keyPressEvent(e);
}

void TCellaTer::focusOutEvent(QFocusEvent* e) {
    GepeltTorles();
    QWidget::focusOutEvent(e);
}

void TCellaTer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), SzinErtek(sz_.Bejegyzes(SzelvBejegyzes::Hatter)));
    QFont betu = font();
    betu.setFamily(QStringLiteral("DejaVu Sans"));
    betu.setPointSize(sz_.Bejegyzes(SzelvBejegyzes::SzamMeret));
    for (int n = 1; n <= sz_.MaxSzam(); ++n) {
        const auto t = CellaHelye(sz_.meretek_, n);
        const QRect r(t.Bal, t.Felso, t.Szelesseg, t.Magassag);
        const CellaKep& c = sz_.GetCella(n);
        p.fillRect(r, SzinErtek(sz_.Bejegyzes(c.Hatter)));
        // A paper-ticket box: light on the lit edges of a raised box, dark on a lowered one.
        const QColor vilagos(255, 255, 255), sotet(128, 128, 128), melyebb(64, 64, 64);
        const QColor fent = c.Emelt ? vilagos : sotet;
        const QColor lent = c.Emelt ? melyebb : vilagos;
        p.setPen(fent);
        p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
        p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
        p.setPen(lent);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        if (c.Emelt) {
            p.setPen(sotet);
            p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
            p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
        } else {
            p.setPen(QColor(192, 192, 192));
            p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-2, 1));
            p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -2));
        }
        betu.setBold(c.Felkover);
        p.setFont(betu);
        // A locked ticket greys its free numbers, so the lock shows on the ticket itself.
        p.setPen(!isEnabled() && !c.Emelt ? QColor(160, 160, 160)
                 : c.SajatSzin.isValid()  ? c.SajatSzin
                                          : SzinErtek(sz_.Bejegyzes(c.SzovegSzin)));
        const QRect szovegHely = c.Emelt ? r.adjusted(0, 0, -1, -1) : r.adjusted(1, 1, 0, 0);
        p.drawText(szovegHely, Qt::AlignCenter, c.Szoveg);
    }
    // The keyboard's place: a frame round the grid, and round the number being typed.
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const int n = gepelt_.toInt();
        if (n >= 1 && n <= sz_.MaxSzam()) {
            const auto t = CellaHelye(sz_.meretek_, n);
            p.setPen(QPen(QColor(0, 0, 160), 2));
            p.drawRect(QRect(t.Bal, t.Felso, t.Szelesseg, t.Magassag).adjusted(1, 1, -1, -1));
        }
    }
}

void TCellaTer::mousePressEvent(QMouseEvent* e) {
    const int n = Talalat(sz_.meretek_, e->position().toPoint().x(), e->position().toPoint().y());
    if (e->button() == Qt::LeftButton) {
        if (n > 0)
            sz_.Kattintas(n, e->modifiers());
        else
            sz_.jelolesFajta_ = BillentyuJelolesFajta(e->modifiers() & Qt::ControlModifier,
                                                      e->modifiers() & Qt::ShiftModifier,
                                                      e->modifiers() & Qt::AltModifier);
    }
}

void TCellaTer::mouseMoveEvent(QMouseEvent* e) {
    const int n = Talalat(sz_.meretek_, e->position().toPoint().x(), e->position().toPoint().y());
    if (n != utolsoSugo_) {
        utolsoSugo_ = n;
        emit sz_.SugoValtozas(n > 0 ? sz_.GetCella(n).Sugo : QString());
    }
    if (n > 0 && e->buttons() == Qt::RightButton) emit sz_.JobbGombMozgas(n);
}

void TCellaTer::mouseReleaseEvent(QMouseEvent* e) {
    const int n = Talalat(sz_.meretek_, e->position().toPoint().x(), e->position().toPoint().y());
    // Releasing the right button anywhere ends the painting stroke.
    if (e->button() == Qt::RightButton) emit sz_.JobbGombFelengedes(n);
}

bool TCellaTer::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const int n = Talalat(sz_.meretek_, h->pos().x(), h->pos().y());
        if (n > 0 && sz_.buborek_ && sz_.cellaBuborek_)
            QToolTip::showText(h->globalPos(), sz_.GetCella(n).Sugo.trimmed(), this, {}, 20000);
        else
            QToolTip::hideText();
        return true;
    }
    if (e->type() == QEvent::Leave) {
        utolsoSugo_ = 0;
        emit sz_.SugoValtozas(QString());
    }
    return QWidget::event(e);
}

TSzelveny::TSzelveny(QWidget* tulajdonos, int jatek, SzelvFajta fajta, bool torlesGomb,
                     bool kilepesGomb, bool riport, const QString& felirat,
                     const SzelvSzinTabla& szinek, int szinsema)
    : QWidget(tulajdonos, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), fajta_(fajta),
      jatek_(jatek), felirat_(felirat), szinek_(&szinek), szinsema_(szinsema) {
    setWindowTitle(felirat);
    setFocusPolicy(Qt::StrongFocus);
    cellaTer_ = new TCellaTer(*this);
    setFocusProxy(cellaTer_);
    AkadalymentesGyarTelepites();
    const QByteArray f = felirat.toUtf8();
    meretek_ =
        SzelvenyMeretezes(jatek, static_cast<int>(fajta), 30, riport, torlesGomb,
                          std::string_view(f.constData(), static_cast<std::size_t>(f.size())));
    if (riport) {
        riportPanel_ = new QFrame(this);
        riportPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        riportPanel_->setLineWidth(1);
        riportPanel_->setAutoFillBackground(true);
        auto* l = new QVBoxLayout(riportPanel_);
        l->setContentsMargins(4, 2, 3, 2);
        riportCimke_ = new QLabel(QStringLiteral(" Kijelölve: "), riportPanel_);
        QFont courier(QStringLiteral("Courier New"));
        courier.setStyleHint(QFont::Monospace);
        courier.setPointSize(8);
        riportCimke_->setFont(courier);
        riportCimke_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->addWidget(riportCimke_);
        riportPanel_->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(riportPanel_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
            if (!MiEzLathato) return;
            QMenu menu;
            QAction* miEz = menu.addAction(QStringLiteral("Mi ez?"));
            if (menu.exec(riportPanel_->mapToGlobal(p)) == miEz) emit MiEz(RiportSugoKontextus);
        });
    }
    if (torlesGomb) {
        gombPanel_ = new QWidget(this);
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSize(8);
        torlesGomb_ = new QPushButton(QStringLiteral("Törlés"), gombPanel_);
        torlesGomb_->setFont(arial);
        torlesGomb_->setStatusTip(QStringLiteral(" Kijelölt számsor törlése. "));
        torlesGomb_->setToolTip(QStringLiteral("Kijelölt számsor törlése."));
        if (kilepesGomb) {
            kilepesGomb_ = new QPushButton(QStringLiteral("Kilépés"), gombPanel_);
            kilepesGomb_->setFont(arial);
        }
    }
    cellak_.resize(static_cast<std::size_t>(meretek_.MaxSzam));
    Alaphelyzet();
    Elrendezes(szinek, szinsema);
}

std::int32_t TSzelveny::Bejegyzes(SzelvBejegyzes b) const {
    return szinek_->Ertek(fajta_, szinsema_, b);
}

void TSzelveny::Elrendezes(const SzelvSzinTabla& szinek, int szinsema) {
    szinek_ = &szinek;
    szinsema_ = szinsema;
    const QByteArray f = felirat_.toUtf8();
    meretek_ = SzelvenyMeretezes(
        jatek_, static_cast<int>(fajta_), Bejegyzes(SzelvBejegyzes::Box), meretek_.VanRiport,
        gombPanel_ != nullptr, std::string_view(f.constData(), static_cast<std::size_t>(f.size())));
    const int w = KliensSzelesseg(meretek_);
    const int h = KliensMagassag(meretek_);
    const int racs = h - meretek_.RiportMagassag - meretek_.GombsavMagassag;
    cellaTer_->setGeometry(0, 0, w, racs);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, SzinErtek(Bejegyzes(SzelvBejegyzes::Hatter)));
    setPalette(pal);
    setAutoFillBackground(true);
    if (riportPanel_) {
        riportPanel_->setGeometry(0, racs, w, meretek_.RiportMagassag);
        QPalette rp = riportPanel_->palette();
        rp.setColor(QPalette::Window, SzinErtek(Bejegyzes(SzelvBejegyzes::RiportPanel)));
        rp.setColor(QPalette::WindowText, SzinErtek(Bejegyzes(SzelvBejegyzes::RiportSzoveg)));
        riportPanel_->setPalette(rp);
        riportCimke_->setPalette(rp);
    }
    if (gombPanel_) {
        gombPanel_->setGeometry(0, h - meretek_.GombsavMagassag, w, meretek_.GombsavMagassag);
        const auto g = GombElrendezes(meretek_);
        if (kilepesGomb_) {
            kilepesGomb_->setGeometry(4, 3, g.KilepesSzelesseg, 22);
            torlesGomb_->setGeometry(g.TorlesBal, 3, g.KilepesSzelesseg, 22);
        } else {
            torlesGomb_->setGeometry(4, 3, w - 8, 22);
        }
    }
    setFixedSize(w, h);
    cellaTer_->update();
}

void TSzelveny::Alaphelyzet() {
    for (int n = 1; n <= meretek_.MaxSzam; ++n) {
        const bool volt = Jelolt(n);
        cellak_[static_cast<std::size_t>(n - 1)] = {QString::number(n),
                                                    QString(),
                                                    SzelvBejegyzes::Jeloletlen,
                                                    SzelvBejegyzes::SzamSzin,
                                                    false,
                                                    false,
                                                    QColor()};
        if (volt != Jelolt(n)) CellaAllapotValtozas(*cellaTer_, n);
    }
    cellaBuborek_ = false;
    setEnabled(true);
    cellaTer_->update();
}

void TSzelveny::SetCella(int n, const CellaKep& kep) {
    if (n < 1 || n > meretek_.MaxSzam) return;
    CellaKep& c = cellak_[static_cast<std::size_t>(n - 1)];
    const bool volt = Jelolt(n);
    c = kep;
    cellaTer_->update();
    if (volt != Jelolt(n)) CellaAllapotValtozas(*cellaTer_, n);
}

void TSzelveny::Kattintas(int n, Qt::KeyboardModifiers billentyuk) {
    if (n < 1 || n > meretek_.MaxSzam || !isEnabled()) return;
    // The keys held at the click decide the kind, also when no key event came first.
    jelolesFajta_ =
        BillentyuJelolesFajta(billentyuk & Qt::ControlModifier, billentyuk & Qt::ShiftModifier,
                              billentyuk & Qt::AltModifier);
    emit CellaKattintas(n);
}

void TSzelveny::SetRiport(const QString& szoveg) {
    if (!riportCimke_) return;
    // The narrow ticket of game 7 takes a smaller type rather than cutting lines off.
    const int hely = KliensSzelesseg(meretek_) - 10;
    QFont f = riportCimke_->font();
    for (int pont = 8; pont >= 6; --pont) {
        f.setPointSize(pont);
        int szeles = 0;
        for (const QString& sor : szoveg.split(QLatin1Char('\n')))
            szeles = std::max(szeles, QFontMetrics(f).horizontalAdvance(sor));
        if (szeles <= hely) break;
    }
    riportCimke_->setFont(f);
    riportCimke_->setText(szoveg);
}

QPoint TSzelveny::CellaKozep(int n) const {
    const auto t = CellaHelye(meretek_, n);
    return {t.Bal + t.Szelesseg / 2, t.Felso + t.Magassag / 2};
}

void TSzelveny::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void TSzelveny::keyPressEvent(QKeyEvent* e) {
    const auto m = e->modifiers();
    jelolesFajta_ =
        BillentyuJelolesFajta(m & Qt::ControlModifier, m & Qt::ShiftModifier, m & Qt::AltModifier);
    QWidget::keyPressEvent(e);
}

void TSzelveny::keyReleaseEvent(QKeyEvent* e) {
    jelolesFajta_ = 0;
    QWidget::keyReleaseEvent(e);
}

void TSzelveny::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && !isActiveWindow() && DeaktivalasNullaz)
        jelolesFajta_ = 0;
    QWidget::changeEvent(e);
}

} // namespace varion::ui
