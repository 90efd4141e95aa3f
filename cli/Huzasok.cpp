// The draw database from the command line: importing the operator's history, listing the
// draws and their statistics.
#include <filesystem>
#include <iostream>

#include "Argumentumok.h"
#include "KonzolUzenetek.h"
#include "Parancsok.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasImport.h"
#include "draws/HuzasStatisztika.h"
#include "game/Jatek.h"
#include "io/FajlMentes.h"

namespace varion::cli {

namespace {

std::optional<int> JatekOpcio(const Argumentumok& a) {
    const auto g = a.Opcio("jatek");
    if (!g) return std::nullopt;
    const auto j = EgeszSzam(*g);
    if (!j || !ErvenyesJatek(*j)) return std::nullopt;
    return j;
}

// Loads FILE.ldb of the game; false after the message when it cannot be used.
bool Betoltes(const std::string& fajl, int jatek, HuzasAdatbazis& db) {
    KonzolUzenetek u;
    return db.HuzasokBe(fajl, jatek, u) == BetoltesEredmeny::Rendben;
}

} // namespace

int ImportParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"jatek", "ki"}, {}, a)) return Hiba(*h);
    const auto jatek = JatekOpcio(a);
    if (!jatek) return Hiba("a --jatek kötelező: 5, 6 vagy 7");
    const auto ki = a.Opcio("ki");
    if (!ki || a.Poziciok.size() != 1)
        return Hiba("használat: varion-cli import --jatek G FÁJL.csv --ki FÁJL.ldb");
    const auto csv = io::FajlBeolvasas(a.Poziciok[0]);
    if (!csv) return Kudarc("nem olvasható: " + a.Poziciok[0]);
    HuzasAdatbazis db(*jatek);
    const bool volt = std::filesystem::exists(*ki);
    if (volt && !Betoltes(*ki, *jatek, db)) return KilepesHiba;
    KonzolUzenetek u;
    // The prizes go beside the draws; a damaged prize file is left as it is.
    auto nyeremenyek = NyeremenyTar::Betoltes(NyeremenyFajl(*ki), *jatek);
    if (!nyeremenyek) {
        u.HibaUzenet(nyeremenyek.error());
        return KilepesHiba;
    }
    const auto hozzaadva =
        HuzasImport(db, std::string_view(reinterpret_cast<const char*>(csv->data()), csv->size()),
                    u, &*nyeremenyek);
    if (!hozzaadva) return KilepesHiba;
    const auto adat = db.Kodolas(SajatVerzio());
    if ((*hozzaadva > 0 || !volt) && (!adat || !io::BiztosMentes(*ki, *adat))) {
        u.HibaUzenet(AdatbazisIrasHibaSzoveg);
        return KilepesHiba;
    }
    if (!nyeremenyek->Mentes(NyeremenyFajl(*ki), SajatVerzio())) {
        u.HibaUzenet(NyeremenyIrasHibaSzoveg);
        return KilepesHiba;
    }
    std::cout << HozzaadvaSzoveg(*hozzaadva) << '\n';
    return 0;
}

int HuzasokParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"jatek"}, {}, a)) return Hiba(*h);
    const auto jatek = JatekOpcio(a);
    if (!jatek || a.Poziciok.size() != 1)
        return Hiba("használat: varion-cli huzasok --jatek G FÁJL.ldb");
    HuzasAdatbazis db(*jatek);
    if (!Betoltes(a.Poziciok[0], *jatek, db)) return KilepesHiba;
    std::string ki;
    for (int i = 0; i < db.HuzasDb(); ++i) {
        const auto s = db.Sor(i);
        for (std::size_t k = 0; k < s.size(); ++k) {
            if (k > 0) ki += ' ';
            ki += std::to_string(s[k]);
        }
        ki += '\n';
    }
    std::cout << ki;
    return 0;
}

int StatisztikaParancs(const std::vector<std::string>& args) {
    Argumentumok a;
    if (auto h = Feldolgozas(args, {"jatek", "tol", "ig"}, {}, a)) return Hiba(*h);
    const auto jatek = JatekOpcio(a);
    if (!jatek || a.Poziciok.size() != 1)
        return Hiba("használat: varion-cli statisztika --jatek G FÁJL.ldb [--tol a --ig b]");
    HuzasAdatbazis db(*jatek);
    if (!Betoltes(a.Poziciok[0], *jatek, db)) return KilepesHiba;
    Tartomany t = TeljesTartomany(db.HuzasDb());
    if (const auto tol = a.Opcio("tol")) {
        const auto v = EgeszSzam(*tol);
        if (!v) return Hiba("a --tol értéke egy húzás sorszáma");
        t.Elso = *v;
    }
    if (const auto ig = a.Opcio("ig")) {
        const auto v = EgeszSzam(*ig);
        if (!v) return Hiba("az --ig értéke egy húzás sorszáma");
        t.Utolso = *v;
    }
    if (t.Elso < 1 || t.Utolso > db.HuzasDb() || t.Elso > t.Utolso)
        return Hiba("a tartomány 1.." + std::to_string(db.HuzasDb()) + " között lehet");
    const auto gy = HanyszorHuztak(db, t);
    const auto ota = HanyHuzasOta(db, t);
    std::string ki;
    for (std::size_t i = 0; i < gy.size(); ++i)
        ki += std::to_string(i + 1) + ' ' + std::to_string(gy[i]) + ' ' + std::to_string(ota[i]) +
              '\n';
    std::cout << ki;
    return 0;
}

} // namespace varion::cli
