#include <gtest/gtest.h>

#include <numeric>

#include "breakdown/UBontMegsz.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using U = UzenetTipus;

TEST(Haladas, PozicioHatvannegyBitenEsKisBontasSzazaleka) {
    BontasHaladas h;
    h.SorHossz = 5;
    h.TeljesSzelvszam = 43949268;
    h.BontMut = {60, 70, 80, 85, 89};
    h.BontMutMin = {0, 1, 2, 3, 4};
    h.BontMutMax = {85, 86, 87, 88, 89};
    // 60 * 86*87*88*89 alone exceeds 2^32
    const std::uint64_t varhato =
        (60ull * 86 * 87 * 88 * 89 + 69ull * 87 * 88 * 89 + 78ull * 88 * 89 + 82ull * 89 + 89) /
        120;
    EXPECT_EQ(BontasPozicio(h), varhato);
    EXPECT_EQ(BontasSzazalek(h), static_cast<int>(double(varhato) / 439492.68));
    // 199 variations at position 100: the integer divisor 199 / 100 = 1 would show 100 %;
    // the real divisor 1.99 gives 50 %.
    BontasHaladas k2;
    k2.SorHossz = 2;
    k2.TeljesSzelvszam = 199;
    k2.BontMut = {0, 200}; // position = 200 / 2!
    k2.BontMutMax = {200, 200};
    EXPECT_EQ(BontasSzazalek(k2), 50);

    BontasHaladas kicsi; // C(6, 5) = 6: no division by zero
    kicsi.SorHossz = 5;
    kicsi.TeljesSzelvszam = 6;
    kicsi.BontMut = {0, 1, 2, 3, 5};
    kicsi.BontMutMin = {0, 1, 2, 3, 4};
    kicsi.BontMutMax = {1, 2, 3, 4, 5};
    EXPECT_EQ(BontasSzazalek(kicsi), 0);
    kicsi.BontMut = {1, 2, 3, 4, 5};
    EXPECT_GE(BontasSzazalek(kicsi), 0);
    EXPECT_LE(BontasSzazalek(kicsi), 100);
}

TEST(Haladas, CimkekSzovegei) {
    BontasHaladas h;
    h.SorHossz = 2;
    h.TeljesSzelvszam = 1000;
    h.TaroltNyerSzelv = 1234567;
    h.Eltelt = std::chrono::milliseconds(3723045);
    const auto k = HaladasSzamitas(h, 300, false, false);
    EXPECT_EQ(k.IdoCimke, "A bontás elkészítésének időtartama:  1:02:03  -  045");
    EXPECT_EQ(k.SzelvSzamCimke, "1 234 567 db szelvény szükséges a játékhoz.");
    EXPECT_EQ(k.KoltsegCimke, "Bontás költsége: 370 370 100 Forint.");
    EXPECT_EQ(k.AlkalmazasCim, "Bontás: 0 %");
    EXPECT_EQ(k.FolyamatCimke, "Bontás folyamata: 0 %");
    EXPECT_EQ(HaladasSzamitas(h, 1.5, true, true).KoltsegCimke,
              "Bontás költsége: 1 851 850,50 Euro.");
    EXPECT_EQ(HaladasSzamitas(h, 1.5, true, true).AlkalmazasCim, "Varion");
    EXPECT_EQ(VegIdoSzoveg(std::chrono::milliseconds(0)),
              "A bontás elkészítésének időtartama kevesebb, mint 1 ezred mp.");
}

