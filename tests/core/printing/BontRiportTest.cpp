#include <gtest/gtest.h>

#include <algorithm>

#include "printing/BontRiport.h"
#include "printing/Feltetelleiras.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

const RiportFejlec Fejlec{"Varion", "1.6.0.2", "2024.05.17."};
const std::string Vonal(90, '-');

struct Kesz {
    TBontas Bontas;
    FeltetelKeszlet Feltetelek;
    BontasRiportAdatok Adatok;
};

void Keszit(Kesz& k, int jatek, const Szamsor& jelolt, const Szamsor& fix,
            const FeltetelAdatok& f = {}) {
    teszt::RogzitoUzenetek u;
    u.MindentElfogad();
    k.Feltetelek = teszt::Keszlet(f, jelolt, jatek);
    ASSERT_TRUE(teszt::Bontas(k.Bontas, u, jatek, jelolt, &k.Feltetelek, fix));
    k.Adatok.Bontas = &k.Bontas;
    k.Adatok.Feltetelek = &k.Feltetelek;
    k.Adatok.FixSzamok = fix;
    k.Adatok.JegyAr = 200;
    k.Adatok.HuzasDb = 100;
    k.Adatok.HitTartomany = {1, 100};
}

TEST(BontRiport, Game5WithAFixedNumberLineByLine) {
    Kesz k;
    Keszit(k, 5, {3, 9, 17, 22, 30, 41}, {50});
    const std::string cim =
        "6 szám 1 fix számmal készített 0 hibapontos bontása 15 szelvényre - az "
        "Ötöslottón.";
    EXPECT_EQ(BontasCimsor(k.Adatok), cim);
    const std::vector<std::string> vart{
        "",
        cim,
        "Varion 1.6.0.2          Készült: 2024.05.17.                    1/1 oldal.",
        Vonal,
        "  Egy szelvény ára: 200 Ft.",
        "     A bontás költsége: 3 000 Ft.",
        "  A bontásra kijelölt számsor:",
        "                  3 -  9 - 17 - 22 - 30 - 41",
        "     A fix szám: 50",
        "  Nincs kijelölt feltétel.",
        Vonal,
        " Szelvény    1.   2.   3.   4.   5.                     Szelvény    1.   2.   3.   4.   "
        "5.",
        Vonal,
        "      1.   3 -  9 - 17 - 22 - 50                             9.   3 - 17 - 30 - 41 - 50",
        "      2.   3 -  9 - 17 - 30 - 50                            10.   3 - 22 - 30 - 41 - 50",
        "      3.   3 -  9 - 17 - 41 - 50                            11.   9 - 17 - 22 - 30 - 50",
        "      4.   3 -  9 - 22 - 30 - 50                            12.   9 - 17 - 22 - 41 - 50",
        "      5.   3 -  9 - 22 - 41 - 50                            13.   9 - 17 - 30 - 41 - 50",
        "      6.   3 -  9 - 30 - 41 - 50                            14.   9 - 22 - 30 - 41 - 50",
        "      7.   3 - 17 - 22 - 30 - 50                            15.  17 - 22 - 30 - 41 - 50",
        "      8.   3 - 17 - 22 - 41 - 50",
        Vonal,
        "Lista vége.",
    };
    EXPECT_EQ(RiportSzovegek(BontRiport(k.Adatok, Fejlec)), vart);
}

