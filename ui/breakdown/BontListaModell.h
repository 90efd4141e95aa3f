// The breakdown list's table: reads the engine's matrix in place, one variation a row, so a
// list of tens of millions of rows opens at once and the view asks only for what it shows.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <vector>

#include "breakdown/BontasEllenorzes.h"

namespace varion::ui {

class TBontListaModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The breakdown `adat` (its matrix stays the engine's); `huzasok` are the draw
    // identifiers of a draws-mode breakdown.
    void Betoltes(BontasAdat adat, const std::vector<std::int32_t>* huzasok);
    void Torles();
    bool Ures() const { return adat_.Sorok == 0; }

    int ListaMod() const { return adat_.HuzasMod ? 2 : 1; }
    int OszlopDb() const;
    const BontasAdat& Adat() const { return adat_; }
    // The selected variation (0-based), painted in the selection colour.
    void SetKivalasztott(int sor);
    int Kivalasztott() const { return kivalasztott_; }
    // A fixed number's column (normal mode).
    bool FixOszlop(int oszlop) const;

    int rowCount(const QModelIndex& szulo = {}) const override;
    int columnCount(const QModelIndex& szulo = {}) const override;
    QVariant data(const QModelIndex& i, int szerep = Qt::DisplayRole) const override;
    QVariant headerData(int szakasz, Qt::Orientation o, int szerep) const override;

private:
    BontasAdat adat_;
    const std::vector<std::int32_t>* huzasok_ = nullptr;
    int kivalasztott_ = -1;
};

// Paints a cell from the model's colours: plain fill, bold centred text.
class TBontCellaRajzolo final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
};

} // namespace varion::ui
