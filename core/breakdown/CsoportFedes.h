// The group cover: the numbers split into a few groups, so small that a row of K numbers
// cannot fall below t = K - e numbers in every one of them (groups x (t - 1) < K). Then a
// covering design of each group's t-subsets covers every row with e error points. It takes
// every variation for a candidate, so it serves a selection without conditions; there it
// often beats any search from scratch (5 of 20 with two error points: 12 + 20 rows on 9 and
// 11 numbers, against 38 from the greedy and annealing).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "breakdown/Jeloltek.h"

namespace varion {

// The group sizes worth trying for N numbers, K to a row, e error points: two groups of
// equal size or one off and, where more groups still work, the even splits into them. Empty
// when no split works or a group's design would be out of reach.
std::vector<std::vector<int>> CsoportFelosztasok(int n, int k, int hibapont);

// The group sizes that need a covering design of their own (larger than K), ascending.
std::vector<int> TervezendoMeretek(const std::vector<std::vector<int>>& felosztasok, int k);

// The rows of one split, each group's design placed on its consecutive numbers (a group of
// K or fewer numbers is one row, filled up from the others). `terv(g)` gives the design on
// g numbers; empty when one is missing.
std::vector<SorMaszk>
CsoportFedes(const std::vector<int>& meretek, int k, int hibapont,
             const std::function<const std::vector<std::uint64_t>&(int)>& terv);

} // namespace varion
