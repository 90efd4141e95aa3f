// Searching a number row in the whole Ötöslottó history and stepping to the next hit.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "draws/HuzasImport.h"
#include "draws/HuzasKereses.h"
#include "io/FajlMentes.h"

namespace varion {
namespace {

// The real history when it is there, else 3,441 draws of a fixed pseudo-random sequence.
HuzasAdatbazis Otos() {
    HuzasAdatbazis db(5);
    const char* mappa = std::getenv("VARION_DATA");
    const auto a =
        io::FajlBeolvasas(std::filesystem::path(mappa ? mappa : VARION_SHARED_DATA) / "otos.csv");
    if (a && HuzasImport(db, std::string_view(reinterpret_cast<const char*>(a->data()), a->size())))
        return db;
    std::vector<Huzas> h(3441);
    std::uint32_t x = 12345;
    for (std::size_t i = 0; i < h.size(); ++i) {
        h[i].Ev = 1957 + static_cast<int>(i / 52);
        h[i].Het = static_cast<int>(i % 52) + 1;
        for (int k = 0; k < 5;) {
            x = x * 1664525u + 1013904223u;
            const int n = static_cast<int>(x >> 8) % 90 + 1;
            bool van = false;
            for (int j = 0; j < k; ++j) van |= h[i].Szamok[static_cast<std::size_t>(j)] == n;
            if (!van) h[i].Szamok[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
        }
    }
    db.Hozzaadas(h);
    return db;
}

void SzamlalasEsKovetkezo(benchmark::State& s) {
    const auto db = Otos();
    HuzasMaszkok m;
    m.Frissites(db);
    const KeresettSor k{{db.Szamok(100)[0], db.Szamok(100)[1], db.Szamok(100)[2], db.Szamok(100)[3],
                         db.Szamok(100)[4]},
                        0};
    const Tartomany t{1, db.HuzasDb()};
    int akt = 0;
    for (auto _ : s) {
        const auto sz = Szamlalas(m, t, k);
        const auto c = KeresBoxValasztas(5, KeresBoxBejegyzesek(5, sz), 0, sz);
        auto h = Kereses(m, t, k, c, KeresIrany::Kovetkezo, akt);
        if (h.Huzas < 0) h = Kereses(m, t, k, c, KeresIrany::Elso, 0);
        akt = h.Huzas;
        benchmark::DoNotOptimize(akt);
    }
}
BENCHMARK(SzamlalasEsKovetkezo)->Unit(benchmark::kMicrosecond);

void MaszkokEpitese(benchmark::State& s) {
    const auto db = Otos();
    for (auto _ : s) {
        HuzasMaszkok m;
        m.Frissites(db);
        benchmark::DoNotOptimize(m.HuzasDb());
    }
}
BENCHMARK(MaszkokEpitese)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace varion
