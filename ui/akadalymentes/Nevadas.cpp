#include "akadalymentes/Nevadas.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QToolButton>

#include "akadalymentes/SzelvenyAkadalymentes.h"

namespace varion::ui {

namespace {

// Set on a widget whose name came from its hint, so that the name follows the hint.
constexpr char TippbolNev[] = "varionTippbolNev";

bool Vezerlo(const QWidget& w) {
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractSlider*>(&w);
}

QString ElsoSor(const QString& s) {
    const QString sima =
        Qt::mightBeRichText(s) ? QTextDocumentFragment::fromHtml(s).toPlainText() : s;
    const QString sor = sima.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0).trimmed();
    return sor.isEmpty() ? sima.simplified() : sor;
}

class NevAdo final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Polish:
            // Tab reaches the tool buttons too, so every command is a key press away.
            if (auto* g = qobject_cast<QToolButton*>(o);
                g && qobject_cast<QToolBar*>(g->parentWidget()) && g->focusPolicy() == Qt::NoFocus)
                g->setFocusPolicy(Qt::TabFocus);
            Q_FALLTHROUGH();
        case QEvent::Show:
        case QEvent::ToolTipChange:
        case QEvent::EnabledChange:
            if (o->isWidgetType()) Nevez(*static_cast<QWidget*>(o));
            break;
        case QEvent::KeyPress:
            if (o->isWidgetType())
                return Billentyu(*static_cast<QWidget*>(o), *static_cast<QKeyEvent*>(e));
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Enter presses the focused button in every window, not only in dialogs; Esc closes a
    // tool window as it closes a dialog.
    static bool Billentyu(QWidget& w, const QKeyEvent& e) {
        if (e.modifiers() & ~Qt::KeypadModifier) return false;
        const int k = e.key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            auto* g = qobject_cast<QAbstractButton*>(&w);
            auto* pg = qobject_cast<QPushButton*>(&w);
            if (!g || !(pg || qobject_cast<QToolButton*>(&w)) || !g->isEnabled()) return false;
            if (pg && (pg->autoDefault() || pg->isDefault())) return false; // the dialog's own
            g->click();
            return true;
        }
        if (k == Qt::Key_Escape) {
            QWidget* ablak = w.window();
            if (!ablak || qobject_cast<QDialog*>(ablak) || qobject_cast<QMainWindow*>(ablak))
                return false;
            const Qt::WindowType t = ablak->windowType();
            if (t != Qt::Tool && t != Qt::Window) return false;
            ablak->close();
            return true;
        }
        return false;
    }

    static void Nevez(QWidget& w) {
        if (!Vezerlo(w)) return;
        const bool tippbol = w.property(TippbolNev).toBool();
        if (!w.accessibleName().isEmpty() && !tippbol) return;
        if (tippbol) w.setAccessibleName(QString());
        const QString nev = TippNev(w);
        if (nev.isEmpty()) {
            w.setProperty(TippbolNev, false);
            return;
        }
        w.setAccessibleName(nev);
        w.setProperty(TippbolNev, true);
    }
};

} // namespace

QString TippNev(const QWidget& w) {
    // A control that names itself (a button's caption, a label's buddy, a group's title)
    // keeps that name.
    if (auto* g = qobject_cast<const QAbstractButton*>(&w);
        g && !g->text().remove(QLatin1Char('&')).trimmed().isEmpty())
        return {};
    if (!qobject_cast<const QAbstractButton*>(&w)) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
        if (i && !i->text(QAccessible::Name).trimmed().isEmpty()) return {};
    }
    if (!w.toolTip().trimmed().isEmpty()) return ElsoSor(w.toolTip());
    if (!w.statusTip().trimmed().isEmpty()) return ElsoSor(w.statusTip());
    return {};
}

void AkadalymentesTelepites() {
    AkadalymentesGyarTelepites();
    static NevAdo* nevado = nullptr;
    if (!nevado && qApp) {
        nevado = new NevAdo(qApp);
        qApp->installEventFilter(nevado);
    }
}

} // namespace varion::ui
