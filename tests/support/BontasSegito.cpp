#include "support/BontasSegito.h"

namespace varion::teszt {

bool Bontas(TBontas& b, Uzenetek& u, int jatek, const Szamsor& jelolt, const FeltetelKeszlet* f,
            const Szamsor& fix, bool eloszlas, std::uint64_t szabad) {
    BontasBemenet be;
    be.Jatek = jatek;
    be.JeloltSzamok = jelolt;
    be.FixSzamok = fix;
    be.Feltetelek = f;
    be.EloszlasDoboz = eloszlas;
    if (!b.BontasIndul(be, u, [szabad] { return std::optional<std::uint64_t>(szabad); }))
        return false;
    b.Futtatas();
    return true;
}

SorLista Sorok(const TBontas& b) {
    SorLista ki;
    for (std::int32_t r = 0; r < b.GetTaroltNyerSzelv(); ++r) {
        const auto s = b.Sor(r);
        ki.emplace_back(s.begin(), s.end());
    }
    return ki;
}

SorLista Sorok(const std::vector<std::array<std::uint8_t, 8>>& v, int k) {
    SorLista ki;
    for (const auto& s : v) ki.emplace_back(s.begin(), s.begin() + k);
    return ki;
}

FeltetelKeszlet Keszlet(const FeltetelAdatok& a, const Szamsor& jelolt, int jatek) {
    FeltetelKeszlet f;
    f.Adatok = a;
    SzamJelzoBeallitas(f, jelolt, jatek);
    f.FeltetelJelzo = VanBekapcsoltFeltetel(f.Adatok);
    return f;
}

FedesBeallitas Beall(int n, int k, int e, std::uint64_t mag, std::chrono::milliseconds ido,
                     std::uint64_t korok, int szalak) {
    FedesBeallitas b;
    b.N = n;
    b.K = k;
    b.Hibapont = e;
    b.Mag = mag;
    b.Idokeret = ido;
    b.LepesKorlat = korok;
    b.Szalak = szalak;
    return b;
}

} // namespace varion::teszt