// Numbers are printed ascending whatever the marking order, and the fixed numbers follow;
// games 6 and 7 use their own column headers; euro prices keep two decimals.
TEST(BontRiport, UnorderedRowGame7EuroAndTwoFixedNumbers) {
    Kesz k;
    Keszit(k, 7, {30, 2, 18, 11, 25, 7, 34}, {1, 35});
    k.Adatok.Euro = true;
    k.Adatok.JegyAr = 1.5;
    const auto s = RiportSzovegek(BontRiport(k.Adatok, Fejlec));
    EXPECT_EQ(s[1], "7 szám 2 fix számmal készített 0 hibapontos bontása 21 szelvényre - a "
                    "Skandináv lottón.");
    EXPECT_EQ(s[4], "  Egy szelvény ára: 1,50 Euro");
    EXPECT_EQ(s[5], "     A bontás költsége: 31,50 Euro");
    EXPECT_EQ(s[7], "                 30 -  2 - 18 - 11 - 25 -  7 - 34");
    EXPECT_EQ(s[8], "   A fix számok:  1 - 35");
    EXPECT_EQ(s[11],
              " Szelvény   1.   2.   3.   4.   5.   6.   7.   Szelvény   1.   2.   3.   4.   "
              "5.   6.   7.");
    // first ticket: positions 1..5 of the row = 30, 2, 18, 11, 25
    EXPECT_TRUE(s[13].starts_with("      1.   2 - 11 - 18 - 25 - 30 -  1 - 35"));
}

// With many summary lines the first page holds fewer tickets; counting the summary lines as
// ticket slots (one line for two tickets' worth) would call this one page and leave the
// second page's header reading "1/1".
TEST(BontRiport, PageCountFollowsTheLinesWritten) {
    Kesz k;
    Keszit(k, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {80, 90}); // C(10,3) = 120 tickets
    const Riport r = BontRiport(k.Adatok, Fejlec);
    const auto s = RiportSzovegek(r);
    // 6 summary lines leave 58 lines: 116 tickets on page 1, 4 on page 2
    EXPECT_TRUE(s[2].ends_with("1/2 oldal."));
    const auto vege = std::ranges::find_if(r, [](const RiportSor& x) { return x.OldalVege; });
    ASSERT_NE(vege, r.end());
    const auto p2 = static_cast<std::size_t>(vege - r.begin()) + 1;
    EXPECT_EQ(s[p2 + 1].substr(s[p2 + 1].size() - 10), "2/2 oldal.");
    EXPECT_EQ(s[p2 + 3], std::string(BontRiportOszlopok(5, false)));
    EXPECT_TRUE(s[p2 + 5].starts_with("    117."));
    EXPECT_TRUE(s[p2 + 5].find("119.") != std::string::npos);
    EXPECT_EQ(s[p2 + 7], Vonal);
    EXPECT_EQ(std::ranges::count_if(r, [](const RiportSor& x) { return x.OldalVege; }), 1);
}

TEST(BontRiport, ConditionBlocksInTheirOrder) {
    FeltetelAdatok f;
    f.FavBe = 1;
    f.FavSzamai = 2;
    f.FavSzamaiMax = 6;
    f.FavTalalat = f.FavTalalatMax = 2;
    f.SzcsParosBe = 1;
    f.SzcsParosFix = 1;
    f.SzcsParosTipus = 1;
    f.SzcsParos = 1;
    f.SzcsParosMax = 3;
    f.SzvIsmetBe = 1;
    f.SzvIsmetEgy = 0;
    f.TalArBe = 1;
    f.TalArKeresett = 0;
    f.TalArTalalat = 3;
    f.TalArTalalatMax = 4;
    f.EsemOsszegBe = 1;
    f.EsemOsszFix = 60;
    f.EsemOsszMax = 200;
    f.IkerszamBe = 1;
    f.Ikerszam = f.IkerszamMax = 1;
    f.TukorszamBe = 1;
    Kesz k;
    Keszit(k, 5, {11, 12, 21, 33, 40, 47, 58, 66, 72, 85}, {}, f);
    k.Adatok.HitTartomany = {10, 60};
    const auto s = BontasAdatai(k.Adatok);
    const std::vector<std::string> vart{
        "  Favorizált számok feltétel.",
        "            A favorizált számcsoport számainak mennyisége a(z) 2. - 6. számig terjed",
        "              - a számcsoporton belül, szelvényenként pontosan 2 találat lehet.",
        "",
        "  Számcsoport páros/páratlan aránya feltétel.",
        "            A páros-páratlan számcsoportok eloszlásának aránya szerint:",
        "              - fixen meghatározott arányban, minimum 1, maximum 3 páros számcsoport",
        "                lehet egy szelvényen.",
        "",
        "  Találati arány feltétel.",
        "            Kizárt találati arány alkalmazása:",
        "              - a(z) 10. - 60. sorsolások nyerőszámaival összehasonlítva egy szelvényt,",
        "                minimum 3, maximum 4 találatok esetén kiválogatva",
        "              - a bontás listája, a számsor variációja alapján készült",
        "",
        "  Számvégződés ismétlődés feltétel.",
        "            Nem ismétlődhet számvégződés a szelvényeken.",
        "",
        "  Számsor összege feltétel.",
        "            A szelvények számsorainak összege, minimum 60, maximum 200 lehet.",
        "",
        "  Ikerszám feltétel.",
        "            Egy szelvényen, pontosan 1 darab ikerszám szerepelhet.",
        "",
        "  Tükörszám feltétel.",
        "            Nem szerepelhetnek tükörszámok a szelvényeken.",
        "",
    };
    ASSERT_GE(s.size(), 4 + vart.size());
    EXPECT_EQ(
        std::vector<std::string>(s.begin() + 4, s.begin() + 4 + static_cast<long>(vart.size())),
        vart);
}

