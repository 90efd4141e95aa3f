#include <gtest/gtest.h>

#include "conditions/FeltetelHatarok.h"
#include "support/BontasSegito.h"

namespace varion {
namespace {

FeltetelKeszlet Jelolt(const Szamsor& sz, int jatek) {
    FeltetelKeszlet k;
    SzamJelzoBeallitas(k, sz, jatek);
    return k;
}

TEST(BelepesiProba, AFeltetelekElutasitasaAJeloltSzamokMiatt) {
    // Five marked numbers in game 5: mobile groups need at least 9.
    auto k = Jelolt({1, 2, 3, 4, 5}, 5);
    auto e = BelepesiProba(Feltetel::Mob, k, 5, 5);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipus, UzenetTipus::HibaUzenet);
    EXPECT_EQ(e->Szoveg, "A kijelölt számsorral nem értelmezhető a feltétel!");
    EXPECT_FALSE(BelepesiProba(Feltetel::Mob, Jelolt({1, 2, 3, 4, 5, 6, 7, 8, 9}, 5), 5, 5));
    // Every number in one decade: no decade parity, no odd numbers missing.
    EXPECT_TRUE(BelepesiProba(Feltetel::SzcsParos, k, 5, 5));
    EXPECT_FALSE(BelepesiProba(Feltetel::SzvParos, k, 5, 5));
    EXPECT_TRUE(BelepesiProba(Feltetel::SzvParos, Jelolt({2, 4, 6, 8, 10, 12}, 5), 5, 5));
    // Twins: none marked; then refused because of the mirror pairs.
    EXPECT_TRUE(BelepesiProba(Feltetel::Ikerszam, k, 5, 5));
    auto t = Jelolt({11, 12, 21, 13, 31, 40}, 5);
    t.Adatok.TukorszamBe = 1;
    t.Adatok.Tukorszam = 2;
    e = BelepesiProba(Feltetel::Ikerszam, t, 5, 4);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tipus, UzenetTipus::Figyelmeztetes);
    EXPECT_EQ(e->Szoveg, "A tükörszámok kijelölése miatt, nem értelmezhető a feltétel!");
    t.Adatok.IkerszamBe = 1;
    t.Adatok.Ikerszam = 4;
    e = BelepesiProba(Feltetel::Tukorszam, t, 5, 5);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Szoveg, "Az ikerszámok kijelölése miatt, nem értelmezhető a feltétel!");
    // Repetition needs a decade holding two numbers and a number left over.
    EXPECT_FALSE(BelepesiProba(Feltetel::SzcsIsmet, Jelolt({1, 2, 13, 25, 37, 48}, 5), 5, 5));
    EXPECT_TRUE(BelepesiProba(Feltetel::SzcsIsmet, Jelolt({1, 12, 23, 34, 45, 56}, 5), 5, 5));
}

TEST(FavIgazitas, TartomanyokEsTalalatok) {
    FavAllas f;
    FavIgazitas(f, FavValtozas::Bekapcsolas, 10, 5);
    // The range 1..3 allows two hits at most; the last position stops before N.
    EXPECT_EQ(f.UtolsoH, (Hatar{3, 9}));
    EXPECT_EQ(f.MaxH.Felso, 2);
    EXPECT_EQ(f.MinH.Felso, 2);
    // Moving the first above last - 2 pushes the last along.
    f.Elso = 6;
    FavIgazitas(f, FavValtozas::Elso, 10, 5);
    EXPECT_EQ(f.Utolso, 8);
    EXPECT_EQ(f.UtolsoH.Felso, 10);
    // A range reaching the last number keeps the first above 1; outside it only 4 remain:
    // at least one of five must fall inside.
    f.Utolso = 10;
    f.Elso = 5;
    FavIgazitas(f, FavValtozas::Utolso, 10, 5);
    EXPECT_EQ(f.ElsoH.Also, 2);
    EXPECT_EQ(f.MaxH, (Hatar{1, 5}));
    f.Elso = 4;
    FavIgazitas(f, FavValtozas::Elso, 10, 5);
    EXPECT_EQ(f.MaxH.Also, 2); // outside 3 positions: two must fall inside
    f.Max = 2;
    f.Min = 4;
    FavIgazitas(f, FavValtozas::Min, 10, 5);
    EXPECT_EQ(f.Max, 4); // raising the minimum raises the maximum
}

