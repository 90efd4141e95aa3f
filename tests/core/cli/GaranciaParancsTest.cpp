#include <gtest/gtest.h>

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
    EXPECT_NE(e1.Kimenet.find("optimalizálással (mag: 77, kiinduló: "), std::string::npos)
        << e1.Kimenet;
    const auto jo = teszt::CliFuttatas("garancia " + a);
    EXPECT_EQ(jo.Kilepes, 0) << jo.Kimenet << jo.Hibak;
    EXPECT_NE(jo.Kimenet.find(" 462 változat, 0 fedetlen\nA garancia teljesül:"), std::string::npos)
        << jo.Kimenet;

    const auto rossz = teszt::CliFuttatas("garancia " + a + " --hibapont 0");
    EXPECT_EQ(rossz.Kilepes, 1);
    EXPECT_NE(rossz.Kimenet.find("A garancia NEM teljesül!\n\nA feltételeknek megfelelő 462 "
                                 "változat közül "),
              std::string::npos)
        << rossz.Kimenet;
    EXPECT_NE(rossz.Kimenet.find("Az első ilyen változatok:\n1, 2, 3, 4, 5\n"), std::string::npos)
        << rossz.Kimenet;
}

TEST(GaranciaParancs, BadArguments) {
    for (const char* a :
         {"garancia", "garancia /nincs/ilyen.top",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --optimalizalt",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --mp 3",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --optimalizalt --mp 0",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 1 --optimalizalt --mag x"})
        EXPECT_EQ(teszt::CliFuttatas(a).Kilepes, 2) << a;
}

} // namespace
} // namespace varion
