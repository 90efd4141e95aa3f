#include <gtest/gtest.h>

#include <numeric>

#include "conditions/FeltetelAdatok.h"

namespace varion {
namespace {

TEST(FeltetelAdatok, MindenMezoASajatHelyenKisVegSorrendben) {
    FeltetelAdatok f;
    f.Hibapont = 2;
    f.Tolt0[1] = 0xAA; // padding kept
    f.FavSzamaiMax = 0x01020304;
    f.SzcsParosFix = 1;
    f.TalArTalalatMax = -2;
    f.Nemhasznalt184 = 0x11223344;
    f.TukorParDb = 7;
    io::Iro iro;
    FeltetelAdatokIras(f, iro);
    const auto& b = iro.Adat();
    ASSERT_EQ(b.size(), 212u);
    EXPECT_EQ(b[0], 2);
    EXPECT_EQ(b[2], 0xAA);
    EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 12, b.begin() + 16)),
              (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(b[49], 1);
    EXPECT_EQ(io::Int32Ertek(&b[100]), -2);
    EXPECT_EQ(io::Int32Ertek(&b[184]), 0x11223344);
    EXPECT_EQ(io::Int32Ertek(&b[208]), 7);
}

TEST(FeltetelAdatok, BeolvasvaBajtrolBajtraUgyanaz) {
    std::vector<std::uint8_t> nyers(212);
    std::iota(nyers.begin(), nyers.end(), std::uint8_t{1});
    io::Olvaso o(nyers);
    FeltetelAdatok f;
    ASSERT_TRUE(FeltetelAdatokOlvasas(o, f));
    EXPECT_EQ(o.Pozicio(), 212u);
    io::Iro iro;
    FeltetelAdatokIras(f, iro);
    EXPECT_EQ(iro.Adat(), nyers);
    EXPECT_EQ(f.FavBe, 5);
    EXPECT_EQ(f.FavSzamai, io::Int32Ertek(&nyers[8]));
}

TEST(FeltetelAdatok, RovidAdatNemIrjaFelulARekordot) {
    std::vector<std::uint8_t> nyers(211, 9);
    io::Olvaso o(nyers);
    FeltetelAdatok f;
    f.FavSzamai = 42;
    EXPECT_FALSE(FeltetelAdatokOlvasas(o, f));
    EXPECT_TRUE(o.Hibas());
    EXPECT_EQ(f.FavSzamai, 42);
}

} // namespace
} // namespace varion
