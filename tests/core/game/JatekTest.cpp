#include <gtest/gtest.h>

#include "game/FoszelvenySzamok.h"
#include "game/Jatek.h"
#include "game/Szamsor.h"
#include "support/SorozatVeletlen.h"

namespace varion {
namespace {

TEST(Jatek, TablaMindenJatekra) {
    EXPECT_EQ(JatekAdat(5).MaxSzam, 90);
    EXPECT_EQ(JatekAdat(6).MaxSzam, 45);
    EXPECT_EQ(JatekAdat(7).MaxSzam, 35);
    // The grid holds every number: 7 × 7 leaves two cells of the last row empty in game 6.
    for (const auto& j : Jatekok) {
        EXPECT_GE(j.Oszlopok * j.Sorok, j.MaxSzam);
        EXPECT_LT(j.Oszlopok * (j.Sorok - 1), j.MaxSzam);
        EXPECT_EQ(MaxFixSzam(j.Jatek), j.Jatek - 2);
    }
    EXPECT_EQ(JatekAdat(6).Oszlopok * 6 + 3, 45);
    EXPECT_EQ(JatekAdat(7).FoablakFelirat, " Varion  -  Skandináv lottó");
    EXPECT_EQ(JatekAdat(5).KonyvtarNev, "Otos");
    EXPECT_EQ(JatekAdat(6).Gyorsbillentyu, "F6");
    // Out-of-range game codes never index past the table.
    EXPECT_EQ(JatekAdat(9).Jatek, 5);
    EXPECT_EQ(JatekAdat(-1).Jatek, 5);
}

TEST(SzamsorAtrendezes, NovekvoCsokkenoEsVisszaValtozatlan) {
    teszt::SorozatVeletlen v({});
    Szamsor s{17, 3, 45};
    SzamsorAtrendezes(s, Szamsorrend::Novekvo, v);
    EXPECT_EQ(s, (Szamsor{3, 17, 45}));
    SzamsorAtrendezes(s, Szamsorrend::Csokkeno, v);
    EXPECT_EQ(s, (Szamsor{45, 17, 3}));
    EXPECT_EQ(SzamsorAtrendezes(s, Szamsorrend::Valtozatlan, v), 0);
    EXPECT_EQ(s, (Szamsor{45, 17, 3}));
    // An already sorted row is not written at all.
    Szamsor rendezett{1, 2, 3};
    EXPECT_EQ(SzamsorAtrendezes(rendezett, Szamsorrend::Novekvo, v), 0);
}

TEST(SzamsorAtrendezes, VeletlenMindenHelyetAzEgeszSorbolCserel) {
    // Every position i is swapped with j drawn from 0..n-1, the whole row.
    teszt::SorozatVeletlen v({2, 0, 0, 3});
    Szamsor s{10, 20, 30, 40};
    SzamsorAtrendezes(s, Szamsorrend::Veletlen, v);
    // i=0 j=2: 30 20 10 40; i=1 j=0: 20 30 10 40; i=2 j=0: 10 30 20 40; i=3 j=3.
    EXPECT_EQ(s, (Szamsor{10, 30, 20, 40}));
    EXPECT_EQ(v.kert, (std::vector<int>{4, 4, 4, 4}));

    Szamsor egy{7};
    for (auto mod : {Szamsorrend::Novekvo, Szamsorrend::Csokkeno, Szamsorrend::Veletlen}) {
        SzamsorAtrendezes(egy, mod, v);
        EXPECT_EQ(egy, (Szamsor{7}));
    }
}

TEST(FoszelvenySzamok, SorrendValtasMentettJelzoEsKapcsolo) {
    teszt::SorozatVeletlen v({});
    FoszelvenySzamok f(5);
    for (std::uint8_t s : {17, 3, 45}) f.Hozzafuz(SzamFajta::Normal, s);
    f.SzamsorMentve = true;
    EXPECT_FALSE(f.SetSzamsorrend(Szamsorrend::Valtozatlan, v)); // same mode: nothing
    EXPECT_TRUE(f.SzamsorMentve);

    f.AtrendezesEngedve = false;
    EXPECT_TRUE(f.SetSzamsorrend(Szamsorrend::Novekvo, v));
    EXPECT_EQ(f.JeloltSzamok(), (Szamsor{17, 3, 45})); // reordering switched off
    EXPECT_TRUE(f.SzamsorMentve);

    f.AtrendezesEngedve = true;
    f.Atrendezes(v);
    EXPECT_EQ(f.JeloltSzamok(), (Szamsor{3, 17, 45}));
    EXPECT_FALSE(f.SzamsorMentve);

    f.SzamsorMentve = true;
    f.SzamsorrendKijelzes(Szamsorrend::Csokkeno); // shown, never reordered
    EXPECT_EQ(f.GetSzamsorrend(), Szamsorrend::Csokkeno);
    EXPECT_EQ(f.JeloltSzamok(), (Szamsor{3, 17, 45}));
    EXPECT_TRUE(f.SzamsorMentve);
}

TEST(FoszelvenySzamok, SzamlalokEsInvariansok) {
    FoszelvenySzamok f(5);
    EXPECT_EQ(f.ValtozoSzamDb(), 5);
    for (std::uint8_t s : {1, 2, 3, 4}) f.Hozzafuz(SzamFajta::Normal, s);
    for (std::uint8_t s : {10, 11, 12}) f.Hozzafuz(SzamFajta::Fix, s);
    f.Hozzafuz(SzamFajta::Allando, 2);
    f.Hozzafuz(SzamFajta::Veletlen, 3);
    EXPECT_EQ(f.ValtozoSzamDb(), 2);
    EXPECT_EQ(f.Kijelolve(), 7);
    EXPECT_TRUE(f.Ervenyes());

    auto hibas = [](auto modositas) {
        FoszelvenySzamok g(5);
        g.Hozzafuz(SzamFajta::Normal, 1);
        g.Hozzafuz(SzamFajta::Normal, 2);
        modositas(g);
        return !g.Ervenyes();
    };
    EXPECT_TRUE(hibas([](auto& g) { g.Hozzafuz(SzamFajta::Fix, 1); }));     // fixed and marked
    EXPECT_TRUE(hibas([](auto& g) { g.Hozzafuz(SzamFajta::Allando, 9); })); // constant not marked
    EXPECT_TRUE(hibas([](auto& g) {
        g.Hozzafuz(SzamFajta::Allando, 1);
        g.Hozzafuz(SzamFajta::Veletlen, 1); // constant and random at once
    }));
    EXPECT_TRUE(hibas([](auto& g) { g.Hozzafuz(SzamFajta::Normal, 91); }));
    EXPECT_TRUE(hibas([](auto& g) { g.Hozzafuz(SzamFajta::Normal, 2); })); // duplicate
    EXPECT_TRUE(hibas([](auto& g) {
        for (std::uint8_t s : {10, 11, 12, 13}) g.Hozzafuz(SzamFajta::Fix, s); // fourth fixed
    }));
}

} // namespace
} // namespace varion
