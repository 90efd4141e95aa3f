// varion-cli: the program's core driven from the command line.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "Argumentumok.h"
#include "Parancsok.h"
#include "base/ProgramVerzio.h"

namespace {

using varion::cli::ParancsLeiras;

constexpr std::array<ParancsLeiras, 10> parancsok{{
    {"import", "--jatek G FÁJL.csv --ki FÁJL.ldb",
     "a lottótársaság húzásainak átvétele a húzások állományába (létrehozza vagy bővíti)",
     "  --jatek G      a játék: 5, 6 vagy 7\n"
     "  --ki FÁJL.ldb  a húzások állománya\n",
     varion::cli::ImportParancs},
    {"huzasok", "--jatek G FÁJL.ldb", "a húzások soronként: sorszám, év, hét, a kihúzott számok",
     "  --jatek G      a játék: 5, 6 vagy 7\n", varion::cli::HuzasokParancs},
    {"statisztika", "--jatek G FÁJL.ldb [--tol a --ig b]",
     "számonként: hányszor húzták, hány húzás óta nem húzták",
     "  --jatek G      a játék: 5, 6 vagy 7\n"
     "  --tol a        az első figyelembe vett húzás (alapból 1)\n"
     "  --ig b         az utolsó figyelembe vett húzás (alapból az utolsó)\n",
     varion::cli::StatisztikaParancs},
    {"bontas",
     "(--jatek G --szamok a,b,... [--fix x,y] | --tip FÁJL.tip [--huzasok FÁJL.ldb]) "
     "[--hibapont e] [--eloszlas] [--optimalizalt [--mp MP] [--mag MAG] [--lepes LÉPÉS]] "
     "[--lista] [--ki FÁJL.top]",
     "bontás a megadott számokból vagy egy számsor állományából, a feltételeivel",
     "  --jatek G         a játék: 5, 6 vagy 7 (--tip mellett az állományé)\n"
     "  --szamok a,b,...  a bontás számai\n"
     "  --fix x,y         fix számok (legfeljebb a játék mínusz 2)\n"
     "  --tip FÁJL.tip    számsor állománya: számok, feltételek, húzástartomány\n"
     "  --huzasok FÁJL    a húzások állománya a találati arány feltételhez\n"
     "  --hibapont e      hibapontok száma (0..3)\n"
     "  --eloszlas        eloszlás optimalizálás\n"
     "  --optimalizalt    optimalizált csökkentés: kevesebb szelvény ugyanazzal a garanciával\n"
     "  --mp MP           az optimalizálás időkerete másodpercben (1..3600, alapból 10)\n"
     "  --mag MAG         az optimalizálás véletlen magja (alapból az órából, kiírva)\n"
     "  --lepes LÉPÉS     időkeret helyett ennyi lépés: a kiírt maggal a futás megismétlődik\n"
     "  --lista           minden tárolt változat kiírása, soronként\n"
     "  --ki FÁJL.top     a bontás mentése (mellé a számsor .tip állománya)\n",
     varion::cli::Bontas},
    {"lista", "FÁJL.top [--huzasok FÁJL.ldb]", "egy bontás állományának változatai, soronként",
     "  --huzasok FÁJL    a húzások állománya (a húzásokból készült bontáshoz)\n",
     varion::cli::ListaParancs},
    {"garancia", "FÁJL.top [--hibapont e] [--huzasok FÁJL.ldb]",
     "egy bontás garanciájának ellenőrzése: a lefedetlen változatok száma és az elsők",
     "  --hibapont e      a vizsgált hibapont (alapból a bontás állományáé)\n"
     "  --huzasok FÁJL    a húzások állománya a találati arány feltételhez\n",
     varion::cli::GaranciaParancs},
    {"talalatok", "FÁJL.top (--szamok a,b,... [--plusz p] | --huzas N --huzasok FÁJL.ldb)",
     "a bontás változatai találati osztályonként egy számsor vagy egy húzás ellen",
     "  --szamok a,b,...  a kihúzott számok\n"
     "  --plusz p         a Hatoslottó pótszáma\n"
     "  --huzas N         a húzások állományának N. húzása (a Skandináv lottóban mindkét sora)\n"
     "  --huzasok FÁJL    a húzások állománya\n",
     varion::cli::TalalatokParancs},
    {"kereses", "--jatek G FÁJL.ldb --szamok a,b,... [--plusz p] [--tol a --ig b]",
     "egy számsor keresése a húzások között: osztályonként a találatok, majd a húzások",
     "  --jatek G         a játék: 5, 6 vagy 7\n"
     "  --szamok a,b,...  a keresett számok (legfeljebb a játék számai)\n"
     "  --plusz p         a Hatoslottó pótszáma\n"
     "  --tol a --ig b    a vizsgált húzások (alapból mind)\n",
     varion::cli::KeresesParancs},
    {"visszateszt", "FÁJL.top|FÁJL.tip --huzasok FÁJL.ldb [--tol N] [--ig N] [--ar FT] [--csv]",
     "mit nyert volna a bontás a múltbeli húzásokon, a valódi nyereményekkel",
     "  --huzasok FÁJL    a húzások állománya (mellette a nyeremények .nyr állománya)\n"
     "  --tol N --ig N    a vizsgált húzások (alapból mind)\n"
     "  --ar FT           egy szelvény ára forintban, minden sorsoláson ugyanaz (alapból 200)\n"
     "  --csv             az összesítés és az osztályok táblázata pontosvesszővel\n",
     varion::cli::VisszatesztParancs},
    {"eselyek",
     "(FÁJL.top|FÁJL.tip | --jatek G --szamok a,b,...) [--huzasok FÁJL.ldb [--tol N] [--ig N]] "
     "[--ar FT]",
     "a bontás pontos esélyei egy játékra és a várható nyeremény",
     "  --jatek G         a játék: 5, 6 vagy 7\n"
     "  --szamok a,b,...  a számok teljes bontása (a játék számánál több szám)\n"
     "  --huzasok FÁJL    a húzások állománya: az átlagos nyeremények forrása\n"
     "  --tol N --ig N    az átlagos nyeremények húzásai (alapból mind)\n"
     "  --ar FT           egy szelvény ára forintban (alapból 200)\n",
     varion::cli::EselyekParancs},
}};

void Sugo() {
    std::cout << "Használat: varion-cli PARANCS [argumentumok]\n"
                 "          varion-cli PARANCS --help\n\n"
                 "  --version   a program verziója\n"
                 "  --help      ez a lista\n\n"
                 "Parancsok:\n";
    for (const auto& p : parancsok) std::cout << "  " << p.Nev << ' ' << p.Hasznalat << '\n';
    std::cout << "\nKilépési kód: 0 siker, 1 a feladat nem sikerült, 2 hibás parancssor.\n";
}

void ParancsSugo(const ParancsLeiras& p) {
    std::cout << "Használat: varion-cli " << p.Nev << ' ' << p.Hasznalat << "\n\n"
              << p.Leiras << ".\n\n"
              << p.Opciok;
}

bool SugoKeres(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        Sugo();
        return varion::cli::KilepesHasznalat;
    }
    if (args[0] == "--version") {
        std::cout << "Varion " << varion::VerzioSzoveg(varion::SajatVerzio()) << '\n';
        return varion::cli::KilepesRendben;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        Sugo();
        return varion::cli::KilepesRendben;
    }
    for (const auto& p : parancsok) {
        if (p.Nev != args[0]) continue;
        const std::vector<std::string> sajat(args.begin() + 1, args.end());
        if (SugoKeres(sajat)) {
            ParancsSugo(p);
            return varion::cli::KilepesRendben;
        }
        return p.Futtatas(sajat);
    }
    return varion::cli::Hiba("ismeretlen parancs: " + args[0] + " (lásd: varion-cli --help)");
}
