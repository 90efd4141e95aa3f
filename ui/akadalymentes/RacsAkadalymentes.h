// The painted breakdown list as assistive technology sees it: a table of the rows on
// screen (the first column names each row's number), its header texts as column
// descriptions, and the selected row when it is on screen.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

namespace varion::ui {

class TBontRacs;

class BontRacsAkadalymentes final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BontRacsAkadalymentes(TBontRacs* racs);
    ~BontRacsAkadalymentes() override;

    TBontRacs* Racs() const;

    // QAccessibleInterface: the children are the cells, row by row.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* c) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The list row shown in table row `row`.
    std::int64_t ListaSor(int row) const;

private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> cellak_;
};

class BontCellaAkadalymentes final : public QAccessibleInterface,
                                     public QAccessibleTableCellInterface {
public:
    BontCellaAkadalymentes(TBontRacs* racs, int sor, int oszlop);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return oszlop_; }
    int rowIndex() const override { return sor_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    BontRacsAkadalymentes* Tabla() const;

    QPointer<TBontRacs> racs_;
    int sor_, oszlop_;
};

// The factory's answer for the painted grids, or nullptr.
QAccessibleInterface* RacsGyar(const QString& osztaly, QObject* o);

} // namespace varion::ui
