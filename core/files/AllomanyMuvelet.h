// Saving and opening the main ticket's files once the player has chosen a name: the
// ".top"/".tip" pairing, the free-space checks and the dispatch by extension.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/Uzenetek.h"
#include "files/BontasFajl.h"
#include "files/FajlNevek.h"
#include "files/SzamsorFajl.h"

namespace varion {

inline constexpr std::string_view NincsHelySzoveg = "Nincs elegendő hely a kiválasztott meghajtón!";

// A file that exists but cannot be opened for writing (another program holds it, or it
// is read-only): the error box names it and the result is true; false otherwise.
bool AllomanyFoglalt(const std::filesystem::path& fajl, Uzenetek& u);
std::string FoglaltSzoveg(const std::filesystem::path& fajl);

// Free bytes on the drive of a path; nullopt when unknown (the check is then skipped).
using SzabadHelyLekerdezes =
    std::function<std::optional<std::uint64_t>(const std::filesystem::path&)>;
std::optional<std::uint64_t> RendszerSzabadHely(const std::filesystem::path& p);

// Saves under the chosen name (`MentesiNevekBol`). With a breakdown (`bontas` not null) the
// ".top" file is written first, then the ".tip" of the same name beside it; without one the
// ".tip" is written and a ".top" of the same name is deleted. A target held by another program is
// refused before anything is written. False after the message when a check or a write
// failed.
bool AllomanyMentes(const std::filesystem::path& valasztott, const SzamsorAdatok& sor,
                    const BontasNezet* bontas, Uzenetek& u,
                    const SzabadHelyLekerdezes& hely = RendszerSzabadHely);

// What an opened file gave: the record, and the breakdown for a ".top" (its rows in a
// block for the engine).
struct MegnyitottAllomany {
    FajlTipus Tipus;
    SzamsorAdatok Sor;
    std::optional<BontasFejlec> Bontas;
    MatrixBlokk Matrix;
};
// Opens a ".tip" or ".top" by its extension; nothing for another extension or a refused
// file (after its message).
std::optional<MegnyitottAllomany> AllomanyBetoltes(const std::filesystem::path& fajl, int jatek,
                                                   bool vanAdatbazis, int huzasDb, Uzenetek& u);

// The game of a file named on the command line (5 when its value is not a game); nothing
// when the file cannot be read that far.
std::optional<int> AllomanyJateka(const std::filesystem::path& fajl);
// The game field of a file as it is stored; nothing when the file cannot be read that far.
std::optional<std::int32_t> AllomanyJatekMezo(const std::filesystem::path& fajl);

} // namespace varion
