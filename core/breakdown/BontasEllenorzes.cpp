#include "breakdown/BontasEllenorzes.h"

#include <algorithm>
#include <utility>

namespace varion {

SzamMaszk Maszk(std::span<const std::uint8_t> szamok) {
    SzamMaszk m;
    for (const std::uint8_t n : szamok) m.Be(n);
    return m;
}

BontasAdat BontasAdatai(const TBontas& b, const Szamsor& fix) {
    BontasAdat a;
    a.Sorok = b.GetTaroltNyerSzelv();
    a.Szelesseg = b.MatrixSzelesseg();
    a.Matrix = a.Sorok > 0 ? b.Sor(0).data() : nullptr;
    a.SorHossz = b.SorHossz();
    a.Jatek = b.Jatek();
    a.HuzasMod = b.HuzasMod();
    a.BontasSzamok = b.BontasSzamok();
    a.FixSzamok = fix;
    return a;
}

TalalatSzamlalo::TalalatSzamlalo(BontasAdat bontas, std::span<const std::uint8_t> huzott, int plusz)
    : bontas_(std::move(bontas)) {
    const SzamMaszk h = Maszk(huzott);
    SzamMaszk p;
    if (plusz > 0) p.Be(plusz);
    for (int e = 0; e < 256; ++e) {
        const int n = bontas_.HuzasMod || e < static_cast<int>(bontas_.BontasSzamok.size())
                          ? bontas_.Szam(static_cast<std::uint8_t>(e))
                          : 0;
        if (n <= 0) continue;
        suly_[static_cast<std::size_t>(e)] =
            static_cast<std::uint8_t>((h.Van(n) ? 1 : 0) + (p.Van(n) ? 16 : 0));
    }
    if (!bontas_.HuzasMod) {
        const SzamMaszk f = Maszk(bontas_.FixSzamok);
        fixTalalat_ = (f & h).Db();
        pluszFix_ = plusz > 0 && f.Van(plusz);
    }
    pluszJatek_ = bontas_.Jatek == 6 && plusz > 0;
}

// Counts rows per weight sum. Four histograms take turns so that runs of rows with the same
// sum do not wait on one counter; the width is a constant so the row loop unrolls.
template <int W> void TalalatSzamlalo::Hisztogram(std::array<std::uint32_t, 32>& ki) const {
    std::array<std::array<std::uint32_t, 32>, 4> h{};
    const std::uint8_t* p = bontas_.Matrix;
    const std::uint8_t* s = suly_.data();
    const auto sorSuly = [s](const std::uint8_t* r) {
        unsigned t = 0;
        for (int j = 0; j < W; ++j) t += s[r[j]];
        return t;
    };
    const std::size_t n = static_cast<std::size_t>(bontas_.Sorok);
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4, p += 4 * W) {
        ++h[0][sorSuly(p)];
        ++h[1][sorSuly(p + W)];
        ++h[2][sorSuly(p + 2 * W)];
        ++h[3][sorSuly(p + 3 * W)];
    }
    for (; i < n; ++i, p += W) ++h[0][sorSuly(p)];
    for (std::size_t k = 0; k < 32; ++k) ki[k] = h[0][k] + h[1][k] + h[2][k] + h[3][k];
}

TalalatOsztalyok TalalatSzamlalo::TalalatSzamitas() const {
    TalalatOsztalyok o;
    if (bontas_.Sorok <= 0 || !bontas_.Matrix) return o;
    std::array<std::uint32_t, 32> h{};
    switch (bontas_.Szelesseg) {
    case 1:
        Hisztogram<1>(h);
        break;
    case 2:
        Hisztogram<2>(h);
        break;
    case 3:
        Hisztogram<3>(h);
        break;
    case 4:
        Hisztogram<4>(h);
        break;
    case 5:
        Hisztogram<5>(h);
        break;
    case 6:
        Hisztogram<6>(h);
        break;
    case 7:
        Hisztogram<7>(h);
        break;
    default:
        return o;
    }
    const int G = bontas_.Jatek;
    for (int s = 0; s < 32; ++s) {
        if (h[static_cast<std::size_t>(s)] == 0) continue;
        const auto db = static_cast<std::int32_t>(h[static_cast<std::size_t>(s)]);
        const int t = Osztalyozas(s);
        if (t < 0)
            o.Plusz += db;
        else if (t > G - 4)
            o.Osztaly[static_cast<std::size_t>(std::min(t, G) - (G - 3))] += db;
    }
    return o;
}

TalalatOsztalyok TalalatEloszlas(const BontasAdat& b, std::int32_t sor) {
    if (sor < 0 || sor >= b.Sorok) return {};
    // The variation's own numbers and, in the normal mode, the fixed ones are the draw.
    Szamsor huzott;
    for (int j = 0; j < b.Szelesseg; ++j)
        huzott.push_back(
            static_cast<std::uint8_t>(b.Szam(static_cast<std::uint8_t>(b.Bejegyzes(sor, j)))));
    if (!b.HuzasMod) huzott.insert(huzott.end(), b.FixSzamok.begin(), b.FixSzamok.end());
    return TalalatSzamlalo(b, huzott).TalalatSzamitas();
}

TalalatOsztalyok TeljesEloszlas(int jatek, int N, int K, int F) {
    const auto C = [](int n, int k) -> std::int64_t {
        if (k < 0 || n < 0 || k > n) return 0;
        std::int64_t c = 1;
        for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
        return c;
    };
    TalalatOsztalyok o;
    for (int s = 0; s <= K; ++s) {
        const int t = s + F;
        if (t > jatek - 4 && t <= jatek)
            o.Osztaly[static_cast<std::size_t>(t - (jatek - 3))] =
                static_cast<std::int32_t>(C(K, s) * C(N - K, K - s));
    }
    return o;
}

bool EloszlasMindenSorra(const TBontas& b) {
    if (b.GetBontStatus() == 0 || b.HuzasMod() || b.Hibapont() > 0) return false;
    if (b.Feltetelek().FeltetelJelzo) return false;
    if (b.SorHossz() < 2 || b.JeloltDb() < b.SorHossz()) return false;
    return b.GetTaroltNyerSzelv() == TeljBontSzelvszam(b.JeloltDb(), b.SorHossz());
}

} // namespace varion