// The other wording of each block: variable ratios, one or several repeating, the sought
// ratio over every draw, ranges of twins and mirror pairs.
TEST(BontRiport, ConditionBlocksOtherWording) {
    FeltetelAdatok f;
    f.MobBe = 1;
    f.MobSzamai = 4;
    f.MobTalalatMax = 2;
    f.FixBe = 1;
    f.FixSzamai = 3;
    f.FixTalalatMax = 1;
    f.SzcsParosBe = 1;
    f.SzcsParosTipus = 0;
    f.SzcsIsmetBe = 1;
    f.SzcsIsmetEgy = 1;
    f.SzcsIsmet = f.SzcsIsmetMax = 2;
    f.TalArBe = 1;
    f.TalArKeresett = 1;
    f.TalArTalalat = f.TalArTalalatMax = 2;
    f.TalArHuzasok = 1;
    f.SzvParosBe = 1;
    f.SzvParosTipus = 1;
    f.SzvIsmetBe = 1;
    f.SzvIsmet = 1;
    f.SzvIsmetMax = 3;
    f.IkerszamBe = 1;
    f.Ikerszam = 0;
    f.IkerszamMax = 2;
    f.TukorszamBe = 1;
    f.Tukorszam = f.TukorszamMax = 1;
    std::vector<std::string> s;
    FeltetelSorok(s, f, true, {1, 40}, 40);
    const std::vector<std::string> vart{
        "  Mobil számcsoportok feltétel.",
        "            A mobil számcsoportok számainak mennyisége 4",
        "              - egy számcsoporton belül, szelvényenként legfeljebb 2 találat lehet.",
        "",
        "  Fix számcsoportok feltétel.",
        "            A fix számcsoportok számainak mennyisége 3",
        "              - egy számcsoporton belül, szelvényenként legfeljebb 1 találat lehet.",
        "",
        "  Számcsoport páros/páratlan aránya feltétel.",
        "            A páros-páratlan számcsoportok eloszlásának aránya szerint:",
        "              - változó arányban, több páratlan számcsoport lehet egy szelvényen.",
        "",
        "  Számcsoport ismétlődés feltétel.",
        "            Egy számcsoport ismétlődhet a szelvényeken, pontosan 2 esetben.",
        "",
        "  Találati arány feltétel.",
        "            Keresett találati arány alkalmazása:",
        "              - minden sorsolás nyerőszámait figyelembe véve.",
        "                pontosan 2 találat esetén kiválogatva",
        "              - a bontás listája, a húzások adatbázisa alapján készült",
        "",
        "  Számvégződés páros/páratlan arány feltétel.",
        "            A páros-páratlan számvégződések eloszlásának aránya szerint",
        "              - változó arányban, több páros számvégződés lehet egy szelvényen.",
        "",
        "  Számvégződés ismétlődés feltétel.",
        "            Több számvégződés ismétlődhet a szelvényeken, minimum 1, maximum 3 esetben.",
        "",
        "  Ikerszám feltétel.",
        "            Egy szelvényen minimum 0, maximum 2 darab ikerszám szerepelhet.",
        "",
        "  Tükörszám feltétel.",
        "            Egy szelvényen, pontosan 1 darab tükörszám pár szerepelhet.",
        "",
    };
    EXPECT_EQ(s, vart);

    s.clear();
    FeltetelSorok(s, f, false, {1, 40}, 40);
    EXPECT_EQ(s, std::vector<std::string>{"  Nincs kijelölt feltétel."});
}

