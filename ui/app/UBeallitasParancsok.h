// "Fájl" → "Beállítások...": owns the settings dialog for the program's lifetime, fills it
// from the live settings and the engine, and carries what it applies to the settings, the
// message service, the engine's capacity and every open window at once.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/BeallitasSzerkeszto.h"

class QPrinter;

namespace varion {
class Uzenetek;
}

namespace varion::ui {

class TFoablak;
class TBeallitasok;

class TBeallitasParancsok final : public QObject {
    Q_OBJECT
public:
    TBeallitasParancsok(TFoablak& foablak, Uzenetek& u);

    void BeallitasokStart();
    // The dialog's values into the program.
    void Alkalmazas(const BeallitasSzerkeszto& sz);
    // Every open ticket view laid out again with the current appearance and hints.
    void SzelvenyekElrendezese();
    // Writes the settings file; false when it could not be written.
    bool Iras();

    TBeallitasok& Ablak() { return *ablak_; }
    // Free physical memory, which limits the capacity (tests fix it).
    std::function<std::optional<std::uint64_t>()> SzabadMemoria;
    // The printer setup dialog on the main window's printer (tests replace it).
    std::function<void(QPrinter&)> NyomtatoDialogus;

private:
    TFoablak& fo_;
    Uzenetek& u_;
    TBeallitasok* ablak_;
    int jatek_ = 0; // the game the dialog was opened for
};

} // namespace varion::ui
