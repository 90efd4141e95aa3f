// The selected conditions in words, one block per condition, as the breakdown report and
// the information window print them.
#pragma once

#include <string>
#include <vector>

#include "conditions/FeltetelAdatok.h"
#include "draws/HuzasTartomany.h"

namespace varion {

// "minimum a, maximum b", or "pontosan a" when both are equal.
std::string Hatarok(int also, int felso);

// Appends the blocks of the selected conditions, or "  Nincs kijelölt feltétel.".
// `tartomany` is the hit-ratio condition's draw range of a database of `huzasDb` draws.
void FeltetelSorok(std::vector<std::string>& ki, const FeltetelAdatok& f, bool feltetelJelzo,
                   Tartomany tartomany, int huzasDb);

} // namespace varion
