// `garancia`: the guarantee check of a breakdown file. Prints how many candidates of its
// ticket and conditions no stored row covers, and the first of them. Exit code 0 when the
// guarantee holds, 3 when it does not (the check itself worked), 1 when the files cannot be
// used, 2 for a wrong command line.
#include <iostream>

#include "Argumentumok.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "breakdown/GaranciaEllenorzes.h"
#include "draws/HuzasAdatbazis.h"
#include "files/AllomanyMuvelet.h"
#include "files/BontasAtadas.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion::cli {

int GaranciaParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"hibapont", "huzasok"}, {}, a)) return Hiba(*h);
    if (a.Poziciok.size() != 1)
        return Hiba("usage: garancia FILE.top [--hibapont e] [--huzasok FILE.ldb]");
    const auto mezo = AllomanyJatekMezo(a.Poziciok[0]);
    if (!mezo) return Kudarc("cannot read " + a.Poziciok[0]);
    const int jatek = *mezo;
    if (!ErvenyesJatek(jatek)) return Kudarc("not a breakdown file: " + a.Poziciok[0]);
    KonzolUzenetek u;
    HuzasAdatbazis db(jatek);
    bool vanAdatbazis = false;
    if (const auto h = a.Opcio("huzasok")) {
        if (db.HuzasokBe(*h, jatek, u) != BetoltesEredmeny::Rendben) return KilepesHiba;
        vanAdatbazis = true;
    }
    const auto t = TopBetoltes(a.Poziciok[0], jatek, vanAdatbazis, db.HuzasDb(), u);
    if (!t) return KilepesHiba;
    const SzamsorAdatok& sor = t->Sor;
    if (HuzasMod(sor.Feltetelek))
        return Kudarc("the rows of this breakdown are past draws: it has no guarantee to check");
    if (sor.FeltetelJelzo && sor.Feltetelek.TalArBe && !vanAdatbazis)
        return Hiba("the hit-ratio condition needs the draws: add --huzasok FILE.ldb");
    const int K = sor.ValtozoSzamDb;
    int e = sor.Feltetelek.Hibapont;
    if (const auto h = a.Opcio("hibapont")) {
        const auto v = EgeszSzam(*h);
        if (!v || *v < 0 || *v > std::min(3, K - 1))
            return Hiba("--hibapont must be 0.." + std::to_string(std::min(3, K - 1)));
        e = *v;
    }

    FeltetelKeszlet f;
    f.Adatok = sor.Feltetelek;
    SzamJelzoBeallitas(f, sor.Jelolt, jatek);
    f.FeltetelJelzo = sor.FeltetelJelzo;
    JeloltFeladat jf;
    jf.Jatek = jatek;
    jf.Szamok = sor.Jelolt;
    jf.K = K;
    jf.Feltetelek = &f;
    jf.Huzasok = HuzasNezet(db);
    jf.ElsoHuzas = sor.Huzasok.Elso;
    jf.UtolsoHuzas = sor.Huzasok.Utolso;
    const auto jeloltek = Jeloltek(jf);
    const GaranciaEredmeny g = GaranciaEllenorzes(K, e, jeloltek, t->Bontas.Matrix.data(),
                                                  t->Bontas.Sorok(), t->Bontas.Szelesseg);
    std::string szoveg = GaranciaSzoveg(g, jatek, e, sor.Jelolt, sor.Fix);
    for (char& c : szoveg)
        if (c == '\r') c = '\n';
    std::cout << t->Bontas.Sorok() << " tárolt szelvény, " << g.Jeloltek << " változat, "
              << g.Fedetlen << " fedetlen\n"
              << szoveg << '\n';
    return g.Teljesul() ? KilepesRendben : KilepesNemTeljesul;
}

} // namespace varion::cli
