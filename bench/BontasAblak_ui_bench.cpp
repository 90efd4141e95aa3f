// The full breakdown of 90 numbers into 5 started from the breakdown window (worker thread,
// the once-a-second tick, the modal loop, the queued end events) against the engine run
// directly on the calling thread. The window should add nothing measurable.
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTimer>
#include <numeric>

#include "BenchAlkalmazas.h"
#include "BenchSegito.h"
#include "breakdown/UBontasAblak.h"

namespace varion::ui {
namespace {

using bench::Alkalmazas;
using bench::Csendes;

BontasBemenet Bemenet() {
    BontasBemenet be;
    be.Jatek = 5;
    be.JeloltSzamok.resize(90);
    std::iota(be.JeloltSzamok.begin(), be.JeloltSzamok.end(), std::uint8_t{1});
    return be;
}

void Eredmeny(benchmark::State& state, const TBontas& b) {
    state.counters["rows"] = static_cast<double>(b.GetTaroltNyerSzelv());
}

void MotorEgyedul(benchmark::State& state) {
    Csendes u;
    const BontasBemenet be = Bemenet();
    TBontas b;
    b.SetBontasMaxMerete(TeljBontSzelvszam(90, 5));
    for (auto _ : state) {
        state.PauseTiming();
        b.BontasIndul(be, u);
        state.ResumeTiming();
        b.Futtatas();
        benchmark::DoNotOptimize(b.GetBontasMatrix(b.GetTaroltNyerSzelv() - 1, 4));
    }
    Eredmeny(state, b);
}
BENCHMARK(MotorEgyedul)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// From the start of the worker to the window's close once the run is over (the close is
// noticed within 20 ms).
void AblakbolInditva(benchmark::State& state) {
    Alkalmazas();
    Csendes u;
    const BontasBemenet be = Bemenet();
    TBontas b;
    b.SetBontasMaxMerete(TeljBontSzelvszam(90, 5));
    QWidget fo;
    TBontasAblak ablak(b, &fo);
    QTimer figyelo;
    figyelo.setInterval(20);
    QObject::connect(&figyelo, &QTimer::timeout, &ablak, [&] {
        if (ablak.isVisible() && !ablak.Fut()) ablak.KilepesGomb()->click();
    });
    figyelo.start();
    for (auto _ : state) {
        state.PauseTiming();
        b.BontasIndul(be, u);
        ablak.Elokeszites(FeltetelAdatok{}, false);
        state.ResumeTiming();
        ablak.Inditas(300, false);
        benchmark::DoNotOptimize(b.GetBontasMatrix(b.GetTaroltNyerSzelv() - 1, 4));
    }
    Eredmeny(state, b);
}
BENCHMARK(AblakbolInditva)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace varion::ui
