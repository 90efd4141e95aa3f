// The optimised reduction on the full breakdowns of the table: tickets against the
// engine's own passes and the reference figures, within the default budget, each result
// proven by the guarantee check (whose time is reported too). VARION_FEDES_MP sets another
// budget in seconds, VARION_FEDES_MAG the seed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <numeric>

#include "BenchSegito.h"
#include "breakdown/GaranciaEllenorzes.h"
#include "breakdown/OptimalisFedes.h"
#include "breakdown/UBontas.h"

namespace varion {
namespace {

using bench::Csendes;
using bench::Masodperc;
using bench::Sorozat;

std::uint64_t Kornyezet(const char* nev, std::uint64_t alap) {
    const char* s = std::getenv(nev);
    return s ? std::strtoull(s, nullptr, 10) : alap;
}

// Args: game, N, e, reference tickets; a fifth argument 1 sets conditions: two or three
// even numbers and a sum inside the middle of its range.
void Optimalis(benchmark::State& state) {
    const int jatek = static_cast<int>(state.range(0)), N = static_cast<int>(state.range(1));
    const int e = static_cast<int>(state.range(2));
    Csendes u;
    FeltetelKeszlet f;
    f.Adatok.Hibapont = static_cast<std::uint8_t>(e);
    if (state.range(4) != 0) {
        auto& a = f.Adatok;
        a.SzvParosBe = a.SzvParosFix = a.SzvParosTipus = 1;
        a.SzvParos = 2;
        a.SzvParosMax = 3;
        a.EsemOsszegBe = a.EsemOsszegFix = 1;
        a.EsemOsszFix = 30;
        a.EsemOsszMax = 50;
    }
    SzamJelzoBeallitas(f, Sorozat(N), jatek);
    FeltJelzoBeallitas(f, e);
    std::int32_t sajat = 0, optimalis = 0, fedetlen = -1;
    double ido = 0, ellenorzes = 0, lepesek = 0;
    for (auto _ : state) {
        TBontas b;
        BontasBemenet be;
        be.Jatek = jatek;
        be.JeloltSzamok = Sorozat(N);
        be.Feltetelek = &f;
        b.BontasIndul(be, u);
        b.Futtatas();
        sajat = b.GetTaroltNyerSzelv();
        std::vector<SorMaszk> kezdo;
        for (std::int32_t r = 0; r < sajat; ++r)
            kezdo.push_back(MaszkIndexekbol(b.Sor(r).data(), jatek));

        const auto t0 = std::chrono::steady_clock::now();
        JeloltFeladat jf;
        jf.Jatek = jatek;
        jf.Szamok = Sorozat(N);
        jf.K = jatek;
        jf.Feltetelek = &f;
        const auto jeloltek = Jeloltek(jf);
        FedesBeallitas fb;
        fb.N = N;
        fb.K = jatek;
        fb.Hibapont = e;
        fb.Mag = Kornyezet("VARION_FEDES_MAG", 1);
        fb.Idokeret = std::chrono::milliseconds(Kornyezet("VARION_FEDES_MP", 10) * 1000);
        FedesAllapot allapot;
        const FedesEredmeny r = OptimalisFedes(jeloltek, kezdo, fb, allapot);
        ido = Masodperc(std::chrono::steady_clock::now() - t0);
        lepesek = static_cast<double>(allapot.Lepesek.load());
        optimalis = static_cast<std::int32_t>(r.Sorok.size());

        const auto t1 = std::chrono::steady_clock::now();
        std::vector<SorMaszk> sorok;
        for (const auto& s : r.Sorok) sorok.push_back(MaszkIndexekbol(s.data(), jatek));
        const auto g = GaranciaEllenorzes(jatek, e, Jeloltek(jf), sorok);
        ellenorzes = Masodperc(std::chrono::steady_clock::now() - t1);
        fedetlen = static_cast<std::int32_t>(g.Fedetlen);
    }
    state.counters["specified"] = sajat;
    state.counters["optimised"] = optimalis;
    state.counters["reference"] = static_cast<double>(state.range(3));
    state.counters["vs_ref_%"] = 100.0 * optimalis / static_cast<double>(state.range(3));
    state.counters["search_s"] = ido;
    state.counters["check_s"] = ellenorzes;
    state.counters["uncovered"] = fedetlen;
    state.counters["steps"] = lepesek;
    state.counters["vs_specified_%"] = 100.0 * optimalis / sajat;
}
BENCHMARK(Optimalis)
    ->ArgNames({"game", "N", "e", "ref", "cond"})
    ->Args({5, 11, 1, 22, 0})
    ->Args({5, 12, 1, 35, 0})
    ->Args({5, 13, 1, 50, 0})
    ->Args({5, 15, 1, 109, 0})
    ->Args({5, 20, 2, 38, 0})
    ->Args({6, 12, 1, 39, 0})
    ->Args({6, 14, 1, 112, 0})
    ->Args({6, 16, 2, 26, 0})
    ->Args({6, 18, 2, 50, 0})
    ->Args({7, 12, 1, 35, 0})
    ->Args({7, 14, 2, 14, 0})
    ->Args({7, 16, 3, 6, 0})
    ->Args({5, 15, 1, 0, 1}) // with conditions: no reference
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
} // namespace varion
