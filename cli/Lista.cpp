// The variations stored in a breakdown file, one per line.
#include "Argumentumok.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "Valtozatok.h"
#include "draws/HuzasAdatbazis.h"
#include "files/AllomanyMuvelet.h"
#include "files/BontasFajl.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion::cli {

int ListaParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"huzasok"}, {}, a)) return Hiba(*h);
    if (a.Poziciok.size() != 1)
        return Hiba("használat: varion-cli lista FÁJL.top [--huzasok FÁJL.ldb]");
    // The game of the file decides; it follows the 16-byte header.
    const auto mezo = AllomanyJatekMezo(a.Poziciok[0]);
    if (!mezo) return Kudarc("nem olvasható: " + a.Poziciok[0]);
    const int jatek = *mezo;
    if (!ErvenyesJatek(jatek)) return Kudarc("nem bontás állománya: " + a.Poziciok[0]);
    KonzolUzenetek u;
    HuzasAdatbazis db(jatek);
    bool vanAdatbazis = false;
    if (const auto h = a.Opcio("huzasok")) {
        if (db.HuzasokBe(*h, jatek, u) != BetoltesEredmeny::Rendben) return KilepesHiba;
        vanAdatbazis = true;
    }
    const auto t = TopBetoltes(a.Poziciok[0], jatek, vanAdatbazis, db.HuzasDb(), u);
    if (!t) return KilepesHiba;
    ValtozatokKiirasa(t->Sor, t->Bontas);
    return 0;
}

} // namespace varion::cli
