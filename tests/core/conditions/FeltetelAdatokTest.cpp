#include <gtest/gtest.h>

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
    // and back, byte for byte
    io::Olvaso o(b);
    FeltetelAdatok vissza;
    ASSERT_TRUE(FeltetelAdatokOlvasas(o, vissza));
    EXPECT_EQ(vissza, f);
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