// While the optimised search runs, the count, the cost and the progress line follow its
// smallest cover; before its first cover they show the passes' rows.
TEST(Haladas, OptimalizalasAlattAKisebbFedesLatszik) {
    BontasHaladas h;
    h.SorHossz = 5;
    h.Hibapont = 1;
    h.TaroltNyerSzelv = 1043;
    h.Optimalizalas = true;
    auto k = HaladasSzamitas(h, 300, false, true);
    EXPECT_EQ(k.FolyamatCimke, "Optimalizálás: 1 043 szelvény");
    EXPECT_EQ(k.SzelvSzamCimke, "1 043 db szelvény szükséges a játékhoz.");
    h.OptimalisDb = 30;
    k = HaladasSzamitas(h, 300, false, true);
    EXPECT_EQ(k.FolyamatCimke, "Optimalizálás: 30 szelvény");
    EXPECT_EQ(k.SzelvSzamCimke, "30 db szelvény szükséges a játékhoz.");
    EXPECT_EQ(k.KoltsegCimke, "Bontás költsége: 9 000 Forint.");
    // the bar: the search's share of its budget, not the finished passes' 100 %
    h.OptimalisEltelt = std::chrono::milliseconds(2500);
    h.OptimalisIdo = std::chrono::milliseconds(10000);
    EXPECT_EQ(HaladasSzamitas(h, 300, false, false).Szazalek, 25);
    EXPECT_EQ(HaladasSzamitas(h, 300, false, false).AlkalmazasCim, "Bontás: 25 %");
    // with the lower bound and the budget known, the line tells how far off the end is
    h.OptimalisAlsoKorlat = 22;
    EXPECT_EQ(HaladasSzamitas(h, 300, false, false).FolyamatCimke,
              "Optimalizálás: 30 szelvény, alsó korlát: 22, hátra: 8 mp");
    h.OptimalisEltelt = std::chrono::milliseconds(10400); // the last steps after the budget
    EXPECT_EQ(HaladasSzamitas(h, 300, false, false).Szazalek, 100);
    EXPECT_EQ(HaladasSzamitas(h, 300, false, false).FolyamatCimke,
              "Optimalizálás: 30 szelvény, alsó korlát: 22, hátra: 0 mp");
    h.Optimalizalas = false; // the search ended: the engine's stored rows count again
    EXPECT_EQ(HaladasSzamitas(h, 300, false, true).SzelvSzamCimke,
              "1 043 db szelvény szükséges a játékhoz.");
    EXPECT_EQ(OptimalisMagSzoveg(123456789), "Optimalizált csökkentés, véletlen mag: 123456789");
    EXPECT_EQ(OptimalisVegSzoveg(123456789, 1500),
              "Optimalizált csökkentés, véletlen mag: 123456789, lépések: 1500");
}

// The tick refreshes the labels during a pass and during the search; a rule of error round
// >= 0 alone never showed the search, since the last pass leaves the round at -1.
TEST(Haladas, ATickAPassAlattEsAKeresesAlattFrissit) {
    BontasHaladas h;
    h.SorHossz = 5;
    h.BontStatus = 1;
    h.HibaKor = 0;
    EXPECT_TRUE(HaladasSzamitas(h, 300, false, true).Frissul);
    h.HibaKor = -1; // between the last pass and the end of the run
    EXPECT_FALSE(HaladasSzamitas(h, 300, false, true).Frissul);
    h.Optimalizalas = true;
    EXPECT_TRUE(HaladasSzamitas(h, 300, false, true).Frissul);
    h.BontStatus = 0; // stopped
    EXPECT_FALSE(HaladasSzamitas(h, 300, false, true).Frissul);
}

TEST(VegeUzenetek, UresBontasElsoNemTeljesultFeltetelVagyTalalatiArany) {
    FeltetelAdatok a;
    a.MobBe = a.SzvParosBe = a.IkerszamBe = 1;
    EXPECT_EQ(
        UresBontasUzenet(a, 0x0002),
        "Az alábbi feltétel nem teljesült:\r\r   »  Számvégződés páros/páratlan "
        "aránya\r\rKérem, gondolja újra a feltételek párosítását, illetve\raz alkalmazott "
        "logikai és/vagy numerikus értékeket.\r\rA feltétetelek párosításától függően az "
        "is előfordulhat,\rhogy nem a jelzett feltétel beállításai szorulnak korrekcióra!\r ");
    EXPECT_TRUE(
        UresBontasUzenet(a, 0x0442).starts_with("Az alábbi feltétel nem teljesült:\r\r   »  \r\r"));
    a.TalArBe = 1;
    EXPECT_EQ(UresBontasUzenet(a, 0),
              "Nem teljesült a találati arányok feltétel.\r\rÁllítson be más találati arányt!");
}

