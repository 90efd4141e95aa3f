// The report of the draw database: every draw of the current game, two draws a line in
// games 5 and 6 and one in game 7, 64 lines a page.
#pragma once

#include <string>

#include "draws/HuzasAdatbazis.h"
#include "printing/Riport.h"

namespace varion {

inline constexpr std::string_view HuzListaNev = "huzlist.rtf";

std::string_view HuzRiportCim(int jatek);
std::string_view HuzRiportOszlopok(int jatek);
// One draw (0-based index) as a column of the report.
std::string HuzasSzoveg(const HuzasAdatbazis& db, int index);
// Pages the report takes: 128 draws a page in games 5 and 6, 64 in game 7; at least one.
int HuzRiportOldalDb(int jatek, int huzasDb);

Riport HuzRiport(const HuzasAdatbazis& db, const RiportFejlec& fejlec);

} // namespace varion