TEST(CsoportIgazitas, MeretEsMaximumHatarai) {
    CsoportAllas c;
    CsoportIgazitas(c, true, 10, 5, 5); // fixed groups: size 2..5
    EXPECT_EQ(c.MeretH, (Hatar{2, 5}));
    EXPECT_EQ(c.MaxH, (Hatar{1, 1}));
    c.Meret = 5; // two groups of five must hold all five numbers: at least 3 in one
    CsoportIgazitas(c, true, 10, 5, 5);
    EXPECT_EQ(c.MaxH, (Hatar{3, 4}));
    EXPECT_EQ(c.Max, 3);
    CsoportAllas m;
    m.Meret = 4; // 11 numbers: groups 4, 4 and a short one
    CsoportIgazitas(m, false, 11, 5, 5);
    EXPECT_EQ(m.MeretH, (Hatar{2, 5}));
    EXPECT_EQ(m.MaxH, (Hatar{2, 3}));
}

TEST(ParosFeltetel, TobbCsakTobbsegnel) {
    // K 5: three of a kind is a majority, two is not.
    EXPECT_TRUE(TobbLehetseges(5, 3));
    EXPECT_FALSE(TobbLehetseges(5, 2));
    EXPECT_EQ(TobbElutasitas(true, true),
              "A kijelölt páros számcsoportok mennyisége, nem teszi lehetővé a beállítást!");
    EXPECT_EQ(TobbElutasitas(false, false),
              "A kijelölt páratlan számok mennyisége, nem teszi lehetővé a beállítást!");
    EXPECT_EQ(ParosHatar(5, 3, 4), (Hatar{1, 3}));
    EXPECT_EQ(ParosHatar(5, 4, 2), (Hatar{3, 4})); // two of the other kind: three of this
    EXPECT_EQ(ParosOsszegFigyelmeztetes(101),
              "Kérem, figyeljen a következőre!\r\rA számsor összege feltétel beállítása "
              "szerint, csak a\rpáratlan összegű számsorok vesznek részt a bontásban.");
}

TEST(IsmetSzamitas, KenyszeritettValasztasokEsATobbLepesei) {
    // One decade with three numbers: "Egy" only.
    auto k = Jelolt({1, 2, 3, 14, 25, 36, 47}, 5);
    auto r = IsmetSzamitas(SzcsIsmetAdatok(k), false, true, 5, 7, 5);
    EXPECT_EQ(r.Kenyszer, IsmetKenyszer::Egy);
    EXPECT_EQ(r.H, (Hatar{0, 2}));
    EXPECT_EQ(r.Uzenet, "A kijelölt számsor alapján, csak egy számcsoport ismétlődhet!");
    // Six numbers in game 5, two decades of three: several decades must repeat.
    auto t = Jelolt({1, 2, 3, 11, 12, 13}, 5);
    r = IsmetSzamitas(SzvIsmetAdatok(t), true, false, 5, 6, 5);
    EXPECT_EQ(r.Kenyszer, IsmetKenyszer::Tobb);
    EXPECT_EQ(r.H, (Hatar{2, 2}));
    EXPECT_EQ(r.Uzenet, "A kijelölt számsor alapján, csak több számvégződés ismétlődhet!");
    // "Több" never keeps 1 as a maximum: 2 steps down to 0 and 0 up to 2.
    const Hatar h{0, 3};
    EXPECT_EQ(TobbMaxLepes(2, 1, h), 0);
    EXPECT_EQ(TobbMaxLepes(0, 1, h), 2);
    EXPECT_EQ(TobbMinUtanMax(1, 1, h), 2);
    EXPECT_EQ(TobbMaxLepes(0, 1, {0, 1}), 0);
}

