// The draw table as a Qt model and the delegate that paints each cell as the list rules
// say. Nothing is stored: every cell is computed when it is drawn.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "draws/HuzasListaCella.h"

namespace varion::ui {

class THuzListaModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    THuzListaModell(const HuzasAdatbazis& db, const ListaAllapot& allapot, QObject* szulo);

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    QVariant headerData(int szakasz, Qt::Orientation o, int role) const override;

    // The table changed shape (load, insert, delete, game): the view starts over.
    void Ujraepites();
    // Same shape, other values or colours: repaint only.
    void Frissites();
    ListaCella Cella(const QModelIndex& i) const;

private:
    const HuzasAdatbazis& db_;
    const ListaAllapot& a_;
};

class THuzListaRajzolo final : public QStyledItemDelegate {
public:
    explicit THuzListaRajzolo(const THuzListaModell& m, QObject* szulo)
        : QStyledItemDelegate(szulo), m_(m) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;

private:
    const THuzListaModell& m_;
};

QColor RgbSzin(std::uint32_t rgb);

} // namespace varion::ui
