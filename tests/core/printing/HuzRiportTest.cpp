#include <gtest/gtest.h>

#include <algorithm>

#include "printing/HuzRiport.h"

namespace varion {
namespace {

const RiportFejlec Fejlec{"Varion", "1.6.0.2", "2024.05.17."};

HuzasAdatbazis Adatbazis(int jatek, int db) {
    HuzasAdatbazis a(jatek);
    std::vector<Huzas> h(static_cast<std::size_t>(db));
    for (int i = 0; i < db; ++i) {
        auto& x = h[static_cast<std::size_t>(i)];
        x.Ev = 2000 + i / 52;
        x.Het = i % 52 + 1;
        for (int k = 0; k < RekordSzamDbJatek(jatek); ++k)
            x.Szamok[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((i + k * 7) % 30 + 1);
    }
    a.Hozzaadas(h);
    return a;
}

TEST(HuzRiport, OneShortPageOfGame5WithTheLeftColumnTakingTheOddDraw) {
    const auto r = HuzRiport(Adatbazis(5, 3), Fejlec);
    const std::vector<std::string> vart{
        "",
        "Az Ötöslottó sorsolásain kihúzott nyerőszámok listája.",
        "Varion 1.6.0.2          Készült: 2024.05.17.                    1/1 oldal.",
        std::string(90, '-'),
        "  Húzás   Év   Hét    1.   2.   3.   4.   5.    Húzás   Év   Hét    1.   2.   3.   4.   "
        "5.",
        std::string(90, '-'),
        "     1.  2000.  1.    1 -  8 - 15 - 22 - 29        3.  2000.  3.    3 - 10 - 17 - 24 -  1",
        "     2.  2000.  2.    2 -  9 - 16 - 23 - 30",
        std::string(90, '-'),
        "Lista vége.",
    };
    EXPECT_EQ(RiportSzovegek(r), vart);
    EXPECT_TRUE(r[1].Felkover);
    for (const auto& s : r) EXPECT_FALSE(s.OldalVege);
}

TEST(HuzRiport, Game6PrintsAZeroPlusNumberAndGame7BothRowsOnOneLine) {
    auto db6 = Adatbazis(6, 1);
    const auto r6 = RiportSzovegek(HuzRiport(db6, Fejlec));
    EXPECT_EQ(r6[4],
              "  Húzás   Év   Hét    1. 2. 3. 4. 5. 6.  +        Húzás   Év   Hét    1. 2. 3. "
              "4. 5. 6.  +");
    EXPECT_EQ(r6[6], "     1.  2000.  1.    1- 8-15-22-29- 6  13");
    HuzasAdatbazis nincsPlusz(6);
    Huzas h;
    h.Ev = 2020;
    h.Het = 40;
    for (std::uint8_t k = 0; k < 6; ++k) h.Szamok[k] = static_cast<std::uint8_t>(k * 7 + 3);
    nincsPlusz.Hozzaadas(std::span(&h, 1));
    EXPECT_EQ(RiportSzovegek(HuzRiport(nincsPlusz, Fejlec))[6],
              "     1.  2020. 40.    3-10-17-24-31-38   0");

    const auto r7 = RiportSzovegek(HuzRiport(Adatbazis(7, 2), Fejlec));
    EXPECT_EQ(r7[1], "A Skandináv lottó sorsolásain kihúzott nyerőszámok listája.");
    EXPECT_EQ(r7[6], "     1.  2000.  1.    1 -  8 - 15 - 22 - 29 -  6 - 13    20 - 27 -  4 - 11 "
                     "- 18 - 25 -  2");
    EXPECT_EQ(r7[7].substr(0, 22), "     2.  2000.  2.    ");
    EXPECT_EQ(r7[8], std::string(90, '-'));
}

// Pages: 128 draws fill exactly one page of games 5 and 6, the 129th opens page 2; game 7
// holds 64 a page. Every page repeats the title and header, and only the last one has no
// page break.
TEST(HuzRiport, PageCountsAndPageBreaks) {
    EXPECT_EQ(HuzRiportOldalDb(5, 0), 1);
    EXPECT_EQ(HuzRiportOldalDb(5, 128), 1);
    EXPECT_EQ(HuzRiportOldalDb(6, 129), 2);
    EXPECT_EQ(HuzRiportOldalDb(7, 64), 1);
    EXPECT_EQ(HuzRiportOldalDb(7, 65), 2);

    const auto egy = HuzRiport(Adatbazis(5, 128), Fejlec);
    EXPECT_EQ(egy.size(), 6u + 64 + 2);
    EXPECT_TRUE(egy[2].Szoveg.ends_with("1/1 oldal."));
    EXPECT_EQ(egy[6 + 63].Szoveg.substr(46, 10), "   128.  2");

    const auto r = HuzRiport(Adatbazis(5, 131), Fejlec);
    const auto s = RiportSzovegek(r);
    // page 1: empty line, title, header, separator, columns, separator, 64 lines, separator
    ASSERT_EQ(s.size(), 71u + 5 + 2 + 2);
    EXPECT_TRUE(r[70].OldalVege);
    EXPECT_EQ(s[70], std::string(90, '-'));
    EXPECT_TRUE(s[2].ends_with("1/2 oldal."));
    EXPECT_EQ(s[71], "Az Ötöslottó sorsolásain kihúzott nyerőszámok listája.");
    EXPECT_TRUE(r[71].Felkover);
    EXPECT_TRUE(s[72].ends_with("2/2 oldal."));
    // three draws left: 129 and 131 on the first line, 130 alone on the second
    EXPECT_TRUE(s[76].starts_with("   129."));
    EXPECT_EQ(s[76].substr(46, 10), "   131.  2");
    EXPECT_TRUE(s[77].starts_with("   130."));
    EXPECT_EQ(s[77].size(), 43u);
    EXPECT_EQ(s.back(), "Lista vége.");
    EXPECT_EQ(std::count_if(r.begin(), r.end(), [](const RiportSor& x) { return x.OldalVege; }), 1);
}

} // namespace
} // namespace varion
