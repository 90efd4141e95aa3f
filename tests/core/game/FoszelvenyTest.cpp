#include <gtest/gtest.h>

#include "app/FoablakParancsok.h"
#include "game/Foszelveny.h"
#include "game/Jatek.h"
#include "game/SzelvenyGeometria.h"
#include "game/VelSzam.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using teszt::SorozatVeletlen;

struct Kornyezet : FoszelvenyKornyezet {
    bool bontas = false, feltetel = false, eldobhato = true;
    int torlesek = 0, nullazas = 0, ajanlas = 0;
    std::vector<int> stat;
    void FeltetelekTorlese() override { ++torlesek; }
    bool VanKeszBontas() const override { return bontas; }
    bool VanFeltetel() const override { return feltetel; }
    bool BontasEldobhato() override { return eldobhato; }
    void VisszatoltesAjanlasa() override { ++ajanlas; }
    void JelolesFajtaNullazas() override { ++nullazas; }
    std::optional<std::vector<int>> HuzasStatisztika(NezetMod) override {
        if (stat.empty()) return std::nullopt;
        return stat;
    }
};

struct Szelveny {
    explicit Szelveny(int jatek, std::vector<int> vel = {0})
        : v(std::move(vel)), f(jatek, k, u, v, a) {}
    Kornyezet k;
    RogzitoUzenetek u;
    SorozatVeletlen v;
    FoablakAllapot a;
    TFoszelveny f;
    void Jelol(std::initializer_list<int> sz, int fajta = 0) {
        for (int n : sz) f.Kattintas(n, fajta);
    }
};

TEST(SzelvenyGeometria, MeretekEsTalalat) {
    const auto m5 = SzelvenyMeretezes(5, 0, 30, true, false, "  Főszelvény");
    EXPECT_EQ(KliensSzelesseg(m5), 314);
    EXPECT_EQ(CellaHelye(m5, 90), (Teglalap{282, 251, 30, 30}));
    EXPECT_EQ(m5.RiportMagassag, 80) << "the caption has 12 characters, not 13 bytes";
    EXPECT_EQ(KliensMagassag(m5), 30 * 9 + 80 + 9 + 4);
    EXPECT_EQ(Talalat(m5, 282, 251), 90);
    EXPECT_EQ(Talalat(m5, 311, 280), 90);
    EXPECT_EQ(Talalat(m5, 312, 280), 0) << "past the last column";
    EXPECT_EQ(Talalat(m5, 33, 3), 0) << "the gap between cells 1 and 2";
    EXPECT_EQ(Talalat(m5, 34, 3), 2);
    EXPECT_EQ(Talalat(m5, 2, 10), 0) << "the margin is not cell 1";
    EXPECT_EQ(Talalat(m5, -30, 10), 0);

    const auto m6 = SzelvenyMeretezes(6, 0, 30, true, false, "  Főszelvény");
    const auto c45 = CellaHelye(m6, 45);
    EXPECT_EQ(c45, (Teglalap{3 + 2 * 31, 3 + 6 * 31, 30, 30}));
    EXPECT_EQ(Talalat(m6, c45.Bal + 5, c45.Felso + 5), 45);
    EXPECT_EQ(Talalat(m6, c45.Bal + 31 + 5, c45.Felso + 5), 0) << "empty place of the last row";

    EXPECT_EQ(SzelvenyMeretezes(6, 5, 30, true, true, "  Számsor keresés").RiportMagassag, 110);
    EXPECT_EQ(SzelvenyMeretezes(5, 5, 30, true, true, "  Számsor keresés").RiportMagassag, 95);
    const auto m4 = SzelvenyMeretezes(7, 4, 30, false, false, "  Számsor beolvasása ");
    EXPECT_EQ(KliensMagassag(m4), 30 * 7 + 7 + 4);
    const auto gomb = GombElrendezes(SzelvenyMeretezes(5, 2, 30, true, true, "x"));
    EXPECT_EQ(gomb.KilepesSzelesseg, 314 / 2 - 6);
    EXPECT_EQ(gomb.TorlesBal, gomb.KilepesSzelesseg + 9);

    EXPECT_EQ(BillentyuJelolesFajta(true, false, false), 100);
    EXPECT_EQ(BillentyuJelolesFajta(false, true, false), 50);
    EXPECT_EQ(BillentyuJelolesFajta(true, true, false), 0);
}

