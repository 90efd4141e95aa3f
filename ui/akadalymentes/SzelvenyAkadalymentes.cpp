#include "akadalymentes/SzelvenyAkadalymentes.h"

#include <QGuiApplication>
#include <QWidget>

#include "akadalymentes/RacsAkadalymentes.h"
#include "game/USzelveny.h"

namespace varion::ui {

SzelvenyAkadalymentes::SzelvenyAkadalymentes(TCellaTer* ter)
    : QAccessibleWidget(ter, QAccessible::Grouping) {}

SzelvenyAkadalymentes::~SzelvenyAkadalymentes() {
    for (QAccessible::Id id : gyerekek_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

TCellaTer* SzelvenyAkadalymentes::Ter() const {
    return static_cast<TCellaTer*>(widget());
}

int SzelvenyAkadalymentes::childCount() const {
    return Ter()->Szelveny().MaxSzam();
}

QAccessibleInterface* SzelvenyAkadalymentes::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    if (gyerekek_.size() < static_cast<std::size_t>(childCount()))
        gyerekek_.resize(static_cast<std::size_t>(childCount()), 0);
    QAccessible::Id& id = gyerekek_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new SzamCellaAkadalymentes(Ter(), index + 1));
    return QAccessible::accessibleInterface(id);
}

int SzelvenyAkadalymentes::indexOfChild(const QAccessibleInterface* c) const {
    if (!c || c->role() != QAccessible::CheckBox || c->parent() != this) return -1;
    return static_cast<const SzamCellaAkadalymentes*>(c)->Szam() - 1;
}

QAccessibleInterface* SzelvenyAkadalymentes::childAt(int x, int y) const {
    const QPoint p = Ter()->mapFromGlobal(QPoint(x, y));
    const int n = Talalat(Ter()->Szelveny().Meretek(), p.x(), p.y());
    return n > 0 ? child(n - 1) : nullptr;
}

QString SzelvenyAkadalymentes::text(QAccessible::Text t) const {
    const QString sajat = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && sajat.isEmpty()) return Ter()->Szelveny().windowTitle().trimmed();
    return sajat;
}

QAccessible::State SzelvenyAkadalymentes::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    return s;
}

SzamCellaAkadalymentes::SzamCellaAkadalymentes(TCellaTer* ter, int szam) : ter_(ter), szam_(szam) {}

bool SzamCellaAkadalymentes::isValid() const {
    return ter_ && szam_ >= 1 && szam_ <= ter_->Szelveny().MaxSzam();
}

QWindow* SzamCellaAkadalymentes::window() const {
    return ter_ && ter_->window() ? ter_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* SzamCellaAkadalymentes::parent() const {
    return ter_ ? QAccessible::queryAccessibleInterface(ter_.data()) : nullptr;
}

QString SzamCellaAkadalymentes::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    const CellaKep& c = ter_->Szelveny().GetCella(szam_);
    switch (t) {
    case QAccessible::Name:
        return QString::number(szam_);
    case QAccessible::Description: {
        // A statistics view shows a value in place of the number; it leads the description.
        const QString sugo = c.Sugo.trimmed();
        if (c.Szoveg == QString::number(szam_)) return sugo;
        return sugo.isEmpty() ? c.Szoveg : c.Szoveg + QStringLiteral(" – ") + sugo;
    }
    default:
        return {};
    }
}

QRect SzamCellaAkadalymentes::rect() const {
    if (!isValid()) return {};
    const auto t = CellaHelye(ter_->Szelveny().Meretek(), szam_);
    return {ter_->mapToGlobal(QPoint(t.Bal, t.Felso)), QSize(t.Szelesseg, t.Magassag)};
}

QAccessible::State SzamCellaAkadalymentes::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const bool valaszthato = ter_->Szelveny().GetCella(szam_).Valaszthato;
    s.checkable = valaszthato;
    s.checked = ter_->Szelveny().Jelolt(szam_);
    s.disabled = !ter_->isEnabled() || !valaszthato;
    s.invisible = !ter_->isVisible();
    s.offscreen = !ter_->isVisible();
    return s;
}

void* SzamCellaAkadalymentes::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList SzamCellaAkadalymentes::actionNames() const {
    if (!isValid() || !ter_->Szelveny().GetCella(szam_).Valaszthato) return {};
    return {pressAction(), toggleAction()};
}

void SzamCellaAkadalymentes::doAction(const QString& nev) {
    if (!isValid() || (nev != pressAction() && nev != toggleAction())) return;
    if (!ter_->Szelveny().GetCella(szam_).Valaszthato) return;
    ter_->Szelveny().Kattintas(szam_, QGuiApplication::queryKeyboardModifiers());
}

namespace {

QAccessibleInterface* Gyar(const QString& osztaly, QObject* o) {
    if (osztaly == QLatin1String("varion::ui::TCellaTer"))
        return new SzelvenyAkadalymentes(static_cast<TCellaTer*>(o));
    if (QAccessibleInterface* racs = RacsGyar(osztaly, o)) return racs;
    // Our floating windows built on a plain widget (the tickets, the lists) are windows to a
    // screen reader, as the dialogs are, not anonymous panels.
    if (osztaly.startsWith(QLatin1String("varion::ui::")) && o->isWidgetType() &&
        o->metaObject()->superClass() == &QWidget::staticMetaObject &&
        static_cast<QWidget*>(o)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Window);
    return nullptr;
}

} // namespace

void AkadalymentesGyarTelepites() {
    static const bool kesz = [] {
        QAccessible::installFactory(Gyar);
        return true;
    }();
    (void)kesz;
}

void CellaAllapotValtozas(TCellaTer& ter, int szam) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* racs = QAccessible::queryAccessibleInterface(&ter);
    if (!racs) return;
    QAccessibleInterface* cella = racs->child(szam - 1);
    if (!cella) return;
    QAccessible::State valtozott;
    valtozott.checked = true;
    QAccessibleStateChangeEvent e(cella, valtozott);
    QAccessible::updateAccessibility(&e);
}

} // namespace varion::ui
