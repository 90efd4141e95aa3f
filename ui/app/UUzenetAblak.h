// The waiting toast shown while long work runs.
#pragma once

#include <QLabel>
#include <QWidget>

namespace varion::ui {

class TUzenetAblak final : public QWidget {
    Q_OBJECT
public:
    // `foablak` is the main window: the toast shows only while it is visible.
    explicit TUzenetAblak(QWidget* foablak);

    // helyzet 1: at the mouse pointer; anything else: centred on the screen.
    void UzenetKi(const QString& szoveg, int helyzet = 0);
    void UzenetVege();

    QLabel* Info() const { return info_; }

private:
    QWidget* foablak_;
    QLabel* info_;
};

} // namespace varion::ui
