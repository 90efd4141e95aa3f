// The optimised reduction: the fewest rows it can find such that every candidate shares at
// least K - e indices with one of them. It starts from the better of a given cover (the
// engine's own passes) and a max-gain greedy cover, then drops one row at a time and
// repairs the hole, on neighbour tables built once: by simulated annealing over
// single-number exchanges, and with one error point also by exchanges guided by candidate
// weights (`SulyozottFedes`). Every thread follows its own seeded path; the smallest
// complete cover found by any of them is the result, so Stop and the time budget never
// leave a hole.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "breakdown/Jeloltek.h"

namespace varion {

struct FedesBeallitas {
    int N = 0, K = 0, Hibapont = 1;
    std::uint64_t Mag = 1;
    std::chrono::milliseconds Idokeret{10000};
    std::uint64_t LepesKorlat = 0; // annealing steps per thread; 0 none
    int Szalak = 2;                // the result depends on it: fixed, not the core count
};

// Shared with a progress display while the search runs.
struct FedesAllapot {
    std::atomic<bool> Stop{false};
    std::atomic<std::int32_t> LegjobbDb{0}; // smallest complete cover so far; 0 before one
    std::atomic<std::int64_t> Lepesek{0};
};

struct FedesEredmeny {
    std::vector<std::array<std::uint8_t, 8>> Sorok; // ascending rows of ascending indices
    std::int32_t KezdoDb = 0;                       // the cover the search started from
    std::int32_t AlsoKorlat = 0; // no cover can be smaller (candidates / largest neighbourhood)
    bool TulNagy = false;        // the tables would not fit: the given cover, unchanged
};

// Candidates times neighbourhood size above which the tables are not built.
inline constexpr std::uint64_t FedesTablaKorlat = std::uint64_t{1} << 26;

// `kezdo` may be empty or incomplete; it is used only when it covers every candidate.
// The search ends at the time budget, at the step limit, at Stop, or at the lower bound.
FedesEredmeny OptimalisFedes(std::span<const SorMaszk> jeloltek, std::span<const SorMaszk> kezdo,
                             const FedesBeallitas& b, FedesAllapot& allapot);

} // namespace varion
