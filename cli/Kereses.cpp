// The number-row search in the draws: how many draws hit the row in each class, and which.
#include "Argumentumok.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasKereses.h"
#include "game/Jatek.h"

#include <algorithm>
#include <cstdio>

namespace varion::cli {

int KeresesParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"jatek", "szamok", "plusz", "tol", "ig"}, {}, a))
        return Hiba(*h);
    const int jatek = a.Opcio("jatek") ? EgeszSzam(*a.Opcio("jatek")).value_or(0) : 0;
    const auto szamok = a.Opcio("szamok") ? SzamLista(*a.Opcio("szamok")) : std::nullopt;
    if (a.Poziciok.size() != 1 || !ErvenyesJatek(jatek) || !szamok)
        return Hiba("használat: varion-cli kereses --jatek G FÁJL.ldb --szamok a,b,... "
                    "[--plusz p] [--tol a --ig b]");
    const auto& j = JatekAdat(jatek);
    KeresettSor k;
    for (int s : *szamok) {
        if (s < 1 || s > j.MaxSzam || std::ranges::count(k.Szamok, s) > 0)
            return Hiba("--szamok: különböző számok 1.." + std::to_string(j.MaxSzam));
        k.Szamok.push_back(s);
    }
    if (k.Szamok.empty() || static_cast<int>(k.Szamok.size()) > j.Jatek)
        return Hiba("--szamok: 1.." + std::to_string(j.Jatek) + " szám");
    if (const auto p = a.Opcio("plusz")) {
        const auto e = EgeszSzam(*p);
        if (jatek != 6 || !e || *e < 1 || *e > j.MaxSzam || std::ranges::count(k.Szamok, *e) > 0)
            return Hiba("--plusz: csak a Hatoslottóban, a sorban nem szereplő szám");
        k.Plusz = *e;
    }
    KonzolUzenetek u;
    HuzasAdatbazis db(jatek);
    if (db.HuzasokBe(a.Poziciok[0], jatek, u) != BetoltesEredmeny::Rendben) return KilepesHiba;
    Tartomany t{1, db.HuzasDb()};
    if (const auto s = a.Opcio("tol")) t.Elso = EgeszSzam(*s).value_or(0);
    if (const auto s = a.Opcio("ig")) t.Utolso = EgeszSzam(*s).value_or(0);
    if (t.Elso < 1 || t.Utolso > db.HuzasDb() || t.Elso > t.Utolso + 1)
        return Hiba("--tol/--ig: 1.." + std::to_string(db.HuzasDb()));

    HuzasMaszkok m;
    m.Frissites(db);
    std::string szoveg = KeresesSzoveg(jatek, t, db.HuzasDb(), k, Szamlalas(m, t, k));
    std::ranges::replace(szoveg, '\r', '\n');
    std::printf("%s\n", szoveg.c_str());
    // Every hit of the lowest class or better, as the search steps through them.
    const SzamMaszk keresett = Maszk(k.Szamok);
    const int also = std::max(1, static_cast<int>(k.Szamok.size()) - 3);
    for (int d = t.Elso - 1; d < t.Utolso; ++d)
        for (int r = 0; r < m.SorDb(); ++r) {
            const int h = TalalatSzam(m, d, r, keresett, k.Plusz);
            if (h != -1 && h < also) continue;
            const auto s = db.Sor(d);
            std::printf("%d. húzás (%d. év %d. hét)%s: %s találat\n", s[0], s[1], s[2],
                        m.SorDb() > 1 ? (r == 0 ? ", 1. számsor" : ", 2. számsor") : "",
                        h == -1 ? "5+1" : std::to_string(h).c_str());
        }
    return KilepesRendben;
}

} // namespace varion::cli
