// What a breakdown file would win: its variations counted by hit class against a row of
// numbers or a past draw, as the check window counts them.
#include "Argumentumok.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "breakdown/BontasEllenorzes.h"
#include "breakdown/UBontas.h"
#include "draws/HuzasAdatbazis.h"
#include "files/AllomanyMuvelet.h"
#include "files/BontasAtadas.h"
#include "files/BontasFajl.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"
#include "io/KisVeg.h"

#include <cstdio>

namespace varion::cli {
namespace {

constexpr std::string_view Hasznalat =
    "használat: varion-cli talalatok FÁJL.top (--szamok a,b,... [--plusz p] | --huzas N "
    "--huzasok FÁJL.ldb)";

void OsztalyokKiirasa(const TalalatOsztalyok& o, int jatek) {
    for (int t = jatek; t >= jatek - 3; --t) {
        if (jatek == 6 && t == 5) std::printf("5+1 találat: %d\n", o.Plusz);
        std::printf("%d találat: %d\n", t, o.Osztalyban(t, jatek));
    }
}

} // namespace

int TalalatokParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"szamok", "plusz", "huzas", "huzasok"}, {}, a)) return Hiba(*h);
    const bool sorral = a.Van("szamok"), huzassal = a.Van("huzas");
    if (a.Poziciok.size() != 1 || sorral == huzassal || (huzassal && !a.Van("huzasok")))
        return Hiba(std::string(Hasznalat));
    const auto mezo = AllomanyJatekMezo(a.Poziciok[0]);
    if (!mezo) return Kudarc("nem olvasható: " + a.Poziciok[0]);
    const int jatek = *mezo;
    if (!ErvenyesJatek(jatek)) return Kudarc("nem bontás állománya: " + a.Poziciok[0]);
    const auto& j = JatekAdat(jatek);
    KonzolUzenetek u;
    HuzasAdatbazis db(jatek);
    if (const auto h = a.Opcio("huzasok"))
        if (db.HuzasokBe(*h, jatek, u) != BetoltesEredmeny::Rendben) return KilepesHiba;
    // Straight into the engine, as the program opens it: the rows are in memory once.
    auto t = TopBetoltesBlokkba(a.Poziciok[0], jatek, a.Van("huzasok"), db.HuzasDb(), u);
    if (!t) return KilepesHiba;
    TBontas bontas;
    if (!BontasTelepites(bontas, t->Sor, std::move(t->Fej), std::move(t->Matrix)))
        return Kudarc("sérült bontás: " + a.Poziciok[0]);
    const BontasAdat b = BontasAdatai(bontas, t->Sor.Fix);

    // The rows to check: the given numbers, or the past draw (both rows in game 7).
    std::vector<std::vector<std::uint8_t>> sorok;
    int plusz = 0;
    if (sorral) {
        const auto szamok = SzamLista(*a.Opcio("szamok"));
        if (!szamok || static_cast<int>(szamok->size()) != j.Jatek)
            return Hiba("--szamok: " + std::to_string(j.Jatek) + " szám kell");
        std::vector<std::uint8_t> sor;
        for (int s : *szamok) {
            if (s < 1 || s > j.MaxSzam) return Hiba("--szamok: 1.." + std::to_string(j.MaxSzam));
            sor.push_back(static_cast<std::uint8_t>(s));
        }
        sorok.push_back(std::move(sor));
        if (const auto p = a.Opcio("plusz")) {
            const auto e = EgeszSzam(*p);
            if (jatek != 6 || !e || *e < 1 || *e > j.MaxSzam)
                return Hiba("--plusz: csak a Hatoslottóban, 1.." + std::to_string(j.MaxSzam));
            plusz = *e;
        }
    } else {
        const auto n = EgeszSzam(*a.Opcio("huzas"));
        if (!n || *n < 1 || *n > db.HuzasDb())
            return Hiba("--huzas: 1.." + std::to_string(db.HuzasDb()));
        const auto s = db.Sor(*n - 1); // number, year, week, then the numbers
        const int sorDb = jatek == 7 ? 2 : 1;
        for (int r = 0; r < sorDb; ++r) {
            std::vector<std::uint8_t> sor;
            for (int k = 0; k < j.Jatek; ++k)
                sor.push_back(
                    static_cast<std::uint8_t>(s[static_cast<std::size_t>(3 + r * 7 + k)]));
            sorok.push_back(std::move(sor));
        }
        if (jatek == 6) plusz = s[3 + 6];
        std::printf("%d. húzás: %d. év %d. hét\n", *n, s[1], s[2]);
    }
    std::printf("%d változat\n", b.Sorok);
    for (std::size_t r = 0; r < sorok.size(); ++r) {
        if (sorok.size() > 1) std::printf("%zu. számsor\n", r + 1);
        OsztalyokKiirasa(TalalatSzamlalo(b, sorok[r], plusz).TalalatSzamitas(), jatek);
    }
    return KilepesRendben;
}

} // namespace varion::cli
