// The optimised reduction and the guarantee check applied to the engine's breakdown: the
// candidates of its run (its marked numbers and conditions), its rows as the start, and the
// result in the matrix form a breakdown is kept and saved in.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "breakdown/GaranciaEllenorzes.h"
#include "breakdown/OptimalisFedes.h"
#include "breakdown/UBontas.h"

namespace varion {

// The candidates of the engine's breakdown; `huzasok` and the 1-based range serve the
// hit-ratio condition.
JeloltFeladat BontasJeloltjei(const TBontas& b, HuzasTablaNezet huzasok = {}, int elso = 1,
                              int utolso = 0);

// The engine's rows as masks (index rows only: not for the draws mode).
std::vector<SorMaszk> BontasMaszkjai(const TBontas& b);

// How one optimised search runs: its seed, its time budget or round limit (which repeats
// a run exactly), and the test seam of its threads.
struct OptimalisBeallitas {
    std::uint64_t Mag = 1;
    std::chrono::milliseconds Idokeret{10000};
    std::uint64_t LepesKorlat = 0;
    std::function<void(int)> Proba;
};

// Searches a smaller cover of the engine's finished error-point breakdown; the engine is
// not changed. An empty result when there is nothing to reduce (no error points, the
// draws mode, no rows); the engine's rows with the reason when the selection is too large.
FedesEredmeny BontasOptimalizalasa(const TBontas& b, const JeloltFeladat& feladat,
                                   const OptimalisBeallitas& o, FedesAllapot& allapot);

// Rows as a breakdown holds them: K bytes each, and the count of rows holding each index.
struct BontasSorai {
    std::vector<std::uint8_t> Matrix;
    std::vector<std::int32_t> BontMutStat;
};
BontasSorai SorokMatrixa(const std::vector<std::array<std::uint8_t, 8>>& sorok, int K, int N);

// "Garancia ellenőrzése" applies to a finished breakdown of index rows (not while a run is
// going, not in the draws mode).
bool GaranciaEllenorizheto(const TBontas& b);

// The guarantee of the engine's breakdown with `hibapont` error points.
GaranciaEredmeny BontasGaranciaja(const TBontas& b, const JeloltFeladat& feladat, int hibapont,
                                  std::size_t listaMax = 10);

} // namespace varion
