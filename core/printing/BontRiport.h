// The breakdown report: its title, the summary of the breakdown's data and conditions, and
// the list of every stored ticket with the fixed numbers added, two tickets a line.
#pragma once

#include <string>
#include <vector>

#include "breakdown/UBontas.h"
#include "draws/HuzasTartomany.h"
#include "printing/Riport.h"

namespace varion {

inline constexpr std::string_view BontListaNev = "bontlist.rtf";

// What the report needs beside the engine: the main ticket's fixed numbers, the price, and
// the circumstances the engine does not keep.
struct BontasRiportAdatok {
    const TBontas* Bontas = nullptr;
    // The conditions the breakdown was made with (a loaded file brings its own); the
    // engine's copy of the run when not given.
    const FeltetelKeszlet* Feltetelek = nullptr;
    Szamsor FixSzamok{};
    double JegyAr = 0;
    bool Euro = false;
    bool Pelda = false;           // an example breakdown
    Tartomany HitTartomany{1, 0}; // the hit-ratio condition's draw range
    int HuzasDb = 0;              // draws in the database
};

const FeltetelKeszlet& BontasFeltetelei(const BontasRiportAdatok& a);

// "12 szám 1 fix számmal készített 0 hibapontos bontása 924 szelvényre - az Ötöslottón."
std::string BontasCimsor(const BontasRiportAdatok& a);
// The summary lines before the ticket list (price, marked and fixed numbers, every selected
// condition, the missing numbers).
std::vector<std::string> BontasAdatai(const BontasRiportAdatok& a);
// The numbers of stored ticket `sor` as the report and the slips print them: the non-fixed
// numbers ascending, then the fixed numbers; in the draws mode the drawn numbers ascending.
std::vector<int> SzelvenySzamai(const BontasRiportAdatok& a, std::int32_t sor);
// The version text of the page header: the loaded file's version, else the running one.
std::string BontasVerzioSzoveg(const TBontas& b, const ProgramVerzio& sajat);

std::string_view BontRiportOszlopok(int jatek, bool huzasMod);
// One ticket as a column of the report.
std::string BontSzelvenySzoveg(const BontasRiportAdatok& a, std::int32_t sor);

Riport BontRiport(const BontasRiportAdatok& a, const RiportFejlec& fejlec);

} // namespace varion
