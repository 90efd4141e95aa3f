#include <gtest/gtest.h>

#include "app/UzenetAblakHelye.h"
#include "base/ProgramVerzio.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;

TEST(Uzenetek, FormakFeliratIkonGombok) {
    EXPECT_EQ(UzenetFormaja(UzenetTipus::HibaUzenet).Felirat, " Hiba!");
    EXPECT_TRUE(UzenetFormaja(UzenetTipus::HibaKerdes).IgenNem);
    EXPECT_EQ(UzenetFormaja(UzenetTipus::FigyelmeztetoKerdes).Ikon, UzenetIkon::Figyelmeztetes);
    EXPECT_EQ(UzenetFormaja(UzenetTipus::JovahagyasMindig).Felirat, " Jóváhagyás kérése");
    EXPECT_EQ(UzenetFormaja(UzenetTipus::PluszSzamInfo).Felirat, " Hasznos információ");
    EXPECT_FALSE(UzenetFormaja(UzenetTipus::Informacio).IgenNem);
}

TEST(Uzenetek, JovahagyasEsInformElnemitas) {
    RogzitoUzenetek u;
    u.Jovahagyas = false;
    u.Inform = false;
    EXPECT_TRUE(u.JovahagyasKeres("Törli?")); // silent yes
    u.HasznosInfo("tipp");
    u.PluszSzamInfo();
    EXPECT_TRUE(u.Lathato().empty());

    u.Var(UzenetTipus::JovahagyasMindig, "Biztos?", false);
    EXPECT_FALSE(u.JovahagyasMindig("Biztos?")); // always asks

    u.Jovahagyas = u.Inform = true;
    u.Var(UzenetTipus::JovahagyasKeres, "Törli?", false)
        .Var(UzenetTipus::PluszSzamInfo, std::string(PluszSzamInfoSzoveg))
        .Var(UzenetTipus::ParameterHiba,
             "  Érvénytelen paraméter!      \r\rA program kijavítja a hibát.");
    EXPECT_FALSE(u.JovahagyasKeres("Törli?"));
    u.PluszSzamInfo();
    u.ParameterHiba();
    EXPECT_EQ(u.Lathato().size(), 4u);
}

TEST(UzenetAblakHelye, KozepenEsAzEgernelAKepernyonBelul) {
    const Meret kep{1280, 1024}, ablak{337 + 8, 72 + 30};
    EXPECT_EQ(UzenetAblakHelye(0, kep, ablak, {5, 5}), (Helyzet{640 - 172, 512 - 51}));
    EXPECT_EQ(UzenetAblakHelye(1, kep, ablak, {500, 400}), (Helyzet{470, 370}));
    // 10 pixels from the right edge: the right edge ends 20 pixels before the screen's.
    const Helyzet jobb = UzenetAblakHelye(1, kep, ablak, {1270, 400});
    EXPECT_EQ(jobb.Bal + ablak.Szelesseg, 1280 - 20);
    const Helyzet lent = UzenetAblakHelye(1, kep, ablak, {100, 1020});
    EXPECT_EQ(lent.Felso + ablak.Magassag, 1024 - 40);
}

TEST(ProgramVerzio, SzovegCsakANemNullaFarokig) {
    EXPECT_EQ(VerzioSzoveg(SajatVerzio()), "1.6.0.2");
    EXPECT_EQ(VerzioSzoveg({1, 0, 0, 0}), "1");
    EXPECT_EQ(VerzioSzoveg({1, 3, 0, 0}), "1.3");
    EXPECT_EQ(VerzioSzoveg({2, 0, 1, 0}), "2.0.1");
    const auto fej = VerzioFejlec({1, 6, 0, 2});
    EXPECT_EQ(fej, (std::array<std::uint8_t, 16>{1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}));
}

} // namespace
} // namespace varion
