#include <gtest/gtest.h>

#include "game/SzelvSzinek.h"

namespace varion {
namespace {

using enum SzelvFajta;
using B = SzelvBejegyzes;

// The overrides of single views, in both schemes; the rest share one value.
TEST(SzelvSzinek, NezetenkentiEltereseiMindketSemaban) {
    const SzelvSzinTabla t;
    for (int s = 0; s < SemaDb; ++s) {
        EXPECT_EQ(t.Ertek(HuzasLista, s, B::Hatter), Rgb(0, 100, 100));
        EXPECT_EQ(t.Ertek(BontasLista, s, B::Jeloletlen), TemaSugoHatter);
        EXPECT_EQ(t.Ertek(SzamsorKereses, s, B::Kijelolt), TemaGorgetosav);
        EXPECT_EQ(t.Ertek(HuzasLista, s, B::Kijelolt), Rgb(220, 215, 200));
        EXPECT_EQ(t.Ertek(UjHuzas, s, B::SzamSzin), Rgb(0, 0, 128));
        EXPECT_EQ(t.Ertek(Foszelveny, s, B::Tartalek), 5);
        EXPECT_EQ(t.Ertek(BontasEllenorzes, s, B::RiportPanel), TemaSugoHatter);
        EXPECT_EQ(t.Ertek(UjHuzas, s, B::RiportPanel), Rgb(255, 251, 240));
    }
    EXPECT_EQ(t.Ertek(0, SemaMeret + 1), 30);
    EXPECT_EQ(TemaGombFelulet, -16777216 + 15);
}

TEST(SzelvSzinek, MeretekTartomanyaEsTablanKivuliIndex) {
    EXPECT_FALSE(SzelvSzinTabla::Hasznalhato(B::Box, 29));
    EXPECT_TRUE(SzelvSzinTabla::Hasznalhato(B::Box, 48));
    EXPECT_FALSE(SzelvSzinTabla::Hasznalhato(B::SzamMeret, 15));
    EXPECT_TRUE(SzelvSzinTabla::Hasznalhato(B::Hatter, -5));
    SzelvSzinTabla t;
    const SzelvSzinTabla eredeti = t;
    t.Beallit(6, 0, 1);
    t.Beallit(0, 28, 1);
    EXPECT_EQ(t, eredeti);
}

} // namespace
} // namespace varion
