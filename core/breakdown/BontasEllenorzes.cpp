#include "breakdown/BontasEllenorzes.h"

#include <algorithm>
#include <utility>

#include "breakdown/TalalatMag.h"

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

TalalatOsztalyok TalalatSzamlalo::TalalatSzamitas() const {
    TalalatOsztalyok o;
    if (bontas_.Sorok <= 0 || !bontas_.Matrix) return o;
    std::array<std::uint8_t, 256> talalt{}, plusz{};
    std::size_t tDb = 0, pDb = 0;
    for (std::size_t e = 0; e < suly_.size(); ++e) {
        if (suly_[e] & 15) talalt[tDb++] = static_cast<std::uint8_t>(e);
        if (suly_[e] >> 4) plusz[pDb++] = static_cast<std::uint8_t>(e);
    }
    const int G = bontas_.Jatek;
    SorHisztogram h;
    SorokSzamlalasa(bontas_.Matrix, static_cast<std::size_t>(bontas_.Sorok), bontas_.Szelesseg,
                    std::span(talalt).first(tDb), std::span(plusz).first(pDb),
                    std::max(0, G - 3 - fixTalalat_), h);
    for (int s = 0; s < 8; ++s)
        for (const bool p : {false, true}) {
            const auto db =
                static_cast<std::int32_t>((p ? h.Plusz : h.Sima)[static_cast<std::size_t>(s)]);
            if (db == 0) continue;
            const int t = Osztalyozas(s | (p ? 16 : 0));
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
