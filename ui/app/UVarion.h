// The main window of the program.
#pragma once

#include <QMainWindow>

namespace varion::ui {

class TFoablak final : public QMainWindow {
    Q_OBJECT
public:
    explicit TFoablak(int jatek = 5, QWidget* szulo = nullptr);

    int Jatek() const { return jatek_; }

private:
    int jatek_;
};

} // namespace varion::ui
