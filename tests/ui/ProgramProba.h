// What every test of the main window starts from: a machine that answers the start-up checks
// and a program folder with the help and draw files of the build.
#pragma once

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

#include "app/Inditas.h"
#include "app/UVarion.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"

namespace varion::ui::proba {

// Plenty of free memory and a mouse.
struct Gep : InditasPlatform {
    std::optional<std::uint64_t> SzabadMemoria() override { return 1ull << 32; }
    bool VanEger() override { return true; }
};

// Copies the build's "Help" and "Dat" folders into `mappa`.
inline void ProgramFajlok(const std::filesystem::path& mappa) {
    const std::filesystem::path res = VARION_RESOURCES;
    std::filesystem::copy(res / "Help", mappa / "Help");
    std::filesystem::copy(res / "Dat", mappa / "Dat");
}

// The program in a fresh folder: its message service, machine and random numbers, and the
// main window once built. Tests that need more derive from it.
struct Program {
    teszt::IdeiglenesMappa mappa;
    teszt::RogzitoUzenetek u;
    Gep gep;
    teszt::SorozatVeletlen v;
    std::unique_ptr<TFoablak> ablak;

    explicit Program(std::vector<int> veletlen = {1, 2, 3}) : v(std::move(veletlen)) {}

    // A new main window on the folder, not yet started.
    TFoablak& Epites() {
        ablak = std::make_unique<TFoablak>(mappa.Utvonal, u, gep, v);
        return *ablak;
    }
    // The build's files copied in, every message accepted, the window built and started.
    TFoablak& Inditas() {
        ProgramFajlok(mappa.Utvonal);
        u.MindentElfogad();
        EXPECT_TRUE(Epites().Inditas());
        return *ablak;
    }
};

} // namespace varion::ui::proba
