#include <gtest/gtest.h>

#include <algorithm>

#include "printing/BontRiport.h"
#include "printing/SzelvNyomtatas.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

// 600 dpi: 4.2 mm = 99.2 px -> 100; 21.5 mm = 507.9 -> 508; 15 mm = 354.3 -> 355.
TEST(SzelvNyomtatas, MarksOfGame5AtTheirBoxesWithPixelsRoundedUp) {
    const NyomtatoMeretek m{600, 600, 0, 0, 0, 0, 4000, 3000};
    const auto jelek = SzelvenyJelek(5, m, {{1, 10, 11, 90}}, JokerJeloles::Jeloletlen, "");
    const std::vector<SzelvJel> vart{
        {508, 355, "x"}, {508 + 900, 355, "x"}, {508, 455, "x"}, {508 + 900, 355 + 800, "x"}};
    EXPECT_EQ(jelek, vart);
    // The drawing origin moves every mark by the same amount.
    const NyomtatoMeretek eltolt{600, 600, 0, 0, 30, 40, 4000, 3000};
    EXPECT_EQ(SzelvenyJelek(5, eltolt, {{1}}, JokerJeloles::Jeloletlen, "").front(),
              (SzelvJel{478, 315, "x"}));
}

TEST(SzelvNyomtatas, GridPlacesOfTheThreeGames) {
    EXPECT_EQ(SzamHelye(5, 90).Oszlop, 10);
    EXPECT_EQ(SzamHelye(5, 90).Sor, 9);
    EXPECT_EQ(SzamHelye(6, 8).Oszlop, 1);
    EXPECT_EQ(SzamHelye(6, 8).Sor, 2);
    EXPECT_EQ(SzamHelye(6, 45).Oszlop, 3);
    EXPECT_EQ(SzamHelye(6, 45).Sor, 7);
    EXPECT_EQ(SzamHelye(7, 35).Oszlop, 5);
    EXPECT_EQ(SzamHelye(7, 35).Sor, 7);
    EXPECT_EQ(SzNyMezoSzam(5), 6);
    EXPECT_EQ(SzNyMezoSzam(6), 8);
    EXPECT_EQ(SzNyMezoSzam(7), 10);
}

TEST(SzelvNyomtatas, JokerAndSerialText) {
    const NyomtatoMeretek m{300, 300, 0, 0, 0, 0, 2000, 1400};
    // 76 mm at 300 dpi = 897.6 -> 898; 97 mm -> 1145.7 -> 1146; 8 mm -> 94.5 -> 95
    EXPECT_EQ(SzelvenyJelek(5, m, {}, JokerJeloles::Igen, ""),
              (std::vector<SzelvJel>{{898, 1146, "x"}}));
    EXPECT_EQ(SzelvenyJelek(5, m, {}, JokerJeloles::Nem, ""),
              (std::vector<SzelvJel>{{898 + 95, 1146, "x"}}));
    EXPECT_TRUE(SzelvenyJelek(5, m, {}, JokerJeloles::Jeloletlen, "").empty());
    // game 7 serial at 52, 91.8 mm
    EXPECT_EQ(SzelvenyJelek(7, m, {}, JokerJeloles::Jeloletlen, "1. \\ 1.  -  10."),
              (std::vector<SzelvJel>{{615, 1085, "1. \\ 1.  -  10."}}));
}

TEST(SzelvNyomtatas, ThirteenTicketsOfGame5FillThreeSlips) {
    EXPECT_EQ(DbSzelv(5, 13), 3);
    const auto terv = SzelvNyomtTerv(5, 13, 1, 3);
    ASSERT_EQ(terv.size(), 3u);
    EXPECT_EQ(terv[0].MezoDb, 6);
    EXPECT_EQ(terv[1].MezoDb, 6);
    EXPECT_EQ(terv[2].MezoDb, 1);
    EXPECT_EQ(terv[1].Sorszam, "2. \\ 7.  -  12.");
    const auto harmadik = SzelvNyomtTerv(5, 13, 3, 3);
    ASSERT_EQ(harmadik.size(), 1u);
    EXPECT_EQ(harmadik[0].ElsoSzelveny, 12);
    EXPECT_EQ(harmadik[0].MezoDb, 1);
    EXPECT_EQ(harmadik[0].Sorszam, "3. \\ 13.  -  13.");
}

// A range kept from an earlier, larger breakdown would print nothing or read past the
// matrix; it is pulled inside 1..DbSzelv.
TEST(SzelvNyomtatas, RangeIsClampedToTheSlipsThereAre) {
    EXPECT_EQ(TartomanyKorlatozas({40, 60}, 3), (NyomtTartomany{3, 3}));
    EXPECT_EQ(TartomanyKorlatozas({2, 60}, 3), (NyomtTartomany{2, 3}));
    EXPECT_EQ(TartomanyKorlatozas({0, 0}, 0), (NyomtTartomany{1, 1}));
    EXPECT_EQ(SzelvNyomtTerv(5, 13, 3, 10).size(), 1u);
    EXPECT_EQ(TartomanyEllenorzes({1, 30}), TartomanyDontes::Rendben);
    EXPECT_EQ(TartomanyEllenorzes({1, 31}), TartomanyDontes::Kerdes);
    EXPECT_EQ(TartomanyEllenorzes({1, 100}), TartomanyDontes::Kerdes);
    EXPECT_EQ(TartomanyEllenorzes({5, 105}), TartomanyDontes::Tiltott);
}

TEST(SzelvNyomtatas, PaperAndMarginChecks) {
    // A4 at 600 dpi with a 4 mm band the printer cannot reach
    NyomtatoMeretek a4{600, 600, 95, 95, 0, 0, 4961 - 190, 7016 - 190};
    EXPECT_FALSE(LapmeretHiba(a4));
    EXPECT_FALSE(MargoHiba(a4));
    NyomtatoMeretek kicsi = a4;
    kicsi.LapMagassag = 2700 - 190; // 114.3 mm of paper
    EXPECT_TRUE(LapmeretHiba(kicsi)->starts_with("A nyomtató beállítása szerinti lapméret kisebb"));
    NyomtatoMeretek szeles = a4;
    szeles.MargoY = 150; // 6.35 mm: 355 - 150 - 100 < 150
    EXPECT_TRUE(MargoHiba(szeles));
    EXPECT_EQ(
        TobbMint100Szoveg(),
        "Több mint 100 segédsorsjegy kitöltésére tett kísérletet.\r\rA program ezt nem "
        "teszi lehetővé.\r\rJavaslat:\r- Használja a \"Nyomtatási tartomány\" beállításának "
        "lehetőségét.\r  Nyomtatandó oldalak (segédsorsjegyek) száma: 1-30-ig, 31-60-ig stb.");
}

// A field holds the K numbers of the row and the fixed numbers; reading a whole game count
// from the row would print bytes of the next row and never the fixed numbers.
TEST(SzelvNyomtatas, EveryFieldGetsTheFixedNumbers) {
    TBontas b;
    teszt::RogzitoUzenetek u;
    u.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(b, u, 6, {4, 8, 15, 16, 23, 42}, nullptr, {7, 45}));
    BontasRiportAdatok a{&b};
    a.FixSzamok = {7, 45};
    ASSERT_EQ(b.GetTaroltNyerSzelv(), 15);
    EXPECT_EQ(SzelvenySzamai(a, 0), (std::vector<int>{4, 8, 15, 16, 7, 45}));
    EXPECT_EQ(SzelvenySzamai(a, 14), (std::vector<int>{15, 16, 23, 42, 7, 45}));
}

} // namespace
} // namespace varion
