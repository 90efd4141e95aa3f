// The check of a breakdown's guarantee: every candidate (a variation the conditions accept)
// must share at least K - e numbers with some stored row. It names the candidates no row
// covers, so a hole is shown, not just counted.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "breakdown/Jeloltek.h"

namespace varion {

struct GaranciaEredmeny {
    std::int64_t Jeloltek = 0;                      // candidates examined
    std::int64_t Fedetlen = 0;                      // of them, covered by no row
    std::vector<std::array<std::uint8_t, 8>> Elsok; // the first uncovered, ascending indices
    bool Megszakitva = false;                       // stopped before the verdict
    bool Teljesul() const { return !Megszakitva && Fedetlen == 0; }
};

// A check running on a worker: the window reads the progress and may stop it.
struct GaranciaAllapot {
    std::atomic<bool> Stop{false};
    std::atomic<std::int64_t> Kesz{0}, Osszes{0}; // units of work done, of all
    int Szazalek() const {
        const auto o = Osszes.load(), k = Kesz.load();
        return o > 0 ? static_cast<int>(std::min<std::int64_t>(100, k * 100 / o)) : 0;
    }
};

// `sorok` rows of `szelesseg` bytes whose first K bytes are indices; at most `listaMax`
// uncovered candidates are listed. The work is linear in the smaller of the rows and the
// candidates times the neighbourhood (the variations within e numbers of one): each row's
// neighbours are marked covered, or each candidate's neighbours are looked up among the
// rows; no candidate is compared with every row.
GaranciaEredmeny GaranciaEllenorzes(int K, int hibapont, std::span<const SorMaszk> jeloltek,
                                    const std::uint8_t* matrix, std::int32_t sorok, int szelesseg,
                                    std::size_t listaMax = 10, GaranciaAllapot* allapot = nullptr);
GaranciaEredmeny GaranciaEllenorzes(int K, int hibapont, std::span<const SorMaszk> jeloltek,
                                    std::span<const SorMaszk> sorok, std::size_t listaMax = 10,
                                    GaranciaAllapot* allapot = nullptr);

// The verdict as the player reads it: the guarantee in hits (the fixed numbers count), and
// either that it holds or how many variations are left uncovered with the first of them
// written out as numbers (marked numbers of the indices, then the fixed ones).
std::string GaranciaSzoveg(const GaranciaEredmeny& e, int jatek, int hibapont,
                           const Szamsor& szamok, const Szamsor& fix);

} // namespace varion
