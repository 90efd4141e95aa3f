// "Bontás" → "Garancia ellenőrzése": checks the guarantee of the breakdown in the engine
// against the current ticket and conditions and tells the player the verdict. The command
// owns its action; it is enabled whenever the menu opens on a breakdown it can check.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QProgressDialog;

namespace varion {
class Uzenetek;
}

namespace varion::ui {

class TFoablak;

inline constexpr const char* GaranciaFelirat = "Garancia ellenőrzése";

class TGaranciaParancsok final : public QObject {
    Q_OBJECT
public:
    TGaranciaParancsok(TFoablak& foablak, QMenu& bontasMenu, Uzenetek& u);
    QAction* Akcio() const { return akcio_; }
    // Refreshes the enabled state from the engine.
    void Frissites();
    // The check and its message: information when the guarantee holds, a warning naming
    // the first uncovered variations when it does not. The check runs on a worker while a
    // progress window with "Stop" keeps the program responsive; stopped, it says nothing.
    void Ellenorzes();
    // The progress window of a running check (null otherwise), for the tests.
    QProgressDialog* Haladas() const { return haladas_; }

private:
    TFoablak& foablak_;
    Uzenetek& u_;
    QAction* akcio_ = nullptr;
    QProgressDialog* haladas_ = nullptr;
};

} // namespace varion::ui
