#include "akadalymentes/RacsAkadalymentes.h"

#include <QAbstractScrollArea>

#include "breakdown/BontListaRacs.h"

namespace varion::ui {

BontRacsAkadalymentes::BontRacsAkadalymentes(TBontRacs* racs)
    : QAccessibleWidget(racs, QAccessible::Table) {}

BontRacsAkadalymentes::~BontRacsAkadalymentes() {
    for (const auto& [hely, id] : cellak_) QAccessible::deleteAccessibleInterface(id);
}

TBontRacs* BontRacsAkadalymentes::Racs() const {
    return static_cast<TBontRacs*>(widget());
}

std::int64_t BontRacsAkadalymentes::ListaSor(int row) const {
    return Racs()->ElsoSor() + row;
}

int BontRacsAkadalymentes::rowCount() const {
    const TBontRacs* r = Racs();
    if (!r->Modell() || r->Modell()->OszlopDb() == 0) return 0;
    int n = 0;
    while (!r->CellaTeglalap(r->ElsoSor() + n, 0).isEmpty()) ++n;
    return n;
}

int BontRacsAkadalymentes::columnCount() const {
    const TBontRacs* r = Racs();
    return r->Modell() ? r->Modell()->OszlopDb() : 0;
}

QString BontRacsAkadalymentes::columnDescription(int column) const {
    const TBontRacs* r = Racs();
    return r->Modell() && column >= 0 && column < columnCount() ? r->Modell()->Fejlec(column)
                                                                : QString();
}

QString BontRacsAkadalymentes::rowDescription(int row) const {
    const TBontRacs* r = Racs();
    return r->Modell() && row >= 0 && row < rowCount() ? r->Modell()->Szoveg(ListaSor(row), 0)
                                                       : QString();
}

QAccessibleInterface* BontRacsAkadalymentes::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    QAccessible::Id& id = cellak_[{row, column}];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new BontCellaAkadalymentes(Racs(), row, column));
    return QAccessible::accessibleInterface(id);
}

int BontRacsAkadalymentes::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* BontRacsAkadalymentes::child(int index) const {
    const int c = columnCount();
    return c > 0 && index >= 0 ? cellAt(index / c, index % c) : nullptr;
}

int BontRacsAkadalymentes::indexOfChild(const QAccessibleInterface* c) const {
    if (!c || c->role() != QAccessible::Cell || c->parent() != this) return -1;
    auto* cella = const_cast<QAccessibleInterface*>(c)->tableCellInterface();
    return cella ? cella->rowIndex() * columnCount() + cella->columnIndex() : -1;
}

QAccessibleInterface* BontRacsAkadalymentes::childAt(int x, int y) const {
    const QPoint p = Racs()->viewport()->mapFromGlobal(QPoint(x, y));
    const std::int64_t sor = Racs()->SorAPonton(p);
    if (sor < 0) return nullptr;
    int bal = 0;
    for (int c = 0; c < columnCount(); ++c) {
        bal += Racs()->OszlopSzelesseg(c);
        if (p.x() < bal) return cellAt(static_cast<int>(sor - Racs()->ElsoSor()), c);
    }
    return nullptr;
}

QString BontRacsAkadalymentes::text(QAccessible::Text t) const {
    const QString sajat = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && sajat.isEmpty()) return QStringLiteral("Bontás listája");
    return sajat;
}

void* BontRacsAkadalymentes::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

bool BontRacsAkadalymentes::isRowSelected(int row) const {
    return row >= 0 && row < rowCount() && ListaSor(row) == Racs()->Kivalasztott();
}

QList<int> BontRacsAkadalymentes::selectedRows() const {
    const std::int64_t k = Racs()->Kivalasztott() - Racs()->ElsoSor();
    if (k < 0 || k >= rowCount()) return {};
    return {static_cast<int>(k)};
}

int BontRacsAkadalymentes::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

int BontRacsAkadalymentes::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> BontRacsAkadalymentes::selectedCells() const {
    QList<QAccessibleInterface*> out;
    for (int r : selectedRows())
        for (int c = 0; c < columnCount(); ++c) out.append(cellAt(r, c));
    return out;
}

bool BontRacsAkadalymentes::selectRow(int row) {
    if (row < 0 || row >= rowCount()) return false;
    Racs()->Kivalaszt(ListaSor(row));
    return true;
}

BontCellaAkadalymentes::BontCellaAkadalymentes(TBontRacs* racs, int sor, int oszlop)
    : racs_(racs), sor_(sor), oszlop_(oszlop) {}

bool BontCellaAkadalymentes::isValid() const {
    return racs_ && Tabla() && sor_ < Tabla()->rowCount() && oszlop_ < Tabla()->columnCount();
}

BontRacsAkadalymentes* BontCellaAkadalymentes::Tabla() const {
    return racs_ ? static_cast<BontRacsAkadalymentes*>(
                       QAccessible::queryAccessibleInterface(racs_.data()))
                 : nullptr;
}

QWindow* BontCellaAkadalymentes::window() const {
    return racs_ && racs_->window() ? racs_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* BontCellaAkadalymentes::parent() const {
    return Tabla();
}

QString BontCellaAkadalymentes::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name) return {};
    return racs_->Modell()->Szoveg(Tabla()->ListaSor(sor_), oszlop_);
}

QRect BontCellaAkadalymentes::rect() const {
    if (!isValid()) return {};
    const QRect r = racs_->CellaTeglalap(Tabla()->ListaSor(sor_), oszlop_);
    return {racs_->viewport()->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State BontCellaAkadalymentes::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.selected = isSelected();
    s.invisible = !racs_->isVisible();
    return s;
}

void* BontCellaAkadalymentes::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool BontCellaAkadalymentes::isSelected() const {
    return isValid() && Tabla()->isRowSelected(sor_);
}

QAccessibleInterface* RacsGyar(const QString& osztaly, QObject* o) {
    if (osztaly == QLatin1String("varion::ui::TBontRacs"))
        return new BontRacsAkadalymentes(static_cast<TBontRacs*>(o));
    return nullptr;
}

} // namespace varion::ui
