#include <gtest/gtest.h>
#include <limits>

#include "breakdown/BontListaSzovegek.h"
#include "breakdown/ListaNezet.h"

namespace varion {
namespace {

constexpr std::int64_t Teljes905 = 43'949'268;

TEST(ListaNezet, AKivalasztottSorALegkisebbMozdulattalKerulLathatova) {
    ListaNezet n{Teljes905, 15, 100};
    EXPECT_EQ(n.Lathatova(105), 100); // already on screen
    EXPECT_EQ(n.Lathatova(99), 99);   // above: on top
    EXPECT_EQ(n.Lathatova(115), 101); // below: at the bottom
    EXPECT_EQ(n.Lathatova(Teljes905 - 1), Teljes905 - 15);
    EXPECT_EQ(n.MaxElso(), Teljes905 - 15);
    EXPECT_EQ(n.Korlatozva(Teljes905), Teljes905 - 15);
    EXPECT_EQ(n.Korlatozva(-3), 0);
    // a list shorter than the screen never scrolls
    ListaNezet rovid{6, 15, 0};
    EXPECT_EQ(rovid.MaxElso(), 0);
    EXPECT_EQ(rovid.Lathatova(5), 0);
}

TEST(ListaNezet, LepesekAListaHataraiNalMegallnak) {
    EXPECT_EQ(Lepes(ListaLepes::LapLe, 10, 20, 15), 19);
    EXPECT_EQ(Lepes(ListaLepes::LapFel, 10, 20, 15), 0);
    EXPECT_EQ(Lepes(ListaLepes::LapLe, 0, Teljes905, 15), 15);
    EXPECT_EQ(Lepes(ListaLepes::Le, Teljes905 - 1, Teljes905, 15), Teljes905 - 1);
    EXPECT_EQ(Lepes(ListaLepes::Fel, 0, Teljes905, 15), 0);
    EXPECT_EQ(Lepes(ListaLepes::Vegere, 3, Teljes905, 15), Teljes905 - 1);
    // nothing selected yet: a move starts on the first row, End on the last
    EXPECT_EQ(Lepes(ListaLepes::Le, -1, 20, 15), 0);
    EXPECT_EQ(Lepes(ListaLepes::Vegere, -1, 20, 15), 19);
    EXPECT_EQ(Lepes(ListaLepes::Le, -1, 0, 15), -1);
}

// The scroll bar is an int: up to its range the value is the top row itself, beyond it the
// rows are spread over the range so that both ends and the order survive.
TEST(ListaNezet, GorgetosavIntTartomanyaHosszuListan) {
    const std::int64_t max = Teljes905 - 15;
    EXPECT_EQ(GorgetoMax(max), max);
    for (std::int64_t e : {std::int64_t{0}, std::int64_t{1}, max / 2, max}) {
        EXPECT_EQ(GorgetoErtek(e, max), e);
        EXPECT_EQ(ElsoSorErtekbol(static_cast<int>(e), max), e);
    }
    const int intMax = std::numeric_limits<int>::max();
    const std::int64_t sok = std::int64_t{5} * intMax + 7;
    EXPECT_EQ(GorgetoMax(sok), intMax);
    EXPECT_EQ(GorgetoErtek(0, sok), 0);
    EXPECT_EQ(GorgetoErtek(sok, sok), intMax);
    EXPECT_EQ(ElsoSorErtekbol(intMax, sok), sok);
    EXPECT_EQ(ElsoSorErtekbol(0, sok), 0);
    int elozo = -1;
    for (std::int64_t e = 0; e <= sok; e += sok / 97) {
        const int v = GorgetoErtek(e, sok);
        EXPECT_GE(v, elozo);
        elozo = v;
        EXPECT_LE(std::abs(ElsoSorErtekbol(v, sok) - e), 3); // within one step of the bar
    }
    EXPECT_EQ(GorgetoErtek(5, 0), 0);
    EXPECT_EQ(ElsoSorErtekbol(9, 0), 0);
}

} // namespace
} // namespace varion

namespace varion {
namespace {

// A class no variation reaches prints blanks on the auxiliary ticket, as the draw list's
// counts do; it printed "0".
TEST(BontListaSzovegek, SegedRiportNullaUresen) {
    EXPECT_EQ(SegedRiport(5, TalalatOsztalyok{{10, 0, 0, 1}, 0}, 15),
              " Telitalálat esetén \r  -5 találat:       1\r  -4 találat:        \r"
              "  -3 találat:        \r  -2 találat:      10\r Számsor összege:  15");
}

} // namespace
} // namespace varion
