#include "akadalymentes/Nevadas.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "akadalymentes/SzelvenyAkadalymentes.h"
#include "game/USzelveny.h"

namespace varion::ui {

namespace {

// Set on a widget whose name came from its hint, so that the name follows the hint.
constexpr char TippbolNev[] = "varionTippbolNev";

bool Vezerlo(const QWidget& w) {
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QTextEdit*>(&w) ||
           qobject_cast<const QPlainTextEdit*>(&w) || qobject_cast<const QMenu*>(&w) ||
           qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractSlider*>(&w);
}

QString ElsoSor(const QString& s) {
    const QString sima =
        Qt::mightBeRichText(s) ? QTextDocumentFragment::fromHtml(s).toPlainText() : s;
    const QString sor = sima.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0).trimmed();
    return sor.isEmpty() ? sima.simplified() : sor;
}

// The text of the label just left of w in its layout ("Év" [2023]), which names it on screen.
QString BalCimke(const QWidget& w) {
    const QWidget* szulo = w.parentWidget();
    QLayout* l = szulo ? szulo->layout() : nullptr;
    const auto keres = [&w](QLayout* l, auto& onmaga) -> QString {
        if (!l) return {};
        const int i = l->indexOf(&w);
        if (i >= 0) {
            QLayoutItem* bal = nullptr;
            if (auto* g = qobject_cast<QGridLayout*>(l)) {
                int sor, oszlop, sorok, oszlopok;
                g->getItemPosition(i, &sor, &oszlop, &sorok, &oszlopok);
                bal = oszlop > 0 ? g->itemAtPosition(sor, oszlop - 1) : nullptr;
            } else if (qobject_cast<QBoxLayout*>(l) && i > 0) {
                bal = l->itemAt(i - 1);
            }
            auto* c = bal ? qobject_cast<QLabel*>(bal->widget()) : nullptr;
            return c ? ElsoSor(c->text())
                           .remove(QLatin1Char('&'))
                           .remove(QLatin1Char(':'))
                           .trimmed()
                     : QString();
        }
        for (int j = 0; j < l->count(); ++j)
            if (QLayout* al = l->itemAt(j)->layout())
                if (QString t = onmaga(al, onmaga); !t.isEmpty()) return t;
        return {};
    };
    return keres(l, keres);
}

class NevAdo final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Polish:
            // Tab reaches every button, the tool buttons and the paging glyphs too, so every
            // command is a key press away. The arrow halves of an up-down control stay out:
            // the arrow keys in its edit do the same.
            // A grid nobody edits has nothing to Tab to inside it: Tab goes on to the buttons.
            if (auto* n = qobject_cast<QAbstractItemView*>(o);
                n && n->editTriggers() == QAbstractItemView::NoEditTriggers)
                n->setTabKeyNavigation(false);
            if (auto* g = qobject_cast<QAbstractButton*>(o); g && g->focusPolicy() == Qt::NoFocus) {
                auto* t = qobject_cast<QToolButton*>(g);
                if (!t || t->arrowType() == Qt::NoArrow) g->setFocusPolicy(Qt::TabFocus);
            }
            Q_FALLTHROUGH();
        case QEvent::Show:
            if (e->type() == QEvent::Show && !e->spontaneous() && o->isWidgetType())
                Aktivalas(*static_cast<QWidget*>(o));
            Q_FALLTHROUGH();
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
        if (e.key() == Qt::Key_F6 && (e.modifiers() & Qt::ControlModifier))
            return KovetkezoAblak(!(e.modifiers() & Qt::ShiftModifier));
        if (e.modifiers() & ~Qt::KeypadModifier) return false;
        const int k = e.key();
        if (k == Qt::Key_F10) return MenuNyitas();
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
            // A tool window that belongs to a dialog (the draw entry's ticket) is part of
            // it: Esc cancels the dialog, as it does in the dialog itself.
            if (auto* tulaj = ablak->parentWidget() ? ablak->parentWidget()->window() : nullptr;
                tulaj && tulaj->isVisible())
                if (auto* d = qobject_cast<QDialog*>(tulaj)) {
                    d->reject();
                    return true;
                }
            ablak->close();
            return true;
        }
        return false;
    }

    // A tool window the player opened takes the keyboard, as a dialog does; the auxiliary
    // tickets that come with a list leave it to the list.
    static void Aktivalas(QWidget& w) {
        if (!w.isWindow() || w.windowType() != Qt::Tool) return;
        if (auto* sz = qobject_cast<TSzelveny*>(&w); sz && sz->Kisero()) return;
        QTimer::singleShot(0, &w, [ablak = &w] {
            if (!ablak->isVisible() || QApplication::activeModalWidget()) return;
            ablak->raise();
            ablak->activateWindow();
        });
    }

    // F10 opens the main window's first menu from any window; the arrows go on from there.
    static bool MenuNyitas() {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
        for (QWidget* a : QApplication::topLevelWidgets()) {
            auto* fo = qobject_cast<QMainWindow*>(a);
            auto* sor = fo && fo->isVisible() ? qobject_cast<QMenuBar*>(fo->menuWidget()) : nullptr;
            if (!sor) continue;
            for (QAction* m : sor->actions()) {
                if (!m->isVisible() || !m->isEnabled()) continue;
                fo->raise();
                fo->activateWindow();
                sor->setActiveAction(m);
                return true;
            }
        }
        return false;
    }

    // Ctrl+F6 (Ctrl+Shift+F6 backwards) moves to the program's next window: the floating
    // tickets and lists are reached without the mouse whatever the window manager offers.
    static bool KovetkezoAblak(bool elore) {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
        QList<QWidget*> ablakok;
        for (QWidget* a : QApplication::topLevelWidgets())
            if (a->isVisible() && !a->isMinimized() && a->isEnabled() &&
                (a->windowType() == Qt::Window || a->windowType() == Qt::Tool ||
                 a->windowType() == Qt::Dialog))
                ablakok.append(a);
        if (ablakok.size() < 2) return false;
        // The main window first, then the others from left to right, top to bottom.
        std::ranges::sort(ablakok, [](const QWidget* a, const QWidget* b) {
            const bool fa = qobject_cast<const QMainWindow*>(a) != nullptr;
            const bool fb = qobject_cast<const QMainWindow*>(b) != nullptr;
            if (fa != fb) return fa;
            const QPoint pa = a->frameGeometry().topLeft(), pb = b->frameGeometry().topLeft();
            return std::pair(pa.x(), pa.y()) < std::pair(pb.x(), pb.y());
        });
        const qsizetype most = ablakok.indexOf(QApplication::activeWindow());
        const qsizetype n = ablakok.size();
        const qsizetype kov = most < 0 ? 0 : (most + (elore ? 1 : n - 1)) % n;
        QWidget* cel = ablakok[kov];
        cel->raise();
        cel->activateWindow();
        return true;
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
    // An open menu is read by its title ("Súgó").
    if (auto* m = qobject_cast<const QMenu*>(&w))
        return m->title().remove(QLatin1Char('&')).trimmed();
    // A caption of glyphs alone ("|◀", "▶▶") says nothing read aloud: the hint names it.
    if (auto* g = qobject_cast<const QAbstractButton*>(&w);
        g && g->text().contains(QRegularExpression(QStringLiteral("[\\p{L}\\p{N}]"))))
        return {};
    if (!qobject_cast<const QAbstractButton*>(&w)) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
        if (i && !i->text(QAccessible::Name).trimmed().isEmpty()) return {};
    }
    if (!qobject_cast<const QAbstractButton*>(&w))
        if (const QString cimke = BalCimke(w); !cimke.isEmpty()) return cimke;
    if (!w.toolTip().trimmed().isEmpty()) return ElsoSor(w.toolTip());
    if (!w.statusTip().trimmed().isEmpty()) return ElsoSor(w.statusTip());
    // A list, grid or text without a hint is named by its window.
    if ((qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QTextEdit*>(&w) ||
         qobject_cast<const QPlainTextEdit*>(&w)) &&
        w.window() != &w)
        return w.window()->windowTitle().trimmed();
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
