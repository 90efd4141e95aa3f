// Saving and opening a big breakdown file: the rows go to the file straight from the
// engine's matrix and come back piece by piece into the engine's block. Bytes per second,
// and the process's peak resident size: the saved breakdown, plus, while a file is read,
// the engine's previous breakdown and the new one (kept until the new one is checked).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <numeric>
#include <sys/resource.h>
#include <unistd.h>

#include "BenchSegito.h"
#include "files/BontasAtadas.h"
#include "files/BontasFajl.h"

namespace varion {
namespace {

using bench::Csendes;

constexpr int N = 60; // C(60, 5) = 5,461,512 rows, 27 MB

SzamsorAdatok Sor() {
    SzamsorAdatok s;
    s.Jatek = 5;
    s.ValtozoSzamDb = 5;
    s.Jelolt.resize(N);
    std::iota(s.Jelolt.begin(), s.Jelolt.end(), std::uint8_t{1});
    return s;
}

TBontas& Bontas() {
    static TBontas* b = [] {
        auto* t = new TBontas;
        Csendes u;
        t->SetBontasMaxMerete(TeljBontSzelvszam(N, 5));
        BontasBemenet be;
        be.Jatek = 5;
        be.JeloltSzamok = Sor().Jelolt;
        t->BontasIndul(be, u);
        t->Futtatas();
        return t;
    }();
    return *b;
}

std::filesystem::path Fajl() {
    return std::filesystem::temp_directory_path() /
           ("varion-bench-" + std::to_string(::getpid()) + ".top");
}

double CsucsMB() {
    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;
}

void BM_TopMentes(benchmark::State& st) {
    Csendes u;
    const auto nezet = *BontasNezetbol(Bontas());
    for (auto _ : st) benchmark::DoNotOptimize(TopMentes(Fajl(), Sor(), nezet, u));
    st.SetBytesProcessed(std::int64_t(st.iterations()) * std::int64_t(nezet.Matrix.size()));
    st.counters["matrix_MB"] = double(nezet.Matrix.size()) / (1 << 20);
    st.counters["csucs_RSS_MB"] = CsucsMB();
}
BENCHMARK(BM_TopMentes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TopBetoltesAMotorba(benchmark::State& st) {
    Csendes u;
    TopMentes(Fajl(), Sor(), *BontasNezetbol(Bontas()), u);
    TBontas cel;
    for (auto _ : st) {
        auto t = TopBetoltesBlokkba(Fajl(), 5, false, 0, u);
        benchmark::DoNotOptimize(
            BontasTelepites(cel, t->Sor, std::move(t->Fej), std::move(t->Matrix)));
    }
    st.SetBytesProcessed(std::int64_t(st.iterations()) * std::int64_t(cel.TaroltSorok().size()));
    st.counters["csucs_RSS_MB"] = CsucsMB();
    std::filesystem::remove(Fajl());
}
BENCHMARK(BM_TopBetoltesAMotorba)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace varion
