// The candidates of a reduced breakdown: every variation of the marked numbers that passes
// the condition set, each as a bit mask of its indices (bit i = marked number i). The
// covering guarantee is stated over exactly this set, so the optimised search and the
// guarantee check both start from it.
#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <vector>

#include "conditions/FeltVizsgalat.h"
#include "conditions/Feltetelek.h"
#include "game/Szamsor.h"

namespace varion {

// At most 90 marked numbers: two words.
struct SorMaszk {
    std::uint64_t a = 0, b = 0;
    bool operator==(const SorMaszk&) const = default;
    auto operator<=>(const SorMaszk&) const = default;
};

inline int Kozos(const SorMaszk& x, const SorMaszk& y) {
    return std::popcount(x.a & y.a) + std::popcount(x.b & y.b);
}
inline bool Benne(const SorMaszk& m, int i) {
    return ((i < 64 ? m.a >> i : m.b >> (i - 64)) & 1u) != 0;
}
inline void Beallit(SorMaszk& m, int i) {
    if (i < 64)
        m.a |= std::uint64_t{1} << i;
    else
        m.b |= std::uint64_t{1} << (i - 64);
}
inline void Torol(SorMaszk& m, int i) {
    if (i < 64)
        m.a &= ~(std::uint64_t{1} << i);
    else
        m.b &= ~(std::uint64_t{1} << (i - 64));
}

SorMaszk MaszkIndexekbol(const std::uint8_t* sor, int k);
// The ascending indices of a mask (unused places 0).
std::array<std::uint8_t, 8> IndexekMaszkbol(const SorMaszk& m);

// What decides the candidate set: the marked numbers, the variation length K, the
// conditions (null or `FeltetelJelzo` off: every variation) and the hit-ratio draws.
struct JeloltFeladat {
    int Jatek = 5;
    Szamsor Szamok; // the marked numbers the indices point at
    int K = 5;
    const FeltetelKeszlet* Feltetelek = nullptr;
    HuzasTablaNezet Huzasok;
    int ElsoHuzas = 1, UtolsoHuzas = 0; // 1-based, inclusive
};

// Every K-subset of the marked numbers that passes, in ascending order of index rows. Each
// variation is judged on its own (the enumeration's skip-ahead rules are not used), so the
// set is exactly the variations the conditions accept. `stop` ends it early (the list is
// then incomplete).
std::vector<SorMaszk> Jeloltek(const JeloltFeladat& f, const std::atomic<bool>* stop = nullptr);

} // namespace varion
