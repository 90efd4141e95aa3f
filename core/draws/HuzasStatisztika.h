// The draw statistics the main ticket shows, over a range of draws first..last
// (1-based, inclusive). Index = number − 1. Every drawn number of a draw counts: the plus
// number of game 6 and both rows of game 7; a missing plus number (0) counts for nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draws/HuzasAdatbazis.h"

namespace varion {

// How often each number was drawn in the range ("Hányszor húzták"); a number in both
// rows of a game-7 week counts twice.
std::vector<std::int32_t> HanyszorHuztak(const HuzasAdatbazis& db, Tartomany t);

// How many draws ago each number last appeared within the range: 0 for the last draw of
// the range, the length of the range when never ("Hány húzás óta...").
std::vector<std::int32_t> HanyHuzasOta(const HuzasAdatbazis& db, Tartomany t);

// A statistic value as a cell shows it: "-" for 0.
std::string StatSzoveg(std::int32_t ertek);

} // namespace varion
