#include <gtest/gtest.h>

#include <string>

#include "support/CliFuttatas.h"
#include "support/IdeiglenesMappa.h"

namespace varion {
namespace {

// 8 numbers into 6: 28 tickets. Against 3 9 17 22 30 41 with 44 as the plus number, one
// ticket has all six, twelve have five (half of them with the plus number, counted only
// under "5+1"), fifteen have four.
TEST(TalalatokParancs, OsztalyokEgySorEllenEsAPotszam) {
    teszt::IdeiglenesMappa m;
    const std::string top = (m / "b.top").string();
    ASSERT_EQ(
        teszt::CliFuttatas("bontas --jatek 6 --szamok 3,9,17,22,30,41,44,45 --ki " + top).Kilepes,
        0);
    const auto e = teszt::CliFuttatas("talalatok " + top + " --szamok 3,9,17,22,30,41 --plusz 44");
    ASSERT_EQ(e.Kilepes, 0) << e.Kimenet;
    EXPECT_EQ(e.Kimenet, "28 változat\n6 találat: 1\n5+1 találat: 6\n5 találat: 6\n"
                         "4 találat: 15\n3 találat: 0\n");
    for (const std::string& rossz :
         {"talalatok " + top, "talalatok " + top + " --szamok 1,2,3",
          "talalatok " + top + " --huzas 1", "talalatok " + top + " --szamok 1,2,3,4,5,46"})
        EXPECT_EQ(teszt::CliFuttatas(rossz).Kilepes, 2) << rossz;
    EXPECT_EQ(teszt::CliFuttatas("talalatok " + (m / "nincs.top").string() +
                                 " --szamok "
                                 "1,2,3,4,5,6")
                  .Kilepes,
              1);
}

TEST(KeresesParancs, OsztalyonkentEsHuzasonkent) {
    teszt::IdeiglenesMappa m;
    const std::string csv = (m / "otos.csv").string(), ldb = (m / "H5.ldb").string();
    {
        std::FILE* f = std::fopen(csv.c_str(), "w");
        ASSERT_NE(f, nullptr);
        // Newest first, as the operator publishes it.
        std::fputs("2020;3;2020.01.18.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;10;20;30;40;50\n"
                   "2020;2;2020.01.11.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;40;50\n"
                   "2020;1;2020.01.04.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5\n",
                   f);
        std::fclose(f);
    }
    const auto i = teszt::CliFuttatas("import --jatek 5 " + csv + " --ki " + ldb);
    ASSERT_EQ(i.Kilepes, 0) << i.Kimenet;
    const auto e = teszt::CliFuttatas("kereses --jatek 5 " + ldb + " --szamok 1,2,3,4,5");
    ASSERT_EQ(e.Kilepes, 0) << e.Kimenet;
    EXPECT_NE(e.Kimenet.find("1. húzás (2020. év 1. hét): 5 találat\n"), std::string::npos)
        << e.Kimenet;
    EXPECT_NE(e.Kimenet.find("2. húzás (2020. év 2. hét): 3 találat\n"), std::string::npos);
    EXPECT_EQ(e.Kimenet.find("3. húzás"), std::string::npos);
    EXPECT_EQ(teszt::CliFuttatas("kereses --jatek 5 " + ldb + " --szamok 1,1").Kilepes, 2);
}

} // namespace
} // namespace varion
