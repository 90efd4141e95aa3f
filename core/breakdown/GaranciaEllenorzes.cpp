#include "breakdown/GaranciaEllenorzes.h"

#include <algorithm>
#include <bit>

namespace varion {

namespace {

constexpr int MaxN = 90, MaxK = 8;

// C(n, k) for n <= 90, k <= 8; C(90, 8) fits 64 bits.
const std::array<std::array<std::uint64_t, MaxK + 1>, MaxN + 1>& Binom() {
    static const auto t = [] {
        std::array<std::array<std::uint64_t, MaxK + 1>, MaxN + 1> c{};
        for (int n = 0; n <= MaxN; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= std::min(n, MaxK); ++k)
                c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
        return c;
    }();
    return t;
}

// The place of an ascending K-subset among all K-subsets of 0..N-1 (colexicographic).
std::uint64_t Rang(const std::uint8_t* ix, int K) {
    const auto& c = Binom();
    std::uint64_t r = 0;
    for (int i = 0; i < K; ++i) r += c[ix[i]][static_cast<std::size_t>(i + 1)];
    return r;
}

// One bit per K-subset of 0..N-1.
struct Bitkeszlet {
    std::vector<std::uint64_t> w;
    explicit Bitkeszlet(std::uint64_t n) : w((n + 63) / 64, 0) {}
    bool Van(std::uint64_t i) const { return (w[i >> 6] >> (i & 63)) & 1u; }
    void Be(std::uint64_t i) { w[i >> 6] |= std::uint64_t{1} << (i & 63); }
};

// Calls `f(rank)` for every K-subset of 0..N-1 that shares at least K - e numbers with the
// ascending `sor`, itself first; stops when `f` returns false (then false).
template <class F> bool Szomszedok(const std::uint8_t* sor, int K, int N, int e, F&& f) {
    std::array<std::uint8_t, MaxN> kivul{};
    int m = 0;
    for (int x = 0, i = 0; x < N; ++x) {
        if (i < K && sor[i] == x)
            ++i;
        else
            kivul[static_cast<std::size_t>(m++)] = static_cast<std::uint8_t>(x);
    }
    std::array<int, MaxK> ki{}, be{}; // positions of `sor` taken out, of `kivul` put in
    std::array<std::uint8_t, MaxK> uj{};
    for (int j = 0; j <= std::min({e, K, m}); ++j) {
        for (int t = 0; t < j; ++t) ki[static_cast<std::size_t>(t)] = t;
        for (bool tovabbKi = true; tovabbKi;) {
            for (int t = 0; t < j; ++t) be[static_cast<std::size_t>(t)] = t;
            for (bool tovabbBe = true; tovabbBe;) {
                // Merge what stays of `sor` with what comes in, both ascending.
                int a = 0, b = 0, p = 0, kp = 0;
                while (a < K || b < j) {
                    if (a < K && kp < j && ki[static_cast<std::size_t>(kp)] == a) {
                        ++a;
                        ++kp;
                        continue;
                    }
                    const int x = a < K ? sor[a] : MaxN + 1;
                    const int y =
                        b < j ? kivul[static_cast<std::size_t>(be[static_cast<std::size_t>(b)])]
                              : MaxN + 1;
                    uj[static_cast<std::size_t>(p++)] = static_cast<std::uint8_t>(x < y ? x : y);
                    (x < y ? a : b)++;
                }
                if (!f(Rang(uj.data(), K))) return false;
                // Next choice of the numbers put in.
                int t = j - 1;
                while (t >= 0 && be[static_cast<std::size_t>(t)] == m - j + t) --t;
                tovabbBe = t >= 0;
                if (tovabbBe) {
                    ++be[static_cast<std::size_t>(t)];
                    for (int u = t + 1; u < j; ++u)
                        be[static_cast<std::size_t>(u)] = be[static_cast<std::size_t>(u - 1)] + 1;
                }
            }
            // Next choice of the numbers taken out.
            int t = j - 1;
            while (t >= 0 && ki[static_cast<std::size_t>(t)] == K - j + t) --t;
            tovabbKi = t >= 0;
            if (tovabbKi) {
                ++ki[static_cast<std::size_t>(t)];
                for (int u = t + 1; u < j; ++u)
                    ki[static_cast<std::size_t>(u)] = ki[static_cast<std::size_t>(u - 1)] + 1;
            }
        }
    }
    return true;
}

int LegnagyobbIndex(const SorMaszk& m) {
    if (m.b) return 127 - std::countl_zero(m.b);
    if (m.a) return 63 - std::countl_zero(m.a);
    return -1;
}

} // namespace

GaranciaEredmeny GaranciaEllenorzes(int K, int hibapont, std::span<const SorMaszk> jeloltek,
                                    std::span<const SorMaszk> sorok, std::size_t listaMax,
                                    GaranciaAllapot* allapot) {
    GaranciaEredmeny ki;
    ki.Jeloltek = static_cast<std::int64_t>(jeloltek.size());
    if (jeloltek.empty()) return ki;
    const int e = std::clamp(hibapont, 0, K);
    int N = K;
    for (const auto& m : jeloltek) N = std::max(N, LegnagyobbIndex(m) + 1);
    for (const auto& m : sorok) N = std::max(N, LegnagyobbIndex(m) + 1);
    if (K < 1 || K > MaxK || N > MaxN) return ki;
    const std::uint64_t osszes = Binom()[static_cast<std::size_t>(N)][static_cast<std::size_t>(K)];
    const auto megall = [allapot](std::size_t i) {
        if (!allapot) return false;
        if ((i & 255) == 0) allapot->Kesz.store(static_cast<std::int64_t>(i));
        return allapot->Stop.load(std::memory_order_relaxed);
    };
    const auto rang = [K](const SorMaszk& m) { return Rang(IndexekMaszkbol(m).data(), K); };

    Bitkeszlet fedett(osszes);
    if (sorok.size() <= jeloltek.size()) {
        // Fewer rows: every row marks its neighbours covered. Once every candidate is
        // covered the rest of the rows cannot change the verdict.
        Bitkeszlet jelolt(osszes);
        for (const auto& c : jeloltek) jelolt.Be(rang(c));
        std::int64_t maradt = ki.Jeloltek;
        if (allapot) allapot->Osszes.store(static_cast<std::int64_t>(sorok.size()));
        for (std::size_t r = 0; r < sorok.size() && maradt > 0; ++r) {
            if (megall(r)) {
                ki.Megszakitva = true;
                return ki;
            }
            const auto ix = IndexekMaszkbol(sorok[r]);
            Szomszedok(ix.data(), K, N, e, [&](std::uint64_t q) {
                if (!fedett.Van(q)) {
                    fedett.Be(q);
                    if (jelolt.Van(q)) --maradt;
                }
                return maradt > 0;
            });
        }
        for (const auto& c : jeloltek) {
            if (fedett.Van(rang(c))) continue;
            ++ki.Fedetlen;
            if (ki.Elsok.size() < listaMax) ki.Elsok.push_back(IndexekMaszkbol(c));
        }
    } else {
        // Fewer candidates: each looks for a row among its neighbours.
        Bitkeszlet sor(osszes);
        for (const auto& r : sorok) sor.Be(rang(r));
        if (allapot) allapot->Osszes.store(ki.Jeloltek);
        for (std::size_t i = 0; i < jeloltek.size(); ++i) {
            if (megall(i)) {
                ki.Megszakitva = true;
                return ki;
            }
            const auto ix = IndexekMaszkbol(jeloltek[i]);
            const bool van =
                !Szomszedok(ix.data(), K, N, e, [&](std::uint64_t q) { return !sor.Van(q); });
            if (van) continue;
            ++ki.Fedetlen;
            if (ki.Elsok.size() < listaMax) ki.Elsok.push_back(ix);
        }
    }
    if (allapot) allapot->Kesz.store(allapot->Osszes.load());
    return ki;
}

GaranciaEredmeny GaranciaEllenorzes(int K, int hibapont, std::span<const SorMaszk> jeloltek,
                                    const std::uint8_t* matrix, std::int32_t sorok, int szelesseg,
                                    std::size_t listaMax, GaranciaAllapot* allapot) {
    std::vector<SorMaszk> m;
    m.reserve(static_cast<std::size_t>(std::max(0, sorok)));
    for (std::int32_t r = 0; r < sorok; ++r)
        m.push_back(MaszkIndexekbol(
            matrix + static_cast<std::size_t>(r) * static_cast<std::size_t>(szelesseg), K));
    return GaranciaEllenorzes(K, hibapont, jeloltek, m, listaMax, allapot);
}

std::string GaranciaSzoveg(const GaranciaEredmeny& e, int jatek, int hibapont,
                           const Szamsor& szamok, const Szamsor& fix) {
    const int talalat = jatek - hibapont;
    std::string s;
    if (e.Teljesul()) {
        s = "A garancia teljesül: a feltételeknek megfelelő mind a " + std::to_string(e.Jeloltek) +
            " változat legalább " + std::to_string(talalat) +
            " találatot ér el valamelyik tárolt szelvénnyel.";
        return s;
    }
    s = "A garancia NEM teljesül!\r\rA feltételeknek megfelelő " + std::to_string(e.Jeloltek) +
        " változat közül " + std::to_string(e.Fedetlen) +
        " változatra egyik tárolt szelvény sem ér el " + std::to_string(talalat) + " találatot.";
    if (!e.Elsok.empty()) s += "\r\rAz első ilyen változatok:";
    for (const auto& sor : e.Elsok) {
        std::vector<int> szamsor;
        for (int i = 0; i < jatek - static_cast<int>(fix.size()); ++i) {
            const std::size_t ix = sor[static_cast<std::size_t>(i)];
            if (ix < szamok.size()) szamsor.push_back(szamok[ix]);
        }
        std::sort(szamsor.begin(), szamsor.end());
        szamsor.insert(szamsor.end(), fix.begin(), fix.end());
        s += "\r";
        for (std::size_t i = 0; i < szamsor.size(); ++i)
            s += (i ? ", " : "") + std::to_string(szamsor[i]);
    }
    return s;
}

} // namespace varion
