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
//
// A full breakdown is hundreds of megabytes: the writer sends the rows to the file straight
// from the engine's matrix and the reader reads them piece by piece into the one block they
// end in, so no step holds a second copy of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/ProgramVerzio.h"
#include "base/Uzenetek.h"
#include "breakdown/MatrixTar.h"
#include "files/SzamsorFajl.h"
#include "io/Forras.h"
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

// A breakdown as the writer reads it, owned elsewhere (the engine, or `BontasAdatok`).
struct BontasNezet {
    ProgramVerzio Verzio;
    double Datum = 0;
    int Szelesseg = 0;
    std::span<const std::uint8_t> Matrix; // rows × Szelesseg
    std::span<const std::int32_t> TaroltHuzasok;
    std::span<const std::int32_t> BontMutStat;

    BontasNezet() = default;
    BontasNezet(const BontasAdatok& b) // NOLINT: a breakdown in memory is its own view
        : Verzio(b.Verzio), Datum(b.Datum), Szelesseg(b.Szelesseg), Matrix(b.Matrix),
          TaroltHuzasok(b.TaroltHuzasok), BontMutStat(b.BontMutStat) {}
    std::int32_t Sorok() const {
        return Szelesseg > 0
                   ? static_cast<std::int32_t>(Matrix.size() / static_cast<std::size_t>(Szelesseg))
                   : 0;
    }
};

// The breakdown section without its rows, as the reader gives it; the rows went where its
// caller asked.
struct BontasFejlec {
    ProgramVerzio Verzio;
    double Datum = 0;
    int Szelesseg = 0;
    std::int32_t Sorok = 0;
    std::vector<std::int32_t> TaroltHuzasok;
    std::vector<std::int32_t> BontMutStat;
};

// Room for the rows of a section being read (`bajt` bytes); nothing when memory is short.
using SorHely = std::function<std::optional<std::span<std::uint8_t>>(std::size_t bajt)>;

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

// Writes the section for a breakdown of `sor`, with `verzio` (the running program's); the
// rows go to `ki` as they lie in memory. False when `ki` refused a piece.
bool BontasMentese(io::Kimenet& ki, const SzamsorAdatok& sor, const BontasNezet& b,
                   const ProgramVerzio& verzio);

// Reads and checks the section that starts at `kezdet` in `f` and runs to its end, for the
// record `sor`. The rows go into the room `hely` gives, read in pieces of at most a few
// megabytes. Nothing, after the message, when the section is damaged or its rows do not fit
// into memory (the engine's memory message).
std::optional<BontasFejlec> BontasBetoltese(io::Forras& f, std::uint64_t kezdet,
                                            const SzamsorAdatok& sor, bool vanAdatbazis,
                                            const SorHely& hely, Uzenetek& u);
// The same from the rest of `o`, into a breakdown in memory.
std::optional<BontasAdatok> BontasBetoltese(io::Olvaso& o, const SzamsorAdatok& sor,
                                            bool vanAdatbazis, Uzenetek& u);

// The numbers of stored variation `index` (0-based) as the breakdown list prints them: the
// marked numbers its indices point at, then the fixed numbers; in the draws mode the
// draw's numbers.
std::vector<int> BontasValtozat(const SzamsorAdatok& sor, const BontasNezet& b, int index);

struct BontasFajlTartalom {
    SzamsorAdatok Sor;
    BontasAdatok Bontas;
};
// A file read for the engine: the rows in a block the engine takes over.
struct BontasBlokkban {
    SzamsorAdatok Sor;
    BontasFejlec Fej;
    MatrixBlokk Matrix;
};

// Whole ".top" files; the save writes a temporary file and replaces the old one only when
// everything was written.
bool TopMentes(const std::filesystem::path& fajl, const SzamsorAdatok& sor, const BontasNezet& b,
               Uzenetek& u, std::size_t hibaUtan = SIZE_MAX);
std::optional<BontasFajlTartalom> TopBetoltes(const std::filesystem::path& fajl, int jatek,
                                              bool vanAdatbazis, int huzasDb, Uzenetek& u);
std::optional<BontasBlokkban> TopBetoltesBlokkba(const std::filesystem::path& fajl, int jatek,
                                                 bool vanAdatbazis, int huzasDb, Uzenetek& u);

} // namespace varion
