#include <gtest/gtest.h>

#include <algorithm>

#include "printing/BontasInfo.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

TEST(BontasInfo, CountsPerMarkedNumberSkipNumbersOnNoTicket) {
    FeltetelAdatok f;
    f.EsemOsszegBe = 1;
    f.EsemOsszFix = 15;
    f.EsemOsszMax = 16;
    const Szamsor jelolt{5, 1, 2, 3, 4, 6, 40};
    const FeltetelKeszlet k = teszt::Keszlet(f, jelolt, 5);
    TBontas b;
    teszt::RogzitoUzenetek u;
    u.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(b, u, 5, jelolt, &k));
    // sums 15 and 16 of five numbers: {1,2,3,4,5} and {1,2,3,4,6}
    EXPECT_EQ(SzamGyakorisagok(b),
              (std::vector<SzamGyakorisag>{{5, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {6, 1}}));
}

TEST(BontasInfo, CaptionAndCellWidthsFollowTheLargestCount) {
    EXPECT_EQ(GyakorisagCim(12, 0), "A bontásba került 12 számok előfordulásának gyakorisága");
    EXPECT_EQ(GyakorisagCim(9, 1),
              "A bontásba került 9 számok előfordulásának gyakorisága - a fix szám kivételével");
    EXPECT_EQ(GyakorisagCim(9, 2),
              "A bontásba került 9 számok előfordulásának gyakorisága - a fix számok kivételével");
    const auto c = [](std::int64_t db, std::int64_t max) {
        const auto x = GyakorisagCellak({7, db}, max);
        return x.Szam + "|" + x.Db;
    };
    EXPECT_EQ(c(12, 999), "     7|    12");
    EXPECT_EQ(c(1234, 1234), "     7|  1 234");
    EXPECT_EQ(c(5, 100000), "      7|       5");
    EXPECT_EQ(c(1234567, 1234567), "       7| 1 234 567");
}

TEST(BontasInfo, DescriptionStartsWithTitleAndMadeLine) {
    TBontas b;
    BetoltottBontas be;
    be.SorHossz = 5;
    be.MatrixSzelesseg = 5;
    be.BontasSzamok = {1, 2, 3, 4, 5, 6};
    be.Matrix = {0, 1, 2, 3, 4};
    be.Sorok = 1;
    be.BontMutStat = {1, 1, 1, 1, 1, 0};
    be.Datum = 45429.25; // 2024-05-17
    be.BetoltottVerzio = {1, 4, 2, 0};
    ASSERT_TRUE(b.BontasBetoltve(be));
    FeltetelKeszlet f;
    BontasRiportAdatok a{&b, &f};
    a.JegyAr = 250;
    const auto r = BontasInfoSzoveg(a, "Varion", {1, 6, 0, 2});
    ASSERT_GE(r.size(), 4u);
    EXPECT_EQ(r[0].Szoveg, "6 szám 0 hibapontos bontása 1 szelvényre - az Ötöslottón.");
    EXPECT_EQ(r[1].Szoveg, std::string(30, ' ') + "Készült: 2024.05.17. Varion 1.4.2");
    EXPECT_EQ(r[3].Szoveg, "  Egy szelvény ára: 250 Ft.");
    EXPECT_TRUE(SzamGyakorisagok(b).size() == 5);
}

} // namespace
} // namespace varion
