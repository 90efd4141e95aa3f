// The breakdown list over the full breakdown of 90 numbers into 5: the cells of a screen of
// rows, opening the list, and jumping to the last row and back. Peak memory of opening:
// `/usr/bin/time -v` with --benchmark_filter=ListaMegnyitas against ModellCellakKepernyo
// (the breakdown alone).
#include <benchmark/benchmark.h>

#include <numeric>

#include "BenchAlkalmazas.h"
#include "BenchSegito.h"
#include "breakdown/UBontLista.h"

namespace varion::ui {
namespace {

using bench::Alkalmazas;
using bench::TeljesBontas;

// One screen: 15 rows of 6 columns, the text and colours the grid paints.
void ModellCellakKepernyo(benchmark::State& state) {
    Alkalmazas();
    TBontListaModell m;
    m.Betoltes(BontasAdatai(TeljesBontas(), {}), nullptr);
    const std::int64_t elso = m.Sorok() - 20;
    for (auto _ : state) {
        for (std::int64_t r = elso; r < elso + 15; ++r)
            for (int c = 0; c < m.OszlopDb(); ++c) {
                benchmark::DoNotOptimize(m.Szoveg(r, c));
                benchmark::DoNotOptimize(m.Hatter(c, r == elso));
                benchmark::DoNotOptimize(m.Betu(c, r == elso));
            }
    }
}
BENCHMARK(ModellCellakKepernyo)->Unit(benchmark::kMicrosecond);

// Opening the list with the first row and its distribution, then painting it.
void ListaMegnyitas(benchmark::State& state) {
    Alkalmazas();
    QWidget fo;
    SzelvSzinTabla szinek;
    TBontLista l(&fo);
    const TBontas& b = TeljesBontas(); // made once, outside the timing
    for (auto _ : state) {
        l.BontListaStart(b, {}, false, {&szinek, 0});
        l.grab();
        state.PauseTiming();
        l.BontTablaTorles();
        state.ResumeTiming();
    }
}
BENCHMARK(ListaMegnyitas)->Unit(benchmark::kMillisecond)->UseRealTime();

// The last row and back, each shown (selection, aux ticket, painting).
void UgrasVegereEsVissza(benchmark::State& state) {
    Alkalmazas();
    QWidget fo;
    SzelvSzinTabla szinek;
    TBontLista l(&fo);
    l.BontListaStart(TeljesBontas(), {}, false, {&szinek, 0});
    for (auto _ : state) {
        l.Kivalaszt(static_cast<std::int32_t>(l.Modell().Sorok() - 1));
        l.grab();
        l.Kivalaszt(0);
        l.grab();
    }
}
BENCHMARK(UgrasVegereEsVissza)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace varion::ui
