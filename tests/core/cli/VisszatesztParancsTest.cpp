#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/CliFuttatas.h"
#include "support/IdeiglenesMappa.h"

namespace varion {
namespace {

// One ticket, 8 15 20 32 90, against three draws: four hits in 2023/5 (1 142 265 Ft), two
// in 2023/1 (3 300 Ft), one in 2022/52. The import keeps the prizes beside the draws.
TEST(VisszatesztParancs, ImportaltNyeremenyekkelEsEselyek) {
    teszt::IdeiglenesMappa m;
    const std::string csv = (m / "otos.csv").string(), ldb = (m / "H5.ldb").string(),
                      top = (m / "egy.top").string();
    {
        std::FILE* f = std::fopen(csv.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs("2023;5;2023.02.04.;0;0 Ft;42;1 142 265 Ft;2855;17 535 Ft;77006;2 195 "
                   "Ft;8;15;20;32;34\r\n"
                   "2023;1;2023.01.07.;0;0 Ft;14;3 244 980 Ft;1545;30 805 Ft;49132;3 300 "
                   "Ft;20;58;72;80;90\r\n"
                   "2022;52;2023.01.01.;0;0 Ft;37;1 325 105 Ft;2382;21 565 Ft;68862;2 545 "
                   "Ft;5;32;36;48;61\r\n",
                   f);
        std::fclose(f);
    }
    ASSERT_EQ(teszt::CliFuttatas("import --jatek 5 " + csv + " --ki " + ldb).Kilepes, 0);
    EXPECT_TRUE(std::filesystem::exists(m / "H5.nyr"));
    ASSERT_EQ(teszt::CliFuttatas("bontas --jatek 5 --szamok 8,15,20,32,90 --ki " + top).Kilepes, 0);

    const auto e = teszt::CliFuttatas("visszateszt " + top + " --huzasok " + ldb + " --ar 300");
    ASSERT_EQ(e.Kilepes, 0) << e.Hibak;
    EXPECT_EQ(e.Kimenet,
              "Vizsgált húzások: 1. - 3. húzás, 3 sorsolás\n"
              "Szelvények száma: 1 db sorsolásonként\n"
              "Egy szelvény ára: 300 Ft minden sorsoláson (a beállítások szerinti mai ár)\n"
              "Költség: 900 Ft\n"
              "Nyeremény: 1 145 565 Ft\n"
              "Egyenleg: 1 144 665 Ft\n"
              "Megtérülés: 127 285,0 %\n"
              "Nyerő sorsolások: 2 db\n"
              "Legjobb sorsolás: 3. húzás (2023. év 5. hét), 1 142 265 Ft\n"
              "\n"
              "Találati osztály | Szelvény | Ebből ismeretlen nyereményű | Nyeremény\n"
              "5 találat | 0 | 0 | 0 Ft\n"
              "4 találat | 1 | 0 | 1 142 265 Ft\n"
              "3 találat | 0 | 0 | 0 Ft\n"
              "2 találat | 1 | 0 | 3 300 Ft\n");
    const auto r =
        teszt::CliFuttatas("visszateszt " + top + " --huzasok " + ldb + " --tol 1 --ig 2 --csv");
    ASSERT_EQ(r.Kilepes, 0);
    EXPECT_NE(r.Kimenet.find("400;3300;2900;"), std::string::npos) << r.Kimenet;
    EXPECT_NE(r.Kimenet.find("2 találat;1;0;3 300 Ft\n"), std::string::npos) << r.Kimenet;

    const auto o = teszt::CliFuttatas("eselyek --jatek 5 --szamok 8,15,20,32,90 --huzasok " + ldb);
    ASSERT_EQ(o.Kilepes, 0) << o.Hibak;
    EXPECT_NE(o.Kimenet.find("5 találat | 1 : 43 949 268 |"), std::string::npos) << o.Kimenet;
    // The mean of the three weeks' four-hit prizes.
    EXPECT_NE(o.Kimenet.find("4 találat | 1 : 103 167 | 0,00000967 | 1 904 117 Ft\n"),
              std::string::npos)
        << o.Kimenet;
    EXPECT_NE(o.Kimenet.find("A főnyeremény a vizsgált húzásokban ismeretlen."), std::string::npos);

    for (const std::string& rossz : std::vector<std::string>{
             "visszateszt " + top, "visszateszt " + top + " --huzasok " + ldb + " --tol 3 --ig 2",
             "visszateszt " + top + " --huzasok " + ldb + " --ar sok", "eselyek",
             "eselyek --jatek 5 --szamok 1,2,3", "eselyek " + top + " --jatek 5"})
        EXPECT_EQ(teszt::CliFuttatas(rossz).Kilepes, 2) << rossz;
}

} // namespace
} // namespace varion
