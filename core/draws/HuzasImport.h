// Importing the lottery operator's draw history (its CSV export, one file per game,
// newest draw first) into the draw database.
//
// Lines: year;week;date;prize pairs...;numbers (fields counted from 1). Game 5: the numbers
// in fields 12..16. Game 6: 14..19, the plus number in field 20 when the draw had one.
// Game 7: the machine draw in 12..18, then the hand draw in 19..25.
#pragma once

#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Uzenetek.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/Nyeremenyek.h"

namespace varion {

// The draws of an export in database order (oldest first), numbers in the file's order.
// The error names the line (1-based) that could not be used.
std::expected<std::vector<Huzas>, std::string> HuzasCsvOlvasas(std::string_view szoveg, int jatek);

// The prizes of every line of an export, oldest first.
std::expected<std::vector<HuzasNyeremeny>, std::string> NyeremenyCsvOlvasas(std::string_view szoveg,
                                                                            int jatek);

// Adds the draws of `szoveg` that come after the database's last (year, week); the draws
// both hold must agree. Returns the count added; on any error nothing is changed. With
// `nyeremenyek` (of the same game) the prizes of every line are merged into it too.
std::expected<int, std::string> HuzasImport(HuzasAdatbazis& db, std::string_view szoveg,
                                            NyeremenyTar* nyeremenyek = nullptr);

// The same, with the error shown as a message.
std::optional<int> HuzasImport(HuzasAdatbazis& db, std::string_view szoveg, Uzenetek& u,
                               NyeremenyTar* nyeremenyek = nullptr);

std::string HozzaadvaSzoveg(int db); // "N húzás hozzáadva."
// What the program says after an import: the count, or that the file had nothing newer.
std::string ImportEredmenySzoveg(int db);

} // namespace varion
