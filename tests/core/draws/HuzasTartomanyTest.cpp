#include <gtest/gtest.h>

#include "draws/HuzasStatisztika.h"
#include "draws/HuzasTartomany.h"

namespace varion {
namespace {

TEST(HuzasTartomany, KisAdatbazisokbanIsErvenyesMarad) {
    EXPECT_EQ(Igazitas({1, 2}, 2), (Tartomany{1, 2}));
    EXPECT_EQ(Igazitas({2, 2}, 2), (Tartomany{1, 2}));
    EXPECT_EQ(Igazitas({0, 0}, 1), (Tartomany{1, 1}));
    EXPECT_EQ(Igazitas({5, 9}, 0), (Tartomany{1, 0}));
    EXPECT_EQ(Igazitas({7, 3}, 10), (Tartomany{7, 8}));
    HuzasTartomanyok t;
    t.MindenHuzas(1);
    EXPECT_EQ(t.Get(TartomanyFajta::Kereses), (Tartomany{1, 1}));
    t.MindenHuzas(100);
    t.SetBontHuzSzamaElso(40);
    t.SetBontHuzSzamaUtolso(60);
    EXPECT_EQ(t.GetBontHuzSzamaElso(), 40);
    EXPECT_EQ(t.GetBontHuzSzamaUtolso(), 60);
    EXPECT_EQ(t.GetHuzSzamaUtolso(), 100);
    t.SetLHuzSzamaUtolso(500);
    EXPECT_EQ(t.GetLHuzSzamaUtolso(), 100);
}

TEST(HuzasTartomany, BegepeltErtekekJavitasa) {
    // first draw: "0"/empty → 1; above the maximum → last − 1; never at or after the last
    EXPECT_EQ(ElsoEllenorzes("0", 50, 100).Ertek, 1);
    EXPECT_EQ(ElsoEllenorzes("100", 50, 100).Ertek, 49);
    EXPECT_EQ(ElsoEllenorzes("60", 50, 100).Ertek, 49);
    EXPECT_FALSE(ElsoEllenorzes("49", 50, 100).Hiba);
    EXPECT_EQ(ElsoEllenorzes("99999999999999", 50, 100).Ertek, 49);
    EXPECT_EQ(ElsoEllenorzes("5", 1, 1).Ertek, 1) << "the old rule gave 0 here";
    // last draw: "0", "1", empty → first + 1; above the maximum → the draw count
    EXPECT_EQ(UtolsoEllenorzes("1", 10, 100).Ertek, 11);
    EXPECT_EQ(UtolsoEllenorzes("", 10, 100).Ertek, 11);
    EXPECT_EQ(UtolsoEllenorzes("101", 10, 100).Ertek, 100);
    EXPECT_EQ(UtolsoEllenorzes("5", 10, 100).Ertek, 11);
    EXPECT_EQ(UtolsoEllenorzes("1", 1, 1).Ertek, 1);
    EXPECT_FALSE(UtolsoEllenorzes("1", 1, 1).Hiba);
    EXPECT_EQ(UtolsoEllenorzes("2", 1, 2).Ertek, 2);
    EXPECT_EQ(ElsoEllenorzes("2", 2, 2).Ertek, 1);
}

TEST(HuzasTartomany, LeptetesEsFeliratok) {
    EXPECT_EQ(ElsoLeptetes(50, 50, 100), (Tartomany{50, 51}));
    EXPECT_EQ(UtolsoLeptetes(50, 50, 100), (Tartomany{49, 50}));
    EXPECT_EQ(ElsoLeptetes(100, 100, 100), (Tartomany{99, 100}));
    EXPECT_EQ(UtolsoLeptetes(1, 1, 100), (Tartomany{1, 2}));
    EXPECT_TRUE(Kijelzes({1, 100}, 100).MindenHuzas);
    const auto k = Kijelzes({3, 100}, 100);
    EXPECT_FALSE(k.MindenHuzas);
    EXPECT_EQ(k.ElsoFelirat, "Beállított első húzás");
    EXPECT_EQ(k.UtolsoFelirat, "Utolsó lottóhúzás");
    EXPECT_EQ(Kijelzes({1, 99}, 100).UtolsoFelirat, "Beállított utolsó húzás");
}

Huzas H(std::initializer_list<int> szamok) {
    Huzas h;
    h.Ev = 2000;
    h.Het = 1;
    std::size_t i = 0;
    for (int s : szamok) h.Szamok[i++] = static_cast<std::uint8_t>(s);
    return h;
}

TEST(HuzasStatisztika, GyakorisagEsUtolsoElofordulas) {
    HuzasAdatbazis db(6);
    ASSERT_TRUE(db.Hozzaadas(std::vector<Huzas>{
        H({1, 2, 3, 4, 5, 6, 45}), H({1, 8, 9, 10, 11, 12, 0}), H({7, 2, 13, 14, 15, 16, 0})}));
    const auto gy = HanyszorHuztak(db, {1, 3});
    EXPECT_EQ(gy[0], 2);
    EXPECT_EQ(gy[1], 2);
    EXPECT_EQ(gy[44], 1) << "the plus number counts";
    EXPECT_EQ(gy[20], 0);
    const auto ota = HanyHuzasOta(db, {1, 3});
    EXPECT_EQ(ota[6], 0) << "in the last draw of the range";
    EXPECT_EQ(ota[0], 1);
    EXPECT_EQ(ota[44], 2);
    EXPECT_EQ(ota[20], 3) << "never: the length of the range";
    EXPECT_EQ(StatSzoveg(ota[6]), "-");
    EXPECT_EQ(HanyHuzasOta(db, {2, 2})[0], 0);
    EXPECT_EQ(HanyHuzasOta(db, {2, 2})[44], 1);
    EXPECT_EQ(HanyszorHuztak(db, {2, 9})[1], 1) << "a range past the end is clipped";

    HuzasAdatbazis hetes(7);
    hetes.Hozzaadas(std::vector<Huzas>{H({1, 2, 3, 4, 5, 6, 7, 1, 8, 9, 10, 11, 12, 35})});
    EXPECT_EQ(HanyszorHuztak(hetes, {1, 1})[0], 2);
    EXPECT_EQ(HanyszorHuztak(hetes, {1, 1})[34], 1);
}

} // namespace
} // namespace varion
