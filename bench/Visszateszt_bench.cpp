// The backtest and the odds: the full breakdown of 30 numbers into 5 (142,506 tickets)
// against every draw of the real history, and the exact odds of a 12-number breakdown.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "breakdown/Eselyek.h"
#include "breakdown/Visszateszt.h"
#include "draws/HuzasImport.h"
#include "io/FajlMentes.h"
#include "support/JegySegito.h"

namespace varion {
namespace {

std::vector<std::vector<int>> TeljesBontasSorai(int N, int K) {
    std::vector<std::vector<int>> ki;
    std::vector<int> s(static_cast<std::size_t>(K));
    for (int i = 0; i < K; ++i) s[static_cast<std::size_t>(i)] = i + 1;
    for (;;) {
        ki.push_back(s);
        int i = K - 1;
        while (i >= 0 && s[static_cast<std::size_t>(i)] == N - K + i + 1) --i;
        if (i < 0) break;
        ++s[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < K; ++j)
            s[static_cast<std::size_t>(j)] = s[static_cast<std::size_t>(j - 1)] + 1;
    }
    return ki;
}

struct Tortenet {
    HuzasAdatbazis Db{5};
    NyeremenyTar Ny{5};
    Tortenet() {
        // VARION_ADAT points elsewhere when the history is not beside the repository.
        const char* hely = std::getenv("VARION_ADAT");
        const auto a =
            io::FajlBeolvasas(std::string(hely ? hely : VARION_SHARED_DATA) + "/otos.csv");
        if (a)
            HuzasImport(Db, std::string_view(reinterpret_cast<const char*>(a->data()), a->size()),
                        &Ny);
    }
};

// Ticket-draws: every ticket against every draw of the range, as the target counts them.
void VisszatesztHarmincbolOt(benchmark::State& state) {
    static const Tortenet t;
    if (t.Db.HuzasDb() == 0) {
        state.SkipWithError("no draw history here");
        return;
    }
    static const teszt::Jegyek j(5, TeljesBontasSorai(30, 5));
    for (auto _ : state) {
        const auto e = Visszateszt(j.Adat, t.Db, t.Ny, TeljesTartomany(t.Db.HuzasDb()), 300);
        benchmark::DoNotOptimize(e.Nyeremeny);
    }
    const double n = static_cast<double>(j.Adat.Sorok) * t.Db.HuzasDb();
    state.counters["ticket-draws/s"] = benchmark::Counter(
        n * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(VisszatesztHarmincbolOt)->Unit(benchmark::kMillisecond)->UseRealTime();

void EselyekTizenketto(benchmark::State& state) {
    static const teszt::Jegyek j(5, TeljesBontasSorai(12, 5));
    for (auto _ : state) benchmark::DoNotOptimize(Eselyek(j.Adat).Valoszinuseg);
}
BENCHMARK(EselyekTizenketto)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace varion