TEST(OsszegFeltetel, BeirtErtekekJavitasa) {
    FeltetelAdatok a;
    a.OsszegMin = 15;
    a.OsszegMax = 40;
    EXPECT_FALSE(SzomszedosSzamok({3, 4, 5, 7}));
    EXPECT_TRUE(SzomszedosSzamok({9, 12, 10, 11}));
    EXPECT_EQ(OsszegSugo(OsszegMinHatar(a, false)), " Minimum  : 15\r Maximum : 39 ");
    // Mobil: empty and out of range go to the bound; above the maximum to maximum - 1.
    EXPECT_EQ(OsszegMinEllenorzes(std::nullopt, 30, false, a).Ertek, 15);
    EXPECT_TRUE(OsszegMinEllenorzes(35, 30, false, a).Hibas);
    EXPECT_EQ(OsszegMinEllenorzes(35, 30, false, a).Ertek, 29);
    EXPECT_TRUE(OsszegMinEllenorzes(30, 30, false, a).Hibas); // equal is refused too
    EXPECT_FALSE(OsszegMinEllenorzes(40, 16, true, a).Hibas); // Fix: the whole range
    EXPECT_EQ(OsszegMaxEllenorzes(20, 25, a).Ertek, 26);
    EXPECT_EQ(OsszegMaxEllenorzes(99, 25, a).Ertek, 40);
    EXPECT_FALSE(OsszegMaxEllenorzes(26, 25, a).Hibas);
}

TEST(IkerTukor, KolcsonosHatarokEsHibapont) {
    FeltetelAdatok a;
    a.IkerszamDb = 3;
    a.TukorParDb = 2;
    EXPECT_EQ(IkerszamHatar(a, 5), (Hatar{0, 3}));
    a.TukorszamBe = 1;
    a.TukorszamMax = 2;
    EXPECT_EQ(IkerszamHatar(a, 5), (Hatar{0, 1}));
    a.IkerszamBe = 1;
    a.IkerszamMax = 2;
    EXPECT_EQ(TukorszamHatar(a, 5), (Hatar{0, 1}));
    a.TukorszamMax = 0;
    a.Ikerszam = 4;
    EXPECT_TRUE(TukorFeleslegesIkerMiatt(a, 5));
    // A twin step asks in either direction; a mirror step only upwards, and only about twins.
    const std::string_view tukorKerdes =
        "A beállított értékeket alkalmazva, nincs értelme a tükörszám feltétel kijelölésének!\r\r"
        "Törli a tükörszám feltétel kijelölését?";
    EXPECT_EQ(IkerTukorLepesKerdes(a, 5, false, false), tukorKerdes);
    EXPECT_EQ(IkerTukorLepesKerdes(a, 5, true, true), "");
    a.IkerszamMax = 0;
    a.TukorszamMax = 2;
    EXPECT_EQ(IkerTukorLepesKerdes(a, 4, true, false), "");
    EXPECT_EQ(IkerTukorLepesKerdes(a, 4, true, true),
              "A beállított értékeket alkalmazva, nincs értelme az ikerszám feltétel "
              "kijelölésének!\r\rTörli az ikerszám feltétel kijelölését?");
    EXPECT_EQ(HibapontHatar(3), (Hatar{0, 2}));
    EXPECT_EQ(HibapontIgazitas(3, 3), 0);
    EXPECT_EQ(HibapontIgazitas(3, 5), 3);
    // The error-point options follow the corrected value: 3 is no error point on 3 numbers.
    EXPECT_FALSE(HibapontosOpciok(0, 5));
    EXPECT_TRUE(HibapontosOpciok(1, 5));
    EXPECT_FALSE(HibapontosOpciok(3, 3));
    EXPECT_EQ(FixErtekSugo({2, 2}), " A beállítható érték minimuma és maximuma = 2.  ");
    EXPECT_EQ(FixErtekSugo({1, 2}), "");
}

} // namespace
} // namespace varion
