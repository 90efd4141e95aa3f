// Which folder is the program folder (settings file, "Dat", "Help", backups, reports).
//
// A build tree or a portable copy keeps everything beside the executable, as it always
// did. An installed program (its read-only data in <prefix>/share/varion beside the
// <prefix>/bin of the executable) or a copy on a read-only medium uses the player's own
// data folder instead, created at first start and filled from the read-only copy: nothing
// is ever written under the install prefix.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

namespace varion {

struct ProgramKonyvtarak {
    std::filesystem::path Futtathato;   // the executable's folder
    std::filesystem::path Felhasznaloi; // the player's data folder (~/.local/share/Varion)
};

// The installed read-only data of an executable in <prefix>/bin: <prefix>/share/varion.
std::filesystem::path TelepitettAdatok(const std::filesystem::path& futtathatoKonyvtar);

struct ProgramKonyvtarDontes {
    std::filesystem::path Konyvtar;
    // Where the program folder's initial content comes from; nothing when the executable's
    // own folder is used.
    std::optional<std::filesystem::path> Forras;
};

using IrhatosagProba = std::function<bool(const std::filesystem::path&)>;

// The rule above. `irhato` tells whether a folder can be written (the start-up probe).
ProgramKonyvtarDontes ProgramKonyvtarValasztas(const ProgramKonyvtarak& k,
                                               const IrhatosagProba& irhato);

// Creates `cel` and copies into it what it lacks of `forras`: the three draw files only
// when missing (they hold the player's draws), the help files when missing or older than
// the installed ones. Failures are left to the start-up checks, which name them.
void ProgramKonyvtarFeltoltes(const std::filesystem::path& cel,
                              const std::filesystem::path& forras);

// Both: the folder the program runs in, ready for the start-up checks.
std::filesystem::path ProgramKonyvtarElokeszites(const ProgramKonyvtarak& k,
                                                 const IrhatosagProba& irhato);

} // namespace varion