TEST(Foszelveny, FixHatarEsTiltottValtasok) {
    Szelveny s(5);
    s.Jelol({1, 2, 3}, 50);
    s.u.Var(UzenetTipus::Figyelmeztetes, std::string(FixHatarSzoveg));
    s.Jelol({4}, 50);
    EXPECT_FALSE(s.f.Emelt(4));
    EXPECT_EQ(s.k.nullazas, 1);
    EXPECT_EQ(s.f.ValtozoSzamDb(), 2);
    EXPECT_EQ(s.f.Szamok().FixSzamok(), (Szamsor{1, 2, 3}));

    s.Jelol({10});
    s.Jelol({1});       // plain click on a fixed number
    s.Jelol({10}, 100); // CTRL on a normal mark
    s.Jelol({10}, 50);  // SHIFT on a normal mark
    EXPECT_TRUE(s.f.Emelt(1));
    EXPECT_TRUE(s.f.Fix(1));
    EXPECT_EQ(s.f.Szamok().JeloltSzamok(), (Szamsor{10}));
    EXPECT_FALSE(s.f.Allando(10));
    EXPECT_EQ(s.f.CellaAdat(10).Sugo, " Kijelölt szám (10) törlése. ");
    EXPECT_EQ(s.f.CellaAdat(1).Sugo,
              " Fix szám (1). Törlése a SHIFT billentyű lenyomása mellett... ");

    s.Jelol({2}, 50); // SHIFT again takes the fixed mark back
    EXPECT_FALSE(s.f.Emelt(2));
    EXPECT_EQ(s.f.Szamok().FixSzamok(), (Szamsor{1, 3}));
    EXPECT_EQ(s.f.CellaAdat(2).Sugo, " Szám (2) kijelölése. ");
    EXPECT_TRUE(s.u.ElfogyottAForgatokonyv());
}

TEST(Foszelveny, AllandoSzamokCsereVegereTorlessel) {
    Szelveny s(5);
    s.Jelol({4, 9, 12, 30}, 100);
    s.Jelol({9}, 100);
    EXPECT_EQ(s.f.Szamok().AllandoSzamok(), (Szamsor{30, 4, 12}));
    EXPECT_EQ(s.f.Szamok().JeloltSzamok(), (Szamsor{4, 12, 30})) << "marking order kept";
    s.Jelol({4});
    EXPECT_TRUE(s.f.Allando(4)) << "a plain click leaves a constant number alone";
}

