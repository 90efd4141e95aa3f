#include "breakdown/BontListaRacs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>

namespace varion::ui {

namespace {
constexpr int H = TBontRacs::SorMagassag;
constexpr int LathatoRacsSorok = 16; // the header and 15 variations before the bar appears

QFont Felkover(QFont f) {
    f.setBold(true);
    f.setPointSize(8);
    return f;
}
} // namespace

TBontRacs::TBontRacs(QWidget* szulo) : QAbstractScrollArea(szulo) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void TBontRacs::SetModell(const TBontListaModell* m) {
    m_ = m;
    kivalasztott_ = -1;
    gorgoMaradek_ = 0;
    nezet_ = {Sorok(), LathatoSorok(), 0};
    setVerticalScrollBarPolicy(Sorok() + 1 > LathatoRacsSorok ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
    GorgetoFrissites();
}

int TBontRacs::LathatoSorok() const {
    return std::max(1, (viewport()->height() - H) / H);
}

int TBontRacs::OszlopSzelesseg(int oszlop) const {
    return m_ ? m_->OszlopSzelesseg(oszlop) : 0;
}

int TBontRacs::TeljesSzelesseg() const {
    int w = 0;
    for (int c = 0; m_ && c < m_->OszlopDb(); ++c) w += m_->OszlopSzelesseg(c);
    return w;
}

void TBontRacs::GorgetoFrissites() {
    nezet_.Sorok = Sorok();
    nezet_.Lathato = LathatoSorok();
    nezet_.Elso = nezet_.Korlatozva(nezet_.Elso);
    const std::int64_t max = nezet_.MaxElso();
    QScrollBar* g = verticalScrollBar();
    sajatGorgetes_ = true;
    g->setRange(0, GorgetoMax(max));
    g->setPageStep(static_cast<int>(std::min<std::int64_t>(nezet_.Lathato, GorgetoMax(max) + 1)));
    g->setSingleStep(1);
    g->setValue(GorgetoErtek(nezet_.Elso, max));
    sajatGorgetes_ = false;
    viewport()->update();
}

void TBontRacs::SetElsoSor(std::int64_t sor) {
    nezet_.Elso = nezet_.Korlatozva(sor);
    sajatGorgetes_ = true;
    verticalScrollBar()->setValue(GorgetoErtek(nezet_.Elso, nezet_.MaxElso()));
    sajatGorgetes_ = false;
    viewport()->update();
}

void TBontRacs::scrollContentsBy(int, int) {
    // The player moved the bar: its value names the top row.
    if (!sajatGorgetes_)
        nezet_.Elso = ElsoSorErtekbol(verticalScrollBar()->value(), nezet_.MaxElso());
    viewport()->update();
}

void TBontRacs::Kivalaszt(std::int64_t sor) {
    if (Sorok() == 0) return;
    sor = std::clamp<std::int64_t>(sor, 0, Sorok() - 1);
    nezet_.Lathato = LathatoSorok();
    SetElsoSor(nezet_.Lathatova(sor));
    if (sor == kivalasztott_) return;
    kivalasztott_ = sor;
    viewport()->update();
    emit KivalasztasValtozott(sor);
}

QRect TBontRacs::CellaTeglalap(std::int64_t sor, int oszlop) const {
    if (!m_ || oszlop < 0 || oszlop >= m_->OszlopDb() || sor < nezet_.Elso || sor >= Sorok())
        return {};
    const std::int64_t i = sor - nezet_.Elso;
    if (H + i * H >= viewport()->height()) return {};
    int x = 0;
    for (int c = 0; c < oszlop; ++c) x += m_->OszlopSzelesseg(c);
    return {x, H + static_cast<int>(i) * H, m_->OszlopSzelesseg(oszlop) - 1, H - 1};
}

std::int64_t TBontRacs::SorAPonton(QPoint p) const {
    if (p.y() < H || p.x() < 0 || p.x() >= TeljesSzelesseg()) return -1;
    const std::int64_t sor = nezet_.Elso + (p.y() - H) / H;
    return sor < Sorok() ? sor : -1;
}

void TBontRacs::Fejlec(QPainter& p) {
    p.setFont(Felkover(font()));
    const int n = m_->OszlopDb();
    int x = 0;
    for (int c = 0; c < n; ++c) {
        QStyleOptionHeader o;
        o.initFrom(this);
        o.state |= QStyle::State_Raised;
        o.orientation = Qt::Horizontal;
        o.rect = QRect(x, 0, m_->OszlopSzelesseg(c), H);
        o.section = c;
        o.text = m_->Fejlec(c);
        o.textAlignment = Qt::AlignCenter;
        o.position = n == 1       ? QStyleOptionHeader::OnlyOneSection
                     : c == 0     ? QStyleOptionHeader::Beginning
                     : c == n - 1 ? QStyleOptionHeader::End
                                  : QStyleOptionHeader::Middle;
        // The style restores a clip of its own making: an unclipped painter would end up
        // clipped to nothing.
        p.save();
        style()->drawControl(QStyle::CE_Header, &o, &p, this);
        p.restore();
        x += m_->OszlopSzelesseg(c);
    }
}

void TBontRacs::paintEvent(QPaintEvent*) {
    if (!m_ || m_->OszlopDb() == 0) return;
    QPainter p(viewport());
    Fejlec(p);
    p.setFont(Felkover(font()));
    QStyleOptionViewItem o;
    o.initFrom(this);
    const QColor racs = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &o, this)));
    const int n = m_->OszlopDb(), szeles = TeljesSzelesseg();
    for (int y = H; y < viewport()->height(); y += H) {
        const std::int64_t sor = nezet_.Elso + (y - H) / H;
        if (sor >= Sorok()) break;
        const bool kiv = sor == kivalasztott_;
        int x = 0;
        for (int c = 0; c < n; ++c) {
            const int w = m_->OszlopSzelesseg(c);
            const QRect cella(x, y, w - 1, H - 1);
            p.fillRect(cella, m_->Hatter(c, kiv));
            p.setPen(m_->Betu(c, kiv));
            p.drawText(cella, Qt::AlignCenter, m_->Szoveg(sor, c));
            p.setPen(racs);
            p.drawLine(x + w - 1, y, x + w - 1, y + H - 1);
            x += w;
        }
        p.drawLine(0, y + H - 1, szeles - 1, y + H - 1);
    }
}

