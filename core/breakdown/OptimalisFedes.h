// The optimised reduction: the fewest rows it can find such that every candidate shares at
// least K - e indices with one of them. It starts from the best of a given cover (the
// engine's own passes), a max-gain greedy cover and, without conditions, a group cover
// (`CsoportFedes`), then drops one row at a time and repairs the hole: by exchanges guided
// by candidate weights (`SulyozottFedes`) and by an annealing walk (`OptimalisSeta`), a
// portfolio of threads that meet after every round of a fixed amount of work. There the
// smallest complete cover is shared: a thread that has been stuck above it for a while
// starts again from it, a few rows moved. (On covers of a few rows with two or three error
// points one thread starts again from a fresh greedy cover instead, whenever it has
// stopped gaining.) Rounds are counted in work, not time, so a seed and a round count
// repeat a run exactly on any machine; Stop and the time budget are looked at only
// between rounds, and never leave a hole.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "breakdown/Jeloltek.h"

namespace varion {

struct FedesBeallitas {
    int N = 0, K = 0, Hibapont = 1;
    std::uint64_t Mag = 1;
    std::chrono::milliseconds Idokeret{10000};
    // Rounds to run; 0: until the time budget. With a round limit the clock is not read,
    // so the same seed and limit give the same rows everywhere.
    std::uint64_t LepesKorlat = 0;
    int Szalak = 2; // the result depends on it: fixed, not the core count
    // Work of one thread in one round (neighbourhood entries and rows visited).
    std::int64_t KorMunka = std::int64_t{1} << 22;
    // Rounds a thread may stay above the shared best before it takes it over; 0 never.
    int Elakadas = 40;
    // Called by every thread before each of its rounds (tests inject failures here).
    std::function<void(int szal)> Proba;
};

// Shared with a progress display while the search runs.
struct FedesAllapot {
    std::atomic<bool> Stop{false};
    std::atomic<std::int32_t> LegjobbDb{0}; // smallest complete cover so far; 0 before one
    std::atomic<std::int32_t> AlsoKorlat{0};
    std::atomic<std::int64_t> Lepesek{0}; // rounds finished
};

struct FedesEredmeny {
    std::vector<std::array<std::uint8_t, 8>> Sorok; // ascending rows of ascending indices
    std::int32_t KezdoDb = 0;                       // the cover the search started from
    std::int32_t AlsoKorlat = 0; // no cover can be smaller (candidates / largest neighbourhood)
    std::int64_t Lepesek = 0;    // rounds run: with the seed, they repeat the run
    // Why the given cover came back unchanged without a search (empty when searched).
    std::string Elutasitas;
};

// The largest selection the search takes on: candidates (C(N, K)) and neighbourhood.
inline constexpr std::uint64_t OptimalisJeloltKorlat = 4'000'000;
inline constexpr std::uint64_t OptimalisSzomszedKorlat = 16'384;

// Why the search would not take on a selection of N numbers, K to a row and e error
// points, decided before anything is enumerated; empty when it would.
std::string OptimalisElutasitas(int N, int K, int hibapont);
// The hint of the conditions window's option: what it does, or why this selection cannot
// have it (the option is then off and the specified reduction is made).
std::string OptimalisOpcioSugo(int N, int K, int hibapont);
// The reason given when memory ran out during the search.
inline constexpr std::string_view OptimalisMemoriaHiba =
    "nem volt elegendő memória az optimalizáláshoz";

// `kezdo` may be empty or incomplete; it is used only when it covers every candidate.
// The search ends at the time budget, at the round limit, at Stop, or at the lower bound.
// A refused selection and a failed allocation give the given rows back with the reason.
FedesEredmeny OptimalisFedes(std::span<const SorMaszk> jeloltek, std::span<const SorMaszk> kezdo,
                             const FedesBeallitas& b, FedesAllapot& allapot);

} // namespace varion
