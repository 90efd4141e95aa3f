#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/CliFuttatas.h"
#include "support/IdeiglenesMappa.h"

namespace varion {
namespace {

// An optimised breakdown saved and checked back: the seed is printed, and the guarantee
// holds for its error points but not for fewer.
TEST(GaranciaParancs, OptimisedBreakdownSavedAndChecked) {
    teszt::IdeiglenesMappa m;
    const std::string a = (m / "a.top").string();
    const std::string bontas =
        "bontas --jatek 5 --szamok 1,2,3,4,5,6,7,8,9,10,11 --hibapont 1 --optimalizalt "
        "--mp 1 --mag 77 --lista --ki ";
    const auto e1 = teszt::CliFuttatas(bontas + a);
    ASSERT_EQ(e1.Kilepes, 0) << e1.Hibak;
    EXPECT_TRUE(e1.Kimenet.starts_with("43 változat tárolva, teljes bontás: 462,")) << e1.Kimenet;
    EXPECT_NE(e1.Kimenet.find("optimalizálással (mag: 77, lépések: "), std::string::npos)
        << e1.Kimenet;
    const auto jo = teszt::CliFuttatas("garancia " + a);
    EXPECT_EQ(jo.Kilepes, 0) << jo.Kimenet << jo.Hibak;
    EXPECT_NE(jo.Kimenet.find(" 462 változat, 0 fedetlen\nA garancia teljesül:"), std::string::npos)
        << jo.Kimenet;

    // A guarantee that fails is a verdict, not a failed run: its own code, 3, apart from the
    // 1 of a file that cannot be used (both were 1, and a missing file was 2).
    const auto rossz = teszt::CliFuttatas("garancia " + a + " --hibapont 0");
    EXPECT_EQ(rossz.Kilepes, 3);
    EXPECT_NE(rossz.Kimenet.find("A garancia NEM teljesül!\n\nA feltételeknek megfelelő 462 "
                                 "változat közül "),
              std::string::npos)
        << rossz.Kimenet;
    EXPECT_NE(rossz.Kimenet.find("Az első ilyen változatok:\n1, 2, 3, 4, 5\n"), std::string::npos)
        << rossz.Kimenet;
}

// The seed and the rounds a run reports repeat it: the same rows, line by line.
TEST(GaranciaParancs, SeedAndRoundsRepeatTheRows) {
    const std::string bontas = "bontas --jatek 6 --szamok 1,2,3,4,5,6,7,8,9,10,11,12,13,14 "
                               "--hibapont 1 --optimalizalt --mag 5 --lepes 4 --lista";
    const auto a = teszt::CliFuttatas(bontas);
    const auto b = teszt::CliFuttatas(bontas);
    ASSERT_EQ(a.Kilepes, 0) << a.Hibak;
    EXPECT_NE(a.Kimenet.find("(mag: 5, lépések: 4, "), std::string::npos) << a.Kimenet;
    // the first line after the timing ones: the rows themselves
    const auto sorok = [](const std::string& s) {
        return s.substr(s.find(" ms\n", s.find("mag:")));
    };
    EXPECT_EQ(sorok(a.Kimenet), sorok(b.Kimenet));
}

// A selection too large for the search is refused before the run, in the tool's own
// language, and the specified reduction is what comes out (exit 0).
TEST(GaranciaParancs, TooLargeASelectionKeepsTheSpecifiedRows) {
    std::string szamok;
    for (int i = 1; i <= 30; ++i) szamok += (i > 1 ? "," : "") + std::to_string(i);
    const auto e = teszt::CliFuttatas("bontas --jatek 5 --szamok " + szamok +
                                      " --hibapont 3 --optimalizalt --mag 1");
    ASSERT_EQ(e.Kilepes, 0) << e.Hibak;
    EXPECT_TRUE(e.Kimenet.starts_with(
        "Az optimalizált csökkentés nem indul: egy szelvény 26 126 változatot fed le, a keresés "
        "legfeljebb 16 384-et kezel; a megadott csökkentés sorai maradnak.\n"))
        << e.Kimenet;
    EXPECT_EQ(e.Kimenet.find("optimalizálással"), std::string::npos) << e.Kimenet;
}

TEST(GaranciaParancs, BadArguments) {
    for (const char* a :
         {"garancia", "garancia a.top b.top",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --optimalizalt",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --mp 3",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --optimalizalt --mp 0",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --optimalizalt --mag x",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --optimalizalt --lepes 0",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --optimalizalt --lepes 3 --mp 2",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --lepes 3"})
        EXPECT_EQ(teszt::CliFuttatas(a).Kilepes, 2) << a;
}

// Files that cannot be checked fail the work (1), as the other commands do.
TEST(GaranciaParancs, UnusableFilesExit1) {
    teszt::IdeiglenesMappa m;
    const std::string rovid = (m / "rovid.top").string();
    ASSERT_EQ(teszt::CliFuttatas("bontas --jatek 5 --szamok 1,2,3,4,5,6 --ki " + rovid).Kilepes, 0);
    std::filesystem::resize_file(rovid, 40);
    for (const std::string& f : {std::string("/nincs/ilyen.top"), rovid})
        EXPECT_EQ(teszt::CliFuttatas("garancia " + f).Kilepes, 1) << f;
}

// The full breakdown of 32 numbers into 5: every row is its own candidate. Checking each
// candidate against every row took 9.4 s for 25 numbers and never ended for 32.
TEST(GaranciaParancs, FullBreakdownOf32Numbers) {
    teszt::IdeiglenesMappa m;
    const std::string a = (m / "t.top").string();
    std::string szamok = "1";
    for (int i = 2; i <= 32; ++i) szamok += "," + std::to_string(i);
    ASSERT_EQ(teszt::CliFuttatas("bontas --jatek 5 --szamok " + szamok + " --ki " + a).Kilepes, 0);
    const auto e = teszt::CliFuttatas("garancia " + a);
    EXPECT_EQ(e.Kilepes, 0) << e.Hibak;
    EXPECT_NE(e.Kimenet.find("201376 tárolt szelvény, 201376 változat, 0 fedetlen"),
              std::string::npos)
        << e.Kimenet;
}

} // namespace
} // namespace varion