TEST(Foszelveny, FrissitesFixSzamraIsLefutEsMenuk) {
    Szelveny s(6);
    s.Jelol({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(s.a[Menu::Feltetelek].Engedelyezve);
    EXPECT_FALSE(s.a[Menu::Bontas].Engedelyezve);
    s.Jelol({7}, 50); // the seventh number is a fixed one
    EXPECT_TRUE(s.a[Menu::Feltetelek].Engedelyezve);
    EXPECT_TRUE(s.a[Menu::Bontas].Engedelyezve);
    EXPECT_EQ(s.a[Parancs::Start].Sugo, " Bontás készítése. ");
    EXPECT_EQ(s.a[Parancs::FixSzamok].Sugo, " Fix szám(ok) törlése. ");
    EXPECT_EQ(s.f.RiportSzoveg(), " Kijelölve  :  7 szám\r  - fix     :  1\r  - állandó :  0\r"
                                  "  - véletlen:  0\r Számsorrend: Változatlan");
    s.Jelol({7}, 50);
    EXPECT_FALSE(s.a[Menu::Bontas].Engedelyezve);
    EXPECT_EQ(s.a[Parancs::Start].Sugo, " Nincs kijelölt számsor, nem készíthető bontás. ");
    EXPECT_GE(s.k.torlesek, 8) << "every change clears the conditions";
}

TEST(Foszelveny, UjFoszelvenyEsVeletlenParancsokAllapota) {
    Szelveny s(5);
    EXPECT_FALSE(s.a[Parancs::UjFoszelveny].Engedelyezve);
    s.Jelol({5, 6}, 100);
    EXPECT_EQ(s.a[Parancs::UjFoszelveny].Sugo, " Csak állandó számok vannak kijelölve. ");
    s.Jelol({7});
    EXPECT_TRUE(s.a[Parancs::UjFoszelveny].Engedelyezve);
    for (int n = 8; n <= 87; ++n) s.Jelol({n});
    EXPECT_EQ(s.f.Szamok().Kijelolve(), 83);
    for (int n = 88; n <= 92 && s.f.Szamok().Kijelolve() < 87; ++n) s.Jelol({n - 87});
    EXPECT_EQ(s.f.Szamok().Kijelolve(), 87);
    EXPECT_TRUE(s.a[Parancs::VeletlenSzam].Engedelyezve) << "87 < 90 - 2";
    s.Jelol({88});
    EXPECT_FALSE(s.a[Parancs::VeletlenSzam].Engedelyezve);
    EXPECT_EQ(s.a[Parancs::VeletlenSzamok].Sugo,
              " Nincs értelme több véletlen szám kijelölésének. ");
    EXPECT_FALSE(s.a[Parancs::KijelolesMind].Engedelyezve);
}

TEST(Foszelveny, TorlesParancsokEsKerdesek) {
    Szelveny s(5);
    s.Jelol({1, 2}, 50);
    s.Jelol({10, 11}, 100);
    s.Jelol({20, 21});
    s.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", false);
    s.f.UjFoszelveny();
    EXPECT_EQ(s.f.Szamok().Kijelolve(), 6) << "no keeps everything";
    s.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", true);
    s.f.UjFoszelveny();
    EXPECT_EQ(s.f.Szamok().JeloltSzamok(), (Szamsor{10, 11})) << "constant numbers stay";
    EXPECT_TRUE(s.f.Szamok().FixSzamok().empty());
    EXPECT_TRUE(s.f.Emelt(10));
    EXPECT_FALSE(s.f.Emelt(20));

    s.k.feltetel = true;
    s.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat és a feltételeket?");
    s.f.MindTorles();
    EXPECT_EQ(s.f.Szamok().Kijelolve(), 0);
    EXPECT_FALSE(s.f.Emelt(10));
    EXPECT_EQ(s.f.ValtozoSzamDb(), 5);

    s.Jelol({3});
    s.k.bontas = true;
    s.u.Var(UzenetTipus::JovahagyasKeres,
            "Biztos törli a kijelölt számokat, a feltételeket, valamint a kész bontás listáját?",
            false);
    EXPECT_FALSE(s.f.TorlesJovahagyas());
    s.f.Szamok().SzamsorMentve = true;
    EXPECT_TRUE(s.f.TorlesJovahagyas()) << "a saved row goes without asking";
    EXPECT_TRUE(s.u.ElfogyottAForgatokonyv());
}

TEST(Foszelveny, BontasSzamaiCsakANormalJeloleseketTorli) {
    Szelveny s(5, {40, 50});
    s.Jelol({1, 2, 3});
    s.Jelol({4}, 100);
    s.f.EgyVeletlenSzam();
    s.f.EgyVeletlenSzam();
    EXPECT_EQ(s.f.Szamok().VeletlenSzamok(), (Szamsor{41, 51}));
    EXPECT_EQ(s.f.CellaAdat(41).Sugo, " Véletlen szám (41) törlése. ");
    s.Jelol({41}); // a plain click takes a random number back as random
    EXPECT_EQ(s.f.Szamok().VeletlenSzamok(), (Szamsor{51}));
    s.f.BontasSzamaiTorles();
    EXPECT_EQ(s.f.Szamok().JeloltSzamok(), (Szamsor{4, 51}));
    EXPECT_FALSE(s.a[Parancs::BontasSzamai].Engedelyezve);
    s.f.VeletlenTorles();
    s.f.AllandoTorles();
    EXPECT_EQ(s.f.Szamok().Kijelolve(), 0);
}

TEST(Foszelveny, VeletlenSzamSohaNemEsikJeloltre) {
    // The sequence first offers numbers already taken.
    Szelveny s(7, {0, 1, 2, 3, 4});
    s.Jelol({1, 2, 3}, 50);
    s.Jelol({4});
    s.f.EgyVeletlenSzam();
    EXPECT_EQ(s.f.Szamok().VeletlenSzamok(), (Szamsor{5}));
    // A full ticket offers nothing to draw and does not hang.
    Szelveny tele(7);
    for (int n = 1; n <= 35; ++n) tele.Jelol({n});
    tele.f.EgyVeletlenSzam();
    EXPECT_TRUE(tele.f.Szamok().VeletlenSzamok().empty());
}

TEST(Foszelveny, ZarolasEsFeloldas) {
    Szelveny s(5);
    s.Jelol({5, 6});
    s.f.Zarolas();
    EXPECT_EQ(s.f.Felirat(), "  Főszelvény zárolva");
    EXPECT_EQ(s.a[Parancs::Zarol].Felirat, "Felold");
    EXPECT_EQ(s.a[Parancs::Zarol].Kepe, Kep::Felold);
    EXPECT_FALSE(s.a.Hasznalhato(Parancs::Otoslotto)) << "no game switch while locked";
    EXPECT_FALSE(s.a.Hasznalhato(Parancs::MindenSzam));
    EXPECT_EQ(s.a[Parancs::VeletlenSzam].Sugo,
              " A főszelvény zárolva van.\r Feloldásához nyomja meg az F9 billentyűt. ");
    s.Jelol({7});
    EXPECT_FALSE(s.f.Emelt(7)) << "clicks are ignored";
    s.f.Feloldas();
    EXPECT_EQ(s.f.Felirat(), "  Főszelvény");
    EXPECT_EQ(s.a[Parancs::Zarol].Felirat, "Zárol");
    EXPECT_EQ(s.a[Menu::Jatek].Sugo, " Lottójátékok. ");
    EXPECT_TRUE(s.a.Hasznalhato(Parancs::Hatoslotto));
    EXPECT_TRUE(s.a.Hasznalhato(Parancs::VeletlenSzam));
}

TEST(Foszelveny, NezetekCellaSzovegei) {
    Szelveny s(7);
    s.k.stat.assign(35, 0);
    s.k.stat[6] = 0; // 7 came in the last draw
    s.k.stat[0] = 12;
    s.f.Nezet(NezetMod::HanyHuzasOta);
    EXPECT_EQ(s.f.Felirat(), "  Hány húzás óta nem került elő...");
    EXPECT_EQ(s.f.CellaSzoveg(7), "-");
    EXPECT_EQ(s.f.CellaSzoveg(1), "12");
    EXPECT_TRUE(s.a[Parancs::HanyHuzasOta].Bejelolve);
    s.Jelol({9, 3});
    s.Jelol({20}, 50);
    s.f.Nezet(NezetMod::Sorrend);
    EXPECT_EQ(s.f.CellaSzoveg(9), "1.");
    EXPECT_EQ(s.f.CellaSzoveg(3), "2.");
    EXPECT_EQ(s.f.CellaSzoveg(20), "1.");
    EXPECT_EQ(s.f.CellaSzoveg(4), "-");
    EXPECT_TRUE(s.f.SetSzamsorrend(Szamsorrend::Novekvo));
    EXPECT_EQ(s.f.CellaSzoveg(3), "1.") << "the view follows a reorder";
    s.k.stat.clear();
    s.f.Nezet(NezetMod::Hanyszor);
    EXPECT_EQ(s.f.GetNezetMod(), NezetMod::Sorrend) << "without draws the view stays";
}

TEST(Foszelveny, SajatSzamokkalCsakAJatekAllandoSzamaivalFixNelkul) {
    Szelveny s(5);
    const auto& sajat = s.a[Parancs::SajatSzamokkal];
    const std::string kesz = " Példabontás készítése saját számok alapján. ";
    const std::string ures = kesz + "\r Jelöljön ki az üres főszelvényen 5 darab állandó számot. ";
    EXPECT_FALSE(sajat.Engedelyezve);
    EXPECT_EQ(sajat.Sugo, ures);
    s.Jelol({4, 9, 12, 30, 41}, 100);
    EXPECT_TRUE(sajat.Engedelyezve);
    EXPECT_EQ(sajat.Sugo, kesz);
    // The naive rule counted only the marked and the constant numbers, and only while two or
    // more were marked: it stayed enabled here (conditions of five numbers for rows of three,
    // an empty breakdown) and on the ticket that "Minden szám" emptied below.
    s.Jelol({1, 2}, 50);
    EXPECT_FALSE(sajat.Engedelyezve);
    EXPECT_EQ(sajat.Sugo, kesz + "\r Fix számokkal nem készíthető példabontás: a feltételek a "
                                 "teljes számsorra vonatkoznak. ");
    s.f.FixTorles();
    EXPECT_TRUE(sajat.Engedelyezve);
    s.Jelol({7});
    EXPECT_FALSE(sajat.Engedelyezve) << "a sixth, plain number";
    s.Jelol({7});
    EXPECT_TRUE(sajat.Engedelyezve);
    s.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?");
    s.f.MindTorles();
    EXPECT_FALSE(sajat.Engedelyezve) << "an emptied ticket has nothing to make an example of";
    EXPECT_EQ(sajat.Sugo, ures);
}

TEST(VelSzam, TartomanyEsSzerkesztes) {
    EXPECT_EQ(VelSzamHatarok(35 - 30).Maximum, 3);
    EXPECT_EQ(VelSzamHatarok(35 - 30).Minimum, 2);
    const auto egy = VelSzamHatarok(90 - 87);
    EXPECT_EQ(egy.Minimum, 1);
    EXPECT_EQ(egy.Maximum, 1);
    EXPECT_EQ(VelSzamSugo({2, 30}), " Minimum  : 2\r Maximum : 30 ");
    EXPECT_EQ(VelSzamSzovegValtozas("45", 30), "");
    EXPECT_EQ(VelSzamSzovegValtozas("0", 30), "");
    EXPECT_EQ(VelSzamSzovegValtozas("12", 30), "12");
    EXPECT_TRUE(VelSzamElhagyasHibas("1", {2, 30}));
    EXPECT_TRUE(VelSzamElhagyasHibas("", {2, 30}));
    EXPECT_FALSE(VelSzamElhagyasHibas("1", egy)) << "the only count of a 1..1 range";
    EXPECT_EQ(VelSzamErtek("3", {2, 3}), 3);
    EXPECT_EQ(VelSzamErtek("4", {2, 3}), 0);
    EXPECT_FALSE(VelSzamBillentyuEngedett(U'a'));
    EXPECT_TRUE(VelSzamBillentyuEngedett(U'\b'));
}

} // namespace
} // namespace varion
