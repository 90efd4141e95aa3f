// What assistive technology sees of a ticket grid: a group of check boxes, one per number,
// named by the number, checked while the number's box is raised, each with a press action
// that does what a left click on it does.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace varion::ui {

class TCellaTer;

class SzelvenyAkadalymentes final : public QAccessibleWidget {
public:
    explicit SzelvenyAkadalymentes(TCellaTer* ter);
    ~SzelvenyAkadalymentes() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* c) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    TCellaTer* Ter() const;

private:
    mutable std::vector<QAccessible::Id> gyerekek_;
};

class SzamCellaAkadalymentes final : public QAccessibleInterface,
                                     public QAccessibleActionInterface {
public:
    SzamCellaAkadalymentes(TCellaTer* ter, int szam);

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
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& nev) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int Szam() const { return szam_; }

private:
    QPointer<TCellaTer> ter_;
    int szam_;
};

// Registers the factory once; every ticket grid created afterwards answers with the classes
// above.
void AkadalymentesGyarTelepites();

// A number's box was raised or lowered: tell assistive technology (a no-op while none
// listens).
void CellaAllapotValtozas(TCellaTer& ter, int szam);

} // namespace varion::ui
