// Every control gets an accessible name: a control that shows no text of its own (an
// icon-only button, an edit without a label) takes its hint's text. One application-wide
// filter does it, so no window has to remember it. The same filter lets Tab reach the tool
// buttons of every toolbar, Enter presses the focused button, Esc closes a tool window and
// Ctrl+F6 moves to the next window, F10 opens the menus.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace varion::ui {

// The name a control without one of its own takes from its hint (tooltip, else status tip),
// trimmed, its first line only; empty when the control needs none.
QString TippNev(const QWidget& w);

// Installs the naming filter and the accessibility factory of the painted widgets once.
void AkadalymentesTelepites();

} // namespace varion::ui
