// The about box: the program's name, its version and the year, with one button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace varion::ui {

class TNevjegy final : public QDialog {
    Q_OBJECT
public:
    explicit TNevjegy(QWidget* szulo);

    // Shows the box (modal to the main window) for the running version in year `ev`.
    void Start(int ev);

    QLabel* Nev() const { return nev_; }
    QLabel* Szoveg() const { return szoveg_; }
    QPushButton* RendbenGomb() const { return rendben_; }

private:
    QLabel* nev_;
    QLabel* szoveg_;
    QPushButton* rendben_;
};

} // namespace varion::ui