TEST(VegeUzenetek, HianyzoSzamokHetesevelSorokban) {
    const std::string v = "__________________________________  ";
    EXPECT_EQ(
        HianyzoSzamokUzenet({1, 2, 3, 4, 5, 6, 7, 10, 88}, true),
        "               A kijelölt feltételek miatt,\r   az alábbi 9 szám hiányzik a "
        "bontásból:    \r" +
            v + "\r\r       1       2       3       4       5       6       7\r\r     10     88\r" +
            v + "\r");
    EXPECT_TRUE(
        HianyzoSzamokUzenet({45}, false).starts_with("            A hibapontok száma miatt,\r"));
}

TEST(VegeUzenetek, FuttatasUtanAzUresBontasEsAHianyzoSzamokUzenete) {
    Szamsor sz(8);
    std::iota(sz.begin(), sz.end(), std::uint8_t{1});
    FeltetelAdatok a;
    a.EsemOsszegBe = 1;
    a.EsemOsszFix = a.EsemOsszMax = 1000; // never reached
    auto f = teszt::Keszlet(a, sz, 5);
    TBontas b;
    RogzitoUzenetek u;
    u.Var(U::HibaUzenet, UresBontasUzenet(a, 0));
    ASSERT_TRUE(teszt::Bontas(b, u, 5, sz, &f));
    EXPECT_EQ(b.GetBontStatus(), 0);
    EXPECT_EQ(b.Haladas().HibaKor, -1);

    // sums 15 exactly: only 1,2,3,4,5 - numbers 6, 7 and 8 are missing
    f.Adatok.EsemOsszFix = f.Adatok.EsemOsszMax = 15;
    u.Var(U::Figyelmeztetes, HianyzoSzamokUzenet({6, 7, 8}, true));
    ASSERT_TRUE(teszt::Bontas(b, u, 5, sz, &f));
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 1);
    EXPECT_EQ(b.GetBontStatus(), 1);
}

TEST(BontasTorles, MegerositesekSorrendje) {
    Szamsor sz{1, 2, 3, 4, 5, 6};
    TBontas b;
    RogzitoUzenetek u;
    FeltetelKeszlet f;
    EXPECT_TRUE(BontTorlesEng1(b, false, u)); // nothing to delete: no question
    ASSERT_TRUE(teszt::Bontas(b, u, 5, sz, &f));
    EXPECT_TRUE(BontTorlesEng1(b, true, u)); // saved: kept without asking
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 6);
    u.Var(U::JovahagyasKeres, std::string(TorlesKerdes), false);
    EXPECT_FALSE(BontTorlesEng1(b, false, u));
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 6);
    u.Var(U::JovahagyasKeres, std::string(TorlesKerdes), true);
    EXPECT_TRUE(BontTorlesEng2(b, f, false, u)); // no conditions: the plain question
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 0);

    FeltetelAdatok a;
    a.FavBe = 1;
    a.FavSzamai = 1;
    a.FavSzamaiMax = 3;
    a.FavTalalat = 0;
    a.FavTalalatMax = 3;
    f = teszt::Keszlet(a, sz, 5);
    ASSERT_TRUE(teszt::Bontas(b, u, 5, sz, &f));
    u.Var(U::JovahagyasKeres, std::string(FeltetelTorlesKerdes), true);
    EXPECT_TRUE(BontTorlesEng2(b, f, false, u));
    EXPECT_FALSE(f.FeltetelJelzo);
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 0);
    f = teszt::Keszlet(a, sz, 5);
    u.Var(U::JovahagyasKeres, std::string(CsakFeltetelTorlesKerdes), false);
    EXPECT_FALSE(BontTorlesEng2(b, f, false, u));
    EXPECT_TRUE(f.FeltetelJelzo);
}

} // namespace
} // namespace varion
