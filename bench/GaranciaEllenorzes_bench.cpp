// The guarantee check: the full breakdowns of 25 and 32 numbers into 5 (every row its own
// candidate), and a reduced breakdown of 20 numbers with two error points, where each row's
// neighbourhood of 1 + 75 + 1050 variations is marked. The candidates are listed first, as
// the command does.
#include <benchmark/benchmark.h>

#include <map>

#include "BenchSegito.h"
#include "breakdown/GaranciaEllenorzes.h"
#include "breakdown/OptimalisBontas.h"

namespace varion {
namespace {

struct Kesz {
    TBontas b;
    FeltetelKeszlet f;
};

Kesz* Bontas(int n, int hibapont) {
    auto* k = new Kesz;
    bench::Csendes u;
    SzamJelzoBeallitas(k->f, bench::Sorozat(n), 5);
    FeltJelzoBeallitas(k->f, hibapont);
    k->b.SetBontasMaxMerete(TeljBontSzelvszam(n, 5));
    BontasBemenet be;
    be.Jatek = 5;
    be.JeloltSzamok = bench::Sorozat(n);
    be.Feltetelek = &k->f;
    k->b.BontasIndul(be, u);
    k->b.Futtatas();
    return k;
}

void Garancia(benchmark::State& state, int n, int hibapont) {
    static std::map<std::pair<int, int>, Kesz*> tar;
    auto*& k = tar[{n, hibapont}];
    if (!k) k = Bontas(n, hibapont);
    const std::vector<SorMaszk> sorok = BontasMaszkjai(k->b);
    for (auto _ : state) {
        const JeloltFeladat jf = BontasJeloltjei(k->b, {}, 1, 0);
        const auto jeloltek = Jeloltek(jf);
        const GaranciaEredmeny e = GaranciaEllenorzes(5, hibapont, jeloltek, sorok);
        if (!e.Teljesul()) state.SkipWithError("the guarantee must hold");
        benchmark::DoNotOptimize(e);
    }
    state.counters["rows"] = static_cast<double>(sorok.size());
}

BENCHMARK_CAPTURE(Garancia, teljes25, 25, 0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Garancia, teljes32, 32, 0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Garancia, hibapont2_20, 20, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace varion
