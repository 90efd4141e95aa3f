// Walking the s-subsets of n positions in lexicographic order, as ascending positions.
#pragma once

#include <span>

namespace varion {

// Moves `poz` (ascending positions below n) to the next subset of its size; false after the
// last one, `poz` then undefined.
inline bool KovetkezoKombinacio(std::span<int> poz, int n) {
    const int s = static_cast<int>(poz.size());
    int i = s - 1;
    while (i >= 0 && poz[static_cast<std::size_t>(i)] == n - s + i) --i;
    if (i < 0) return false;
    ++poz[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < s; ++j)
        poz[static_cast<std::size_t>(j)] = poz[static_cast<std::size_t>(j - 1)] + 1;
    return true;
}

} // namespace varion
