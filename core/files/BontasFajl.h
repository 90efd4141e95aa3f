// Breakdown files (".top"): the number-row record of the ticket the breakdown was made
// from, then the breakdown section:
//
//   4×int32 version | int32 R rows | double date (days since 1899-12-30) |
//   R rows of W bytes | [int32 D, D×int32 draw identifiers] | N×int32 rows per number
//
// W is K (the variation width) and the rows are ascending indices below N (the marked
// count); in the draws mode (hit ratio on and built from the draws) the rows hold the
// numbers of past draws and W is the game count. Older files of that mode stored only the
// first K bytes of each row; the reader tells the two widths apart by the section's length.
// The identifiers are present whenever the record asks for the draws list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "base/ProgramVerzio.h"
#include "base/Uzenetek.h"
#include "files/SzamsorFajl.h"
#include "io/KisVeg.h"

namespace varion {

// Everything the breakdown section holds.
struct BontasAdatok {
    ProgramVerzio Verzio; // of the program that wrote the file
    double Datum = 0;
    int Szelesseg = 0;                // bytes per row in memory
    std::vector<std::uint8_t> Matrix; // rows × Szelesseg
    std::vector<std::int32_t> TaroltHuzasok;
    std::vector<std::int32_t> BontMutStat;

    std::int32_t Sorok() const {
        return Szelesseg > 0
                   ? static_cast<std::int32_t>(Matrix.size() / static_cast<std::size_t>(Szelesseg))
                   : 0;
    }
    bool operator==(const BontasAdatok&) const = default;
};

// The draws mode of a record: rows hold past draws, a game count wide.
bool HuzasMod(const FeltetelAdatok& f);
// Row width a breakdown of this record has in memory.
int MatrixSzelesseg(const SzamsorAdatok& sor);

inline constexpr std::string_view BontasBetoltesHiba =
    "Hiba lépett fel a bontás állományának betöltése során!";
inline constexpr std::string_view BontasMentesHiba =
    "Hiba lépett fel a bontás állományának létrehozása során!";
inline constexpr std::string_view BontasMentesToast = "Bontás mentése állományba.";
inline constexpr std::string_view BontasBetoltesToast = "Bontás állományának betöltése.";

// Writes the section for a breakdown of `sor`, with `verzio` (the running program's).
void BontasMentese(io::Iro& iro, const SzamsorAdatok& sor, const BontasAdatok& b,
                   const ProgramVerzio& verzio);

// Reads and checks the section that follows `sor` (everything left in `o` must be the
// section). Nothing, after the message, when it is damaged.
std::optional<BontasAdatok> BontasBetoltese(io::Olvaso& o, const SzamsorAdatok& sor,
                                            bool vanAdatbazis, Uzenetek& u);

// The numbers of stored variation `index` (0-based) as the breakdown list prints them: the
// marked numbers its indices point at, then the fixed numbers; in the draws mode the
// draw's numbers.
std::vector<int> BontasValtozat(const SzamsorAdatok& sor, const BontasAdatok& b, int index);

struct BontasFajlTartalom {
    SzamsorAdatok Sor;
    BontasAdatok Bontas;
};

// Whole ".top" files; the save replaces the file only when everything was written.
bool TopMentes(const std::filesystem::path& fajl, const SzamsorAdatok& sor, const BontasAdatok& b,
               Uzenetek& u, std::size_t hibaUtan = SIZE_MAX);
std::optional<BontasFajlTartalom> TopBetoltes(const std::filesystem::path& fajl, int jatek,
                                              bool vanAdatbazis, int huzasDb, Uzenetek& u);

} // namespace varion
