// The check of a breakdown: counting the hit classes of one drawn row over the full
// breakdown of 90 numbers into 5 (43,949,268 rows), and one variation's distribution.
#include <benchmark/benchmark.h>

#include <numeric>

#include "BenchSegito.h"
#include "breakdown/BontasEllenorzes.h"

namespace varion {
namespace {

using bench::TeljesBontas;

void Sorok(benchmark::State& state, std::int64_t sorok) {
    state.counters["rows"] = static_cast<double>(sorok);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(sorok) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void TalalatSzamitasTeljes(benchmark::State& state) {
    const BontasAdat a = BontasAdatai(TeljesBontas(), {});
    const Szamsor huzott{7, 23, 41, 58, 86};
    for (auto _ : state) {
        const auto o = TalalatSzamlalo(a, huzott).TalalatSzamitas();
        benchmark::DoNotOptimize(o);
    }
    Sorok(state, a.Sorok);
}
BENCHMARK(TalalatSzamitasTeljes)->Unit(benchmark::kMillisecond)->UseRealTime();

// The search walks row by row asking each variation's hits.
void SorTalalatTeljes(benchmark::State& state) {
    const BontasAdat a = BontasAdatai(TeljesBontas(), {});
    const TalalatSzamlalo sz(a, Szamsor{7, 23, 41, 58, 86});
    for (auto _ : state) {
        int t = 0;
        for (std::int32_t r = 0; r < a.Sorok; ++r) t += sz.SorTalalat(r) == 5;
        benchmark::DoNotOptimize(t);
    }
    Sorok(state, a.Sorok);
}
BENCHMARK(SorTalalatTeljes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace varion
