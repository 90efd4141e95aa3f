#include "breakdown/BontListaModell.h"

#include <QPainter>

namespace varion::ui {

namespace {
const QColor SorszamHatter(255, 251, 240);
const QColor ValtozoHatter(255, 210, 170);
const QColor FixHatter(230, 220, 180);
const QColor HuzasHatter(255, 255, 225); // the info-tip colour
const QColor KivalasztottHatter(0, 128, 192);
} // namespace

void TBontListaModell::Betoltes(BontasAdat adat, const std::vector<std::int32_t>* huzasok) {
    beginResetModel();
    adat_ = std::move(adat);
    huzasok_ = adat_.HuzasMod ? huzasok : nullptr;
    kivalasztott_ = adat_.Sorok > 0 ? 0 : -1;
    endResetModel();
}

void TBontListaModell::Torles() {
    beginResetModel();
    adat_ = {};
    huzasok_ = nullptr;
    kivalasztott_ = -1;
    endResetModel();
}

int TBontListaModell::OszlopDb() const {
    if (adat_.Sorok == 0 && adat_.Szelesseg == 0) return 0;
    return adat_.Szelesseg + adat_.FixDb() + ListaMod();
}

void TBontListaModell::SetKivalasztott(int sor) {
    if (sor == kivalasztott_) return;
    const int regi = kivalasztott_;
    kivalasztott_ = sor;
    const int utolso = columnCount() - 1;
    if (regi >= 0 && regi < adat_.Sorok) emit dataChanged(index(regi, 0), index(regi, utolso));
    if (sor >= 0 && sor < adat_.Sorok) emit dataChanged(index(sor, 0), index(sor, utolso));
}

bool TBontListaModell::FixOszlop(int oszlop) const {
    return !adat_.HuzasMod && oszlop > adat_.Szelesseg && oszlop < OszlopDb();
}

int TBontListaModell::rowCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : adat_.Sorok;
}

int TBontListaModell::columnCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : OszlopDb();
}

QVariant TBontListaModell::data(const QModelIndex& i, int szerep) const {
    const int r = i.row(), c = i.column();
    if (!i.isValid() || r >= adat_.Sorok || c >= OszlopDb()) return {};
    const bool huzasMod = adat_.HuzasMod;
    switch (szerep) {
    case Qt::DisplayRole: {
        if (c == 0) return QString::number(r + 1) + QLatin1Char('.');
        if (huzasMod) {
            if (c == 1) {
                const auto idx = static_cast<std::size_t>(r);
                return huzasok_ && idx < huzasok_->size()
                           ? QString::number((*huzasok_)[idx]) + QLatin1Char('.')
                           : QString();
            }
            return QString::number(adat_.Bejegyzes(r, c - 2));
        }
        if (c <= adat_.Szelesseg)
            return QString::number(
                adat_.Szam(static_cast<std::uint8_t>(adat_.Bejegyzes(r, c - 1))));
        return QString::number(adat_.FixSzamok[static_cast<std::size_t>(c - adat_.Szelesseg - 1)]);
    }
    case Qt::BackgroundRole:
        if (c == 0) return SorszamHatter;
        if (r == kivalasztott_) return KivalasztottHatter;
        if (huzasMod && c == 1) return HuzasHatter;
        return FixOszlop(c) ? FixHatter : ValtozoHatter;
    case Qt::ForegroundRole:
        return c > 0 && r == kivalasztott_ ? QColor(Qt::white) : QColor(Qt::black);
    default:
        return {};
    }
}

QVariant TBontListaModell::headerData(int szakasz, Qt::Orientation o, int szerep) const {
    if (o != Qt::Horizontal || szerep != Qt::DisplayRole) return {};
    if (szakasz == 0) return QStringLiteral("Számsor");
    if (adat_.HuzasMod) {
        if (szakasz == 1) return QStringLiteral("Húzás");
        return QString::number(szakasz - 1) + QLatin1Char('.');
    }
    return QString::number(szakasz) + QLatin1Char('.');
}

void TBontCellaRajzolo::paint(QPainter* p, const QStyleOptionViewItem& o,
                              const QModelIndex& i) const {
    p->fillRect(o.rect, i.data(Qt::BackgroundRole).value<QColor>());
    QFont f = o.font;
    f.setBold(true);
    f.setPointSize(8);
    p->setFont(f);
    p->setPen(i.data(Qt::ForegroundRole).value<QColor>());
    p->drawText(o.rect, Qt::AlignCenter, i.data(Qt::DisplayRole).toString());
}

} // namespace varion::ui