void TBontRacs::keyPressEvent(QKeyEvent* e) {
    ListaLepes l;
    switch (e->key()) {
    case Qt::Key_Up:
        l = ListaLepes::Fel;
        break;
    case Qt::Key_Down:
        l = ListaLepes::Le;
        break;
    case Qt::Key_PageUp:
        l = ListaLepes::LapFel;
        break;
    case Qt::Key_PageDown:
        l = ListaLepes::LapLe;
        break;
    case Qt::Key_Home: // with or without Ctrl: the grid selects whole rows only
        l = ListaLepes::Elejere;
        break;
    case Qt::Key_End:
        l = ListaLepes::Vegere;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    Kivalaszt(Lepes(l, kivalasztott_, Sorok(), LathatoSorok()));
    e->accept();
}

void TBontRacs::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const std::int64_t sor = SorAPonton(e->position().toPoint());
    if (sor >= 0) Kivalaszt(sor);
}

void TBontRacs::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    const std::int64_t sor = SorAPonton(e->position().toPoint());
    if (sor >= 0) Kivalaszt(sor);
}

void TBontRacs::wheelEvent(QWheelEvent* e) {
    gorgoMaradek_ += e->angleDelta().y();
    const int lepes = gorgoMaradek_ / 120;
    gorgoMaradek_ -= lepes * 120;
    if (lepes != 0)
        SetElsoSor(nezet_.Elso -
                   static_cast<std::int64_t>(lepes) * QApplication::wheelScrollLines());
    e->accept();
}

void TBontRacs::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    GorgetoFrissites();
}

} // namespace varion::ui
