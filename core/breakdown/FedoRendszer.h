// A covering design: rows of k of v numbers such that every t of the v numbers lie together
// in one of them. The group cover of the optimised reduction is built from these, one per
// group. Found by annealing at a fixed amount of work, so a seed repeats it.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

namespace varion {

// The t-subsets one search takes on at most.
inline constexpr std::uint64_t FedoRendszerKorlat = 100'000;
// The work of one search, in rows compared while choosing moves (a move counts 40 beside
// them): about half a second on one core, whatever the size.
inline constexpr std::int64_t FedoRendszerMunka = 90'000'000;

// Whether a design of k-subsets covering the t-subsets of v numbers is in reach: at most 64
// numbers, 8 to a row, and `FedoRendszerKorlat` t-subsets.
bool FedoRendszerElerheto(int v, int k, int t);

// Rows as bit masks of numbers 0..v-1, each of exactly k numbers (of all v when v < k),
// every t-subset inside one of them. Empty when there is no t-subset (t > v), when the
// design is out of reach or when `stop` was set.
std::vector<std::uint64_t> FedoRendszer(int v, int k, int t, std::uint64_t mag,
                                        const std::atomic<bool>& stop,
                                        std::int64_t munka = FedoRendszerMunka);

} // namespace varion
