// What every test of the main window starts from: a machine that answers the start-up checks
// and a program folder with the help and draw files of the build.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "app/Inditas.h"

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

} // namespace varion::ui::proba
