// The condition test judged one variation at a time, without the enumeration's skip-aheads:
// the verdict on a copy of the variation, and every K-subset of the marked numbers filtered
// by it. Slow and plain; the engine's pruned enumeration must keep exactly these rows.
#pragma once

#include <cstdint>
#include <vector>

#include "conditions/FeltVizsgalat.h"
#include "support/BontasSegito.h"

namespace varion::teszt {

struct Vizsgalo {
    FeltetelKeszlet f;
    Szamsor szamok;
    FeltetelVizsgalo v;
    // `utolso`: the 1-based last draw of the hit-ratio range.
    Vizsgalo(const FeltetelAdatok& a, Szamsor sz, int jatek, int K, HuzasTablaNezet h = {},
             int utolso = 0);
    // Positions 0-based, ascending; `elsoHuzas` the 0-based first draw of the range. Without
    // any condition selected the engine keeps every variation.
    bool operator()(std::vector<std::uint8_t> poz, int elsoHuzas = 0);
};

// Every K-subset of `sz` (in lexicographic order of positions) that passes.
SorLista NyersSzures(const FeltetelAdatok& a, const Szamsor& sz, int jatek, int K,
                     HuzasTablaNezet h = {}, int elsoHuzas = 0, int utolsoHuzas = 0);

} // namespace varion::teszt
