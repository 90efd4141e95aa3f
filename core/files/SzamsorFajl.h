// Number-row files (".tip"): the main ticket's four rows, the number order, the conditions
// and the hit-ratio draw range. A breakdown file (".top") starts with the same record.
//
//   16 version header | int32 game | int32 K (game − fixed count) | int32 n, n numbers |
//   int32 f, f fixed | int32 a, a constant | int32 order mode | int32 error points |
//   1 condition flag | 212 condition record | int32 first draw | int32 last draw |
//   int32 v, v random numbers (from version 1.2.3) | 1 distribution switch (from 1.3.1)
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/ProgramVerzio.h"
#include "base/Uzenetek.h"
#include "conditions/FeltetelAdatok.h"
#include "draws/HuzasTartomany.h"
#include "game/FoszelvenySzamok.h"
#include "io/Forras.h"
#include "io/KisVeg.h"

namespace varion {

// Everything one record holds.
struct SzamsorAdatok {
    ProgramVerzio Verzio;
    int Jatek = 5;
    int ValtozoSzamDb = 5;
    Szamsor Jelolt, Fix, Allando, Veletlen;
    int Szamsorrend = 0;
    int Hibapont = 0; // the counter of the conditions window (the record keeps its own)
    bool FeltetelJelzo = false;
    FeltetelAdatok Feltetelek;
    Tartomany Huzasok{1, 0}; // the hit-ratio range
    bool EloszlasOpt = false;
    bool operator==(const SzamsorAdatok&) const = default;
};

// Where a loaded record goes: the main ticket's rows and order, the conditions and the
// hit-ratio range.
struct SzamsorCel {
    FoszelvenySzamok& Szamok;
    FeltetelAdatok& Feltetelek;
    bool& FeltetelJelzo;
    bool& EloszlasOpt;
    HuzasTartomanyok& Tartomanyok;
};

// The record of the current ticket, to be written.
SzamsorAdatok SzamsorFelvetel(const FoszelvenySzamok& szamok, const FeltetelAdatok& feltetelek,
                              bool feltetelJelzo, bool eloszlasOpt, Tartomany huzasok);
// Installs a loaded record: rows, order mode (no reordering), conditions, range.
void SzamsorBetoltes(const SzamsorAdatok& a, SzamsorCel cel);

// Version tests of the optional items, component by component.
bool VanVeletlenSzam(const ProgramVerzio& v); // 1.2.3 and later
bool VanEloszlasBajt(const ProgramVerzio& v); // 1.3.1 and later

inline constexpr std::string_view SzamsorMentesHiba =
    "Hiba lépett fel a számsor állományának mentése során!";
inline constexpr std::string_view SzamsorBetoltesHiba =
    "Hiba lépett fel a számsor állományának betöltése során!";
inline constexpr std::string_view MasJatekSzoveg =
    "Nem az aktuális lottójáték adatait jelölte ki betöltésre!";
inline constexpr std::string_view AdatbazisHianyzikSzoveg =
    "A kijelölt állomány hivatkozik a lottóhúzások adatbázisára.\r\rAz adatbázis hiányzik!";
inline constexpr std::string_view RegiAdatbazisKerdes =
    "A kijelölt állomány olyan adatbázisra hivatkozik, ami már nem létezik!\r\rA találati "
    "arányok feltételhez tartozóan, a korábban beállított húzások\rszáma több, mint amit a "
    "jelenlegi adatbázis tartalmaz!\r\rMégis betölti a korábbi beállításokat?";
inline constexpr std::string_view AllomanyOlvasasHiba =
    "Hiba lépett fel az állomány beolvasása során!";
inline constexpr std::string_view AllomanyMentesHiba = "Hiba lépett fel az állomány mentése során!";

// Writes the record (with `verzio` in its header).
void SzamsorIras(io::Iro& iro, const SzamsorAdatok& a, const ProgramVerzio& verzio);

// Reads and checks one record for game `jatek` against a database of `huzasDb` draws
// (`vanAdatbazis` false when none is loaded), asking what the file needs asked. Nothing
// is returned, after the message, when the file is damaged, of another game or refused.
// The returned range is already shortened to the database.
std::optional<SzamsorAdatok> SzamsorOlvasas(io::Olvaso& o, int jatek, bool vanAdatbazis,
                                            int huzasDb, Uzenetek& u);
// No record is longer than this (its rows are limited to a game's numbers), so a reader
// never needs more of a file to read one.
inline constexpr std::size_t SzamsorLegfeljebb = 4096;
// Reads the record at the start of `f` as above; `vege` gets the position after it. A file
// that cannot be read gets the read error of the file.
std::optional<SzamsorAdatok> SzamsorOlvasas(io::Forras& f, std::uint64_t& vege, int jatek,
                                            bool vanAdatbazis, int huzasDb, Uzenetek& u);
// Reads and installs; the target is untouched unless the whole record was accepted.
bool SzamsorOlvasas(io::Olvaso& o, int jatek, bool vanAdatbazis, int huzasDb, SzamsorCel cel,
                    Uzenetek& u);

// Whole ".tip" files. The save replaces the file only when everything was written.
bool TipMentes(const std::filesystem::path& fajl, const SzamsorAdatok& a, Uzenetek& u,
               std::size_t hibaUtan = SIZE_MAX);
std::optional<SzamsorAdatok> TipBetoltes(const std::filesystem::path& fajl, int jatek,
                                         bool vanAdatbazis, int huzasDb, Uzenetek& u);

} // namespace varion
