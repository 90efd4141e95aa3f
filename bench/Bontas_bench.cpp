// The engine at full speed: a full breakdown of 90 numbers into 5, error-point breakdowns
// against the plain loops, and a run with many conditions.
#include <benchmark/benchmark.h>

#include <chrono>
#include <numeric>

#include "breakdown/UBontas.h"
// The plain loops the engine is compared with are the tests' own oracle.
#include "BenchSegito.h"
#include "support/HibapontOrakulum.cpp"

namespace varion {
namespace {

using bench::Csendes;
using bench::Masodperc;
using bench::Sorozat;

void TeljesBontas(benchmark::State& state) {
    Csendes u;
    std::int64_t sorok = 0;
    for (auto _ : state) {
        TBontas b;
        b.SetBontasMaxMerete(TeljBontSzelvszam(90, 5));
        BontasBemenet be;
        be.Jatek = 5;
        be.JeloltSzamok = Sorozat(90);
        b.BontasIndul(be, u);
        b.Futtatas();
        sorok = b.GetTaroltNyerSzelv();
        benchmark::DoNotOptimize(b.GetBontasMatrix(sorok - 1, 4));
    }
    state.counters["rows"] = static_cast<double>(sorok);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(sorok) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["MB"] = static_cast<double>(sorok) * 5 / 1e6;
}
BENCHMARK(TeljesBontas)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Args: N, K, e, stream (0/1). The oracle gets up to 10 s; beyond that the ratio is a
// lower bound (oracle_done = 0).
void Hibapontos(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0)), K = static_cast<int>(state.range(1));
    const int e = static_cast<int>(state.range(2));
    const bool eloszlas = state.range(3) != 0;
    Csendes u;
    FeltetelKeszlet f;
    f.Adatok.Hibapont = static_cast<std::uint8_t>(e);
    f.EloszlasOpt = 1;
    BontasBemenet be;
    be.Jatek = 7;
    be.JeloltSzamok = Sorozat(N);
    for (int i = 0; i < 7 - K; ++i) be.FixSzamok.push_back(static_cast<std::uint8_t>(35 - i));
    be.Feltetelek = &f;
    be.EloszlasDoboz = eloszlas;
    double motor = 0, orakulum = 0;
    std::int32_t sorok = 0;
    bool kesz = true;
    for (auto _ : state) {
        TBontas b;
        b.SetBontasMaxMerete(1 << 22);
        b.BontasIndul(be, u);
        teszt::HibapontOrakulum o(b, e);
        auto t0 = std::chrono::steady_clock::now();
        b.Futtatas();
        motor = Masodperc(std::chrono::steady_clock::now() - t0);
        sorok = b.GetTaroltNyerSzelv();
        o.Hatarido = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        t0 = std::chrono::steady_clock::now();
        const auto v = eloszlas ? o.OptBontStart() : o.Start();
        orakulum = Masodperc(std::chrono::steady_clock::now() - t0);
        kesz = o.Kesz;
        if (kesz && static_cast<std::int32_t>(v.size()) != sorok)
            state.SkipWithError("the engine and the oracle disagree");
        state.SetIterationTime(motor);
    }
    state.counters["rows"] = sorok;
    state.counters["engine_s"] = motor;
    state.counters["oracle_s"] = orakulum;
    state.counters["oracle_done"] = kesz;
    state.counters["speedup"] = motor > 0 ? orakulum / motor : 0;
}
void HibapontArgs(benchmark::internal::Benchmark* b) {
    for (int N : {20, 25, 30})
        for (int K : {5, 6, 7})
            for (int e : {1, 2, 3})
                for (int s : {0, 1}) b->Args({N, K, e, s});
}
BENCHMARK(Hibapontos)
    ->Apply(HibapontArgs)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void SokFeltetel(benchmark::State& state) {
    Csendes u;
    Szamsor jelolt;
    for (int i = 0; i < 45; ++i) jelolt.push_back(static_cast<std::uint8_t>(2 * i + 1 + (i % 2)));
    FeltetelKeszlet f;
    auto& a = f.Adatok;
    a.SzvParosBe = a.SzvParosFix = a.SzvParosTipus = 1;
    a.SzvParos = 2;
    a.SzvParosMax = 3;
    a.EsemOsszegBe = 1;
    a.EsemOsszFix = 180;
    a.EsemOsszMax = 280;
    a.SzcsIsmetBe = 1;
    a.SzcsIsmet = 0;
    a.SzcsIsmetMax = 2;
    a.MobBe = 1;
    a.MobSzamai = 3;
    a.MobTalalatMax = 2;
    a.IkerszamBe = 1;
    a.Ikerszam = 0;
    a.IkerszamMax = 1;
    a.TukorszamBe = 1;
    a.Tukorszam = 0;
    a.TukorszamMax = 1;
    a.FavBe = 1;
    a.FavSzamai = 5;
    a.FavSzamaiMax = 30;
    a.FavTalalat = 2;
    a.FavTalalatMax = 4;
    SzamJelzoBeallitas(f, jelolt, 5);
    f.FeltetelJelzo = true;
    std::int32_t sorok = 0;
    for (auto _ : state) {
        TBontas b;
        b.SetBontasMaxMerete(TeljBontSzelvszam(45, 5));
        BontasBemenet be;
        be.Jatek = 5;
        be.JeloltSzamok = jelolt;
        be.Feltetelek = &f;
        b.BontasIndul(be, u);
        b.Futtatas();
        sorok = b.GetTaroltNyerSzelv();
    }
    state.counters["rows"] = sorok;
    state.counters["of"] = static_cast<double>(TeljBontSzelvszam(45, 5));
}
BENCHMARK(SokFeltetel)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace varion
