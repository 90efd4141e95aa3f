#include <gtest/gtest.h>

#include <random>

#include "breakdown/TalalatMag.h"
#include "breakdown/Visszateszt.h"
#include "draws/HuzasImport.h"
#include "support/JegySegito.h"

namespace varion {
namespace {

// The last ten draws of 2022-2023 as the operator exports them, newest first.
constexpr std::string_view TizHuzas =
    "2023;6;2023.02.11.;0;0 Ft;22;2 285 905 Ft;1904;27 560 Ft;55687;3 180 Ft;10;32;40;70;82\r\n"
    "2023;5;2023.02.04.;0;0 Ft;42;1 142 265 Ft;2855;17 535 Ft;77006;2 195 Ft;8;15;20;32;34\r\n"
    "2023;4;2023.01.28.;0;0 Ft;19;2 411 060 Ft;1815;26 385 Ft;53591;3 110 Ft;20;51;54;59;86\r\n"
    "2023;3;2023.01.21.;0;0 Ft;20;2 337 910 Ft;2315;21 115 Ft;62955;2 635 Ft;11;36;39;68;84\r\n"
    "2023;2;2023.01.14.;0;0 Ft;33;1 572 215 Ft;2381;22 830 Ft;70141;2 710 Ft;16;25;32;72;85\r\n"
    "2023;1;2023.01.07.;0;0 Ft;14;3 244 980 Ft;1545;30 805 Ft;49132;3 300 Ft;20;58;72;80;90\r\n"
    "2022;52;2023.01.01.;0;0 Ft;37;1 325 105 Ft;2382;21 565 Ft;68862;2 545 Ft;5;32;36;48;61\r\n"
    "2022;51;2022.12.24.;0;0 Ft;20;2 283 765 Ft;2207;21 680 Ft;71732;2 275 Ft;2;4;43;53;70\r\n"
    "2022;50;2022.12.17.;0;0 Ft;11;3 947 480 Ft;1690;26 915 Ft;52784;2 940 Ft;5;39;51;83;84\r\n"
    "2022;49;2022.12.10.;0;0 Ft;20;2 167 920 Ft;2327;19 520 Ft;66282;2 335 Ft;5;20;37;75;78\r\n";

// Five tickets against those ten draws, worked out by hand:
//   5 20 37 75 78   is the draw of 2022/49: five hits, a class nobody won that week
//   1 2 10 32 40    2023/6: 10 32 40, three hits, 27 560
//   8 15 20 32 90   2023/5: 8 15 20 32, four hits, 1 142 265; 2023/1: 20 90, two, 3 300
//   5 11 36 39 61   2023/3: 11 36 39, 21 115; 2022/52: 5 36 61, 21 565; 2022/50: 5 39, 2 940
//   1 2 3 6 7       never more than one hit
// Winnings 1 142 265 + 27 560 + 21 115 + 21 565 + 3 300 + 2 940 = 1 218 745 Ft; seven
// draws with a win (one of them only the unpriced five); the best is 2023/5.
TEST(Visszateszt, KezzelSzamoltOtSzelvenyTizHuzason) {
    HuzasAdatbazis db(5);
    NyeremenyTar ny(5);
    ASSERT_EQ(HuzasImport(db, TizHuzas, &ny), 10);
    const teszt::Jegyek j(5, {{5, 20, 37, 75, 78},
                              {1, 2, 10, 32, 40},
                              {8, 15, 20, 32, 90},
                              {5, 11, 36, 39, 61},
                              {1, 2, 3, 6, 7}});
    const auto e = Visszateszt(j.Adat, db, ny, TeljesTartomany(10), 300);
    EXPECT_EQ(e.Huzasok.size(), 10u);
    EXPECT_EQ(e.OsztalyDb, (OsztalyTomb{1, 1, 3, 2, 0}));
    EXPECT_EQ(e.IsmeretlenDb, (OsztalyTomb{1, 0, 0, 0, 0}));
    EXPECT_EQ(e.OsztalyNyeremeny, (OsztalyTomb{0, 1142265, 70240, 6240, 0}));
    EXPECT_EQ(e.Nyeremeny, 1218745);
    EXPECT_DOUBLE_EQ(e.Koltseg(), 15000);
    EXPECT_DOUBLE_EQ(e.Netto(), 1203745);
    EXPECT_EQ(e.NyeroHuzasok, 7);
    ASSERT_GE(e.LegjobbIndex, 0);
    EXPECT_EQ(e.Huzasok[static_cast<std::size_t>(e.LegjobbIndex)].Het, 5);
    EXPECT_EQ(e.Huzasok[0].Ismeretlen, 1) << "2022/49 is draw 1";

    const auto sorok = VisszatesztOsszegzes(e, TeljesTartomany(10));
    EXPECT_EQ(sorok[3], "Költség: 15 000 Ft");
    EXPECT_EQ(sorok[4], "Nyeremény: 1 218 745 Ft");
    EXPECT_EQ(sorok[5], "Egyenleg: 1 203 745 Ft");
    EXPECT_EQ(sorok[6], "Megtérülés: 8 125,0 %");
    EXPECT_EQ(sorok[8], "Legjobb sorsolás: 9. húzás (2023. év 5. hét), 1 142 265 Ft");
    const auto t = VisszatesztTablazat(e);
    EXPECT_EQ(t[2], (std::array<std::string, 4>{"3 találat", "3", "0", "70 240 Ft"}));
    EXPECT_EQ(t[0], (std::array<std::string, 4>{"5 találat", "1", "1", "0 Ft"}));

    // A draw entered by hand has no prizes: its wins are counted, never priced.
    const auto resz = Visszateszt(j.Adat, db, NyeremenyTar(5), {9, 10}, 300);
    EXPECT_EQ(resz.Nyeremeny, 0);
    EXPECT_EQ(resz.IsmeretlenOsszes, 2);
    EXPECT_EQ(resz.NyeroHuzasok, 2);
    EXPECT_EQ(resz.LegjobbIndex, -1);
}

// Skandináv lottó: a ticket plays the machine and the hand draw of the week; Hatoslottó:
// five hits with the plus number are 5+1, and only then.
TEST(Visszateszt, SkandinavMindketSorEsHatosPluszSzam) {
    HuzasAdatbazis d7(7);
    NyeremenyTar n7(7);
    ASSERT_EQ(HuzasImport(d7,
                          "2021;37;2021.09.15.;1;480 703 200 Ft;51;382 290 Ft;2533;7 695 Ft;41334;"
                          "1 760 Ft;1;7;20;22;27;28;30;6;8;15;29;32;34;35\r\n",
                          &n7),
              1);
    const teszt::Jegyek j7(7, {{1, 7, 20, 22, 6, 8, 15},     // machine 4, hand 3
                               {1, 7, 20, 6, 8, 15, 29},     // machine 3, hand 4
                               {1, 7, 20, 22, 27, 28, 30}}); // the machine draw
    const auto e7 = Visszateszt(j7.Adat, d7, n7, TeljesTartomany(1), 300);
    EXPECT_EQ(e7.OsztalyDb, (OsztalyTomb{1, 0, 0, 2, 0}));
    EXPECT_EQ(e7.Nyeremeny, 480703200 + 2 * 1760);

    HuzasAdatbazis d6(6);
    NyeremenyTar n6(6);
    ASSERT_EQ(HuzasImport(d6,
                          "2023;6;2023.02.12.;0;0 Ft;0;0;54;266 535 Ft;2252;6 390 Ft;35496;2 300 "
                          "Ft;5;18;21;26;37;44\r\n"
                          "1999;48;;1;48 410 345 Ft;2;3 509 444 Ft;38;184 708 Ft;1619;4 335 Ft;"
                          "30526;803 Ft;2;10;15;16;22;29;6\r\n",
                          &n6),
              2);
    const teszt::Jegyek j6(
        6, {{2, 10, 15, 16, 22, 6}, {2, 10, 15, 16, 22, 45}, {5, 18, 21, 26, 37, 6}});
    const auto e6 = Visszateszt(j6.Adat, d6, n6, TeljesTartomany(2), 300);
    EXPECT_EQ(e6.OsztalyDb, (OsztalyTomb{0, 1, 2, 0, 0}));
    EXPECT_EQ(e6.Nyeremeny, 3509444 + 184708 + 266535);

    // A fixed number counts in every ticket, and the fixed plus number makes 5+1.
    const teszt::Jegyek fix(6, {{2, 10, 15, 16, 22}, {10, 15, 16, 41, 42}}, Szamsor{6});
    EXPECT_EQ(HuzasOsztalyai(fix.Adat, d6, 0), (OsztalyTomb{0, 1, 0, 0, 1}));
    EXPECT_EQ(HuzasOsztalyai(fix.Adat, d6, 1), (OsztalyTomb{}));
}

// The fast kernel against the plain table walk: every width, row counts around the 64-row
// chunks, with and without the plus byte, every threshold.
TEST(TalalatMag, AGyorsUtAzEgyszeruvelEgyezik) {
    std::mt19937 g(7);
    for (int W = 1; W <= 7; ++W)
        for (const std::size_t sorok : {0u, 1u, 63u, 64u, 65u, 200u, 1000u}) {
            std::vector<std::uint8_t> m(sorok * static_cast<std::size_t>(W));
            for (auto& b : m) b = static_cast<std::uint8_t>(g() % 20);
            for (int prag = 0; prag <= 3; ++prag)
                for (const bool plusz : {false, true}) {
                    std::vector<std::uint8_t> t, p;
                    for (std::uint8_t v = 0; v < 20; ++v)
                        if (g() % 3 == 0)
                            t.push_back(v);
                        else if (plusz && p.empty())
                            p.push_back(v);
                    if (t.size() > 8) t.resize(8);
                    SorHisztogram a, b;
                    SorokSzamlalasa(m.data(), sorok, W, t, p, prag, a);
                    SorokSzamlalasaEgyszeru(m.data(), sorok, W, t, p, prag, b);
                    EXPECT_EQ(a.Sima, b.Sima) << W << ' ' << sorok << ' ' << prag;
                    EXPECT_EQ(a.Plusz, b.Plusz) << W << ' ' << sorok << ' ' << prag;
                    // The bit sets need rows whose values are distinct, as tickets are.
                    if (sorok == 0) continue;
                    std::vector<std::uint8_t> k(m.size());
                    for (std::size_t r = 0; r < sorok; ++r)
                        for (int j = 0; j < W; ++j)
                            k[r * static_cast<std::size_t>(W) + static_cast<std::size_t>(j)] =
                                static_cast<std::uint8_t>(
                                    (m[r * static_cast<std::size_t>(W)] + 3 * j) % 20);
                    SorHisztogram c, d;
                    SorokSzamlalasaEgyszeru(k.data(), sorok, W, t, p, prag, c);
                    const auto sz = BitSzeletek::Keszites(k.data(), sorok, W, 1 << 20);
                    ASSERT_TRUE(sz);
                    sz->Szamlalas(t, p, prag, d);
                    EXPECT_EQ(c.Sima, d.Sima) << W << ' ' << sorok << ' ' << prag;
                    EXPECT_EQ(c.Plusz, d.Plusz) << W << ' ' << sorok << ' ' << prag;
                }
        }
}

} // namespace
} // namespace varion
