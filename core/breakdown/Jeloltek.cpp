#include "breakdown/Jeloltek.h"

#include <algorithm>

namespace varion {

SorMaszk MaszkIndexekbol(const std::uint8_t* sor, int k) {
    SorMaszk m;
    for (int i = 0; i < k; ++i) Beallit(m, sor[i]);
    return m;
}

std::array<std::uint8_t, 8> IndexekMaszkbol(const SorMaszk& m) {
    std::array<std::uint8_t, 8> ki{};
    int p = 0;
    for (std::uint64_t w = m.a; w != 0 && p < 8; w &= w - 1)
        ki[static_cast<std::size_t>(p++)] = static_cast<std::uint8_t>(std::countr_zero(w));
    for (std::uint64_t w = m.b; w != 0 && p < 8; w &= w - 1)
        ki[static_cast<std::size_t>(p++)] = static_cast<std::uint8_t>(64 + std::countr_zero(w));
    return ki;
}

std::vector<SorMaszk> Jeloltek(const JeloltFeladat& f, const std::atomic<bool>* stop) {
    const int N = static_cast<int>(f.Szamok.size());
    const int K = f.K;
    std::vector<SorMaszk> ki;
    if (K < 1 || K > 8 || N < K || N > 90) return ki;

    FeltetelKeszlet sajat;
    const FeltetelKeszlet* felt = f.Feltetelek;
    const bool vizsgal = felt && felt->FeltetelJelzo;
    if (vizsgal &&
        (felt->SzamJelzo.size() != f.Szamok.size() || felt->TukorPar.size() != f.Szamok.size())) {
        sajat = *felt;
        SzamJelzoBeallitas(sajat, f.Szamok, f.Jatek);
        sajat.Adatok = felt->Adatok;
        felt = &sajat;
    }
    FeltetelVizsgalo v;
    const int elso = std::max(1, f.ElsoHuzas) - 1;
    if (vizsgal) {
        const int utolso = std::clamp(f.UtolsoHuzas, 0, f.Huzasok.Sorok());
        v.Elokeszites(*felt, f.Szamok, f.Jatek, K, f.Huzasok, utolso);
    }

    std::array<std::uint8_t, 8> b{};
    for (int i = 0; i < K; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    unsigned lepes = 0;
    for (;;) {
        if ((++lepes & 0xFFFFu) == 0 && stop && stop->load(std::memory_order_relaxed)) break;
        bool jo = true;
        if (vizsgal) {
            // The test may move its argument ahead to skip; a copy keeps the enumeration
            // honest, so no variation that would pass is ever skipped.
            std::array<std::uint8_t, 8> masolat = b;
            int mutPoz = K - 1;
            v.HuzasIndex = elso;
            v.SkandiMezo = 0;
            jo = v.FeltVizsgalat(masolat.data(), mutPoz);
        }
        if (jo) ki.push_back(MaszkIndexekbol(b.data(), K));
        int i = K - 1;
        while (i >= 0 && b[static_cast<std::size_t>(i)] == N - K + i) --i;
        if (i < 0) break;
        ++b[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < K; ++j)
            b[static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>(b[static_cast<std::size_t>(j - 1)] + 1);
    }
    return ki;
}

} // namespace varion
