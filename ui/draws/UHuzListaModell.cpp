#include "draws/UHuzListaModell.h"

#include <QPainter>

#include "app/UUzenetek.h"

namespace varion::ui {

QColor RgbSzin(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

THuzListaModell::THuzListaModell(const HuzasAdatbazis& db, const ListaAllapot& allapot,
                                 QObject* szulo)
    : QAbstractTableModel(szulo), db_(db), a_(allapot) {}

int THuzListaModell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : db_.HuzasDb();
}

int THuzListaModell::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : db_.OszlopDb();
}

ListaCella THuzListaModell::Cella(const QModelIndex& i) const {
    return AdatCella(db_, i.row() + 1, i.column(), a_);
}

QVariant THuzListaModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return Qs(Cella(i).Szoveg);
    case Qt::BackgroundRole:
        return RgbSzin(Cella(i).Hatter);
    case Qt::ForegroundRole:
        return RgbSzin(Cella(i).SzovegSzin);
    default:
        return {};
    }
}

QVariant THuzListaModell::headerData(int szakasz, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return Qs(FejlecCella(db_.Jatek(), szakasz).Szoveg);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

void THuzListaModell::Ujraepites() {
    beginResetModel();
    endResetModel();
}

void THuzListaModell::Frissites() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void THuzListaRajzolo::paint(QPainter* p, const QStyleOptionViewItem& o,
                             const QModelIndex& i) const {
    const ListaCella c = m_.Cella(i);
    p->save();
    p->fillRect(o.rect, RgbSzin(c.Hatter));
    QFont f = o.font;
    f.setPointSize(8);
    f.setBold(c.Felkover);
    p->setFont(f);
    p->setPen(RgbSzin(c.SzovegSzin));
    p->drawText(o.rect.adjusted(c.X, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, Qs(c.Szoveg));
    p->setPen(QColor(160, 160, 160));
    p->drawLine(o.rect.bottomLeft(), o.rect.bottomRight());
    p->drawLine(o.rect.topRight(), o.rect.bottomRight());
    p->restore();
}

} // namespace varion::ui