// A breakdown made from the draw database counts nothing per number: without the skip
// every marked number would be listed as missing.
TEST(BontRiport, DrawsModeListsDrawNumbersAndNoMissingNumbers) {
    TBontas b;
    BetoltottBontas be;
    be.Jatek = 6;
    be.SorHossz = 6;
    be.MatrixSzelesseg = 6;
    be.BontasSzamok = {1, 5, 9, 13, 17, 21, 25, 29};
    be.Matrix = {40, 2, 17, 9, 33, 5, 1, 2, 3, 4, 5, 6};
    be.Sorok = 2;
    be.BontMutStat.assign(8, 0);
    be.TaroltHuzasok = {812, 1430, 0};
    be.HuzasMod = true;
    ASSERT_TRUE(b.BontasBetoltve(be));
    FeltetelKeszlet f;
    f.FeltetelJelzo = true;
    f.Adatok.TalArBe = 1;
    f.Adatok.TalArKeresett = 1;
    f.Adatok.TalArHuzasok = 1;
    f.Adatok.TalArTalalat = f.Adatok.TalArTalalatMax = 3;
    BontasRiportAdatok a{&b, &f};
    a.HuzasDb = 1500;
    a.HitTartomany = {1, 1500};
    const auto s = RiportSzovegek(BontRiport(a, Fejlec));
    for (const auto& x : s) EXPECT_EQ(x.find("hiányzik"), std::string::npos) << x;
    EXPECT_NE(std::ranges::find(s, "              - minden sorsolás nyerőszámait figyelembe véve."),
              s.end());
    EXPECT_NE(std::ranges::find(s, "              - a bontás listája, a húzások adatbázisa alapján "
                                   "készült"),
              s.end());
    const auto elso =
        std::ranges::find_if(s, [](const std::string& x) { return x.starts_with("      1.  "); });
    ASSERT_NE(elso, s.end());
    EXPECT_EQ(*elso, "      1.     812    2- 5- 9-17-33-40                      2.    1430    1- "
                     "2- 3- 4- 5- 6");
}

TEST(BontRiport, MissingNumbersAreListedInAnOrdinaryBreakdown) {
    FeltetelAdatok f;
    f.EsemOsszegBe = 1;
    f.EsemOsszFix = 15;
    f.EsemOsszMax = 20; // 1+2+3+4+5 .. : 40 never fits
    Kesz k;
    Keszit(k, 5, {1, 2, 3, 4, 5, 6, 40}, {}, f);
    const auto s = BontasAdatai(k.Adatok);
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[s.size() - 2],
              "  A kijelölt feltételek miatt, az alábbi 1 szám hiányzik a bontásból:");
    EXPECT_EQ(s.back(), "                 40");
}

TEST(BontRiport, VersionOfALoadedFileOrTheRunningProgram) {
    TBontas b;
    EXPECT_EQ(BontasVerzioSzoveg(b, {1, 6, 0, 2}), "1.6.0.2");
    BetoltottBontas be;
    be.SorHossz = 5;
    be.MatrixSzelesseg = 5;
    be.BontasSzamok = {1, 2, 3, 4, 5};
    be.Matrix = {0, 1, 2, 3, 4};
    be.Sorok = 1;
    be.BontMutStat.assign(5, 1);
    be.BetoltottVerzio = {1, 5, 0, 0};
    ASSERT_TRUE(b.BontasBetoltve(be));
    EXPECT_EQ(BontasVerzioSzoveg(b, {1, 6, 0, 2}), "1.5");
}

} // namespace
} // namespace varion
