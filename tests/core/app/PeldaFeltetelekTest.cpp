#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "app/PeldaFeltetelek.h"
#include "conditions/FeltetelEllenorzes.h"
#include "files/BontasAtadas.h"
#include "game/Jatek.h"
#include "support/FeltetelOrakulum.h"

namespace varion {
namespace {

// 1..n, the marked row once every number of the game is selected.
Szamsor Mind(int n) {
    Szamsor s(static_cast<std::size_t>(n));
    std::iota(s.begin(), s.end(), std::uint8_t{1});
    return s;
}

// A draw of game `jatek`: the numbers of the first row, then (game 7) of the second.
Huzas Sorsolas(int jatek, std::vector<int> szamok) {
    Huzas h;
    h.Ev = 2020;
    h.Het = 1;
    for (std::size_t i = 0; i < szamok.size(); ++i)
        h.Szamok[i] = static_cast<std::uint8_t>(szamok[i]);
    (void)jatek;
    return h;
}

TEST(PeldaFeltetelek, AHarom17_18_40_77Sor) {
    const auto p = PeldaFeltetelek({40, 3, 77, 18, 17}, 5, std::nullopt);
    ASSERT_TRUE(p);
    const auto& a = p->Adatok;
    // The gap 17..18 rules out one hit per group; three numbers within 3..18 (span 15) give
    // groups of 15 with at most 2, kept since 15 > 2 x 1.
    EXPECT_TRUE(a.MobBe);
    EXPECT_EQ(a.MobSzamai, 15);
    EXPECT_EQ(a.MobTalalatMax, 2);
    // 3..18 holds three numbers with a ratio of 15 / 3 = 5, better than 17..40 and 18..77.
    EXPECT_TRUE(a.FavBe);
    EXPECT_EQ(a.FavSzamai, 3);
    EXPECT_EQ(a.FavSzamaiMax, 18);
    EXPECT_EQ(a.FavTalalat, 3);
    EXPECT_EQ(a.FavTalalatMax, 3);
    // Blocks of 39: 3, 17, 18 | 40, 77 | 79..90 is not full. 13 numbers per allowed hit is the
    // most any size gives (40 and more put four numbers in the first block).
    EXPECT_TRUE(a.FixBe);
    EXPECT_EQ(a.FixSzamai, 39);
    EXPECT_EQ(a.FixTalalatMax, 3);
    // Decades 0, 1, 1, 4, 7: two in even decades, decade 1 repeats once.
    EXPECT_EQ(
        std::tuple(a.SzcsParosBe, a.SzcsParosFix, a.SzcsParosTipus, a.SzcsParos, a.SzcsParosMax),
        std::tuple(1, 1, 1, 2, 2));
    EXPECT_EQ(std::tuple(a.SzcsIsmetBe, a.SzcsIsmetEgy, a.SzcsIsmet, a.SzcsIsmetMax),
              std::tuple(1, 1, 1, 1));
    // 18 and 40 are even; the ending 7 repeats once.
    EXPECT_EQ(std::tuple(a.SzvParosBe, a.SzvParosFix, a.SzvParosTipus, a.SzvParos, a.SzvParosMax),
              std::tuple(1, 1, 1, 2, 2));
    EXPECT_EQ(std::tuple(a.SzvIsmetBe, a.SzvIsmetEgy, a.SzvIsmet, a.SzvIsmetMax),
              std::tuple(1, 1, 1, 1));
    EXPECT_EQ(std::tuple(a.EsemOsszegBe, a.EsemOsszegFix, a.EsemOsszFix, a.EsemOsszMax),
              std::tuple(1, 1, 155, 155));
    EXPECT_EQ(std::tuple(a.IkerszamBe, a.Ikerszam, a.IkerszamMax), std::tuple(1, 1, 1)); // 77
    EXPECT_EQ(std::tuple(a.TukorszamBe, a.Tukorszam, a.TukorszamMax), std::tuple(1, 0, 0));
    EXPECT_FALSE(a.TalArBe);
    EXPECT_EQ(a.Hibapont, 0);
    const std::array<bool, 11> dobozok{true, true, true, true, true, false,
                                       true, true, true, true, true};
    EXPECT_EQ(p->Dobozok, dobozok);
}

TEST(PeldaFeltetelek, SzomszedosSzamokEsTobbIsmetlodes) {
    const auto p = PeldaFeltetelek({22, 1, 2, 3, 4, 5, 21}, 7, std::nullopt);
    ASSERT_TRUE(p);
    const auto& a = p->Adatok;
    // 1..5 in a row: gaps of 1, and five numbers spanning 4 fill a group of 4. Neither mobile
    // pass says anything, and the favourite range skips 1..5 for 2..21 (19 / 5).
    EXPECT_FALSE(a.MobBe);
    EXPECT_FALSE(p->Dobozok[static_cast<int>(Feltetel::Mob)]);
    EXPECT_EQ(std::tuple(a.FavBe, a.FavSzamai, a.FavSzamaiMax, a.FavTalalat, a.FavTalalatMax),
              std::tuple(1, 2, 21, 5, 5));
    // Blocks of 17: 1..5 | 21, 22.
    EXPECT_EQ(std::tuple(a.FixBe, a.FixSzamai, a.FixTalalatMax), std::tuple(1, 17, 5));
    // Decades 0 (five) and 2 (two) repeat: "Több" with 4 + 1; endings 1 and 2 repeat: 2.
    EXPECT_EQ(std::tuple(a.SzcsIsmetEgy, a.SzcsIsmet, a.SzcsIsmetMax), std::tuple(0, 5, 5));
    EXPECT_EQ(std::tuple(a.SzvIsmetEgy, a.SzvIsmet, a.SzvIsmetMax), std::tuple(0, 2, 2));
    EXPECT_EQ(std::tuple(a.SzcsParosTipus, a.SzcsParos), std::tuple(1, 7));
    EXPECT_EQ(std::tuple(a.SzvParosTipus, a.SzvParos), std::tuple(1, 3));
    EXPECT_EQ(a.EsemOsszFix, 58);
    // A row all in odd decades and all odd counts the odd ones.
    const auto t = PeldaFeltetelek({11, 13, 15, 17, 19, 31}, 6, std::nullopt);
    ASSERT_TRUE(t);
    EXPECT_EQ(std::tuple(t->Adatok.SzcsParosTipus, t->Adatok.SzcsParos, t->Adatok.SzcsParosMax),
              std::tuple(0, 6, 6));
    EXPECT_EQ(std::tuple(t->Adatok.SzvParosTipus, t->Adatok.SzvParos), std::tuple(0, 6));
    EXPECT_EQ(std::tuple(t->Adatok.Tukorszam, t->Adatok.Ikerszam), std::tuple(1, 1)); // 13/31, 11

    EXPECT_FALSE(PeldaFeltetelek({1, 2, 3, 4}, 5, std::nullopt)) << "too short";
    EXPECT_FALSE(PeldaFeltetelek({1, 2, 3, 4, 4}, 5, std::nullopt)) << "a number twice";
    EXPECT_FALSE(PeldaFeltetelek({1, 2, 3, 4, 5, 6, 36}, 7, std::nullopt)) << "36 of 35";
}

TEST(PeldaFeltetelek, TalalatiAranyAgai) {
    const Szamsor sor{5, 12, 23, 34, 45};
    struct Eset {
        int h;
        std::uint8_t keresett;
        int min, max;
    };
    // As close to a past draw as a full hit or one less: keep the rows that come as close;
    // farther: drop every row that comes closer than the example.
    for (const Eset e : {Eset{5, 1, 4, 5}, Eset{4, 1, 4, 4}, Eset{3, 0, 4, 5}, Eset{0, 0, 1, 5}}) {
        const auto p = PeldaFeltetelek(sor, 5, e.h);
        ASSERT_TRUE(p);
        const auto& a = p->Adatok;
        EXPECT_EQ(std::tuple(a.TalArBe, a.TalArKeresett, a.TalArTalalat, a.TalArTalalatMax,
                             a.TalArHuzasok),
                  std::tuple(1, e.keresett, e.min, e.max, 0))
            << "h " << e.h;
        EXPECT_TRUE(p->Dobozok[static_cast<int>(Feltetel::TalAr)]);
    }
}

TEST(PeldaFeltetelek, TalalatMaxAHuzasTartomanybol) {
    HuzasAdatbazis hetes(7);
    ASSERT_TRUE(hetes.Hozzaadas(
        std::vector<Huzas>{Sorsolas(7, {1, 2, 3, 4, 20, 21, 22, 5, 6, 7, 30, 31, 32, 33}),
                           Sorsolas(7, {8, 9, 10, 11, 12, 13, 14, 1, 2, 3, 15, 16, 17, 18}),
                           Sorsolas(7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})}));
    const Szamsor sor{1, 2, 3, 4, 5, 6, 7};
    // The two draws of a week count on their own: 4 and 3 of the row, never 7.
    EXPECT_EQ(PeldaTalalatMax(hetes, {1, 2}, sor, 3), 4);
    EXPECT_EQ(PeldaTalalatMax(hetes, {1, 3}, sor, 4), 7);
    EXPECT_EQ(PeldaTalalatMax(hetes, {2, 2}, sor, 3), 3);
    // A row of draw 1 or 2 has no draw before it: no hit-ratio condition.
    EXPECT_EQ(PeldaTalalatMax(hetes, {1, 3}, sor, 2), std::nullopt);
    EXPECT_EQ(PeldaTalalatMax(hetes, {1, 3}, sor, 1), std::nullopt);
    EXPECT_EQ(PeldaTalalatMax(HuzasAdatbazis(7), {1, 0}, sor, 5), std::nullopt);

    HuzasAdatbazis hatos(6);
    ASSERT_TRUE(hatos.Hozzaadas(std::vector<Huzas>{Sorsolas(6, {1, 2, 3, 10, 11, 12, 4}),
                                                   Sorsolas(6, {20, 21, 22, 23, 24, 25, 0}),
                                                   Sorsolas(6, {30, 31, 32, 33, 34, 35, 0})}));
    EXPECT_EQ(PeldaTalalatMax(hatos, {1, 3}, {1, 2, 3, 4, 5, 6}, 3), 3) << "not the plus number";
}

TEST(PeldaFeltetelek, Cimek) {
    EXPECT_EQ(PeldaCim(PeldaFajta::Huzas, 3441),
              "  Példabontás készítése a(z) 3441. lottóhúzás számsora alapján");
    EXPECT_EQ(PeldaCim(PeldaFajta::Veletlen), "  Példabontás készítése véletlen számok alapján");
    EXPECT_EQ(PeldaCim(PeldaFajta::Sajat), "  Példabontás készítése saját számok alapján");
}

TEST(PeldaFeltetelek, MasolasAzOsszesitokonEsAHibaponton) {
    const auto p = PeldaFeltetelek({3, 17, 18, 40, 77}, 5, 2);
    ASSERT_TRUE(p);
    FeltetelAdatok cel;
    cel.Hibapont = 2;
    cel.ParosDb = 45;
    cel.OsszegMax = 440;
    cel.TukorParDb = 36;
    PeldaFeltetelekMasolasa(p->Adatok, cel);
    FeltetelAdatok varhato = p->Adatok;
    varhato.Hibapont = 2;
    varhato.ParosDb = 45;
    varhato.OsszegMax = 440;
    varhato.TukorParDb = 36;
    EXPECT_EQ(cel, varhato);
}

// A random draw table of the game: `db` draws.
HuzasAdatbazis VeletlenHuzasok(int jatek, int db, std::mt19937& g) {
    HuzasAdatbazis t(jatek);
    std::vector<Huzas> h;
    std::vector<int> szamok(static_cast<std::size_t>(MaxSzamJatek(jatek)));
    std::iota(szamok.begin(), szamok.end(), 1);
    for (int i = 0; i < db; ++i) {
        std::vector<int> sor;
        for (int fel = 0; fel < (jatek == 7 ? 2 : 1); ++fel) {
            std::shuffle(szamok.begin(), szamok.end(), g);
            sor.insert(sor.end(), szamok.begin(), szamok.begin() + jatek);
        }
        if (jatek == 6) sor.push_back(0);
        h.push_back(Sorsolas(jatek, sor));
    }
    EXPECT_TRUE(t.Hozzaadas(h));
    return t;
}

// The promise of an example breakdown: whatever the row, it meets every condition derived
// from it, by the engine's own condition test over 1..MaxSzam (position = number - 1), and
// the record is one a number-row file may hold for that ticket.
TEST(PeldaFeltetelek, APeldaSorMindenSajatFeltetelnekMegfelel) {
    std::mt19937 g(20261207);
    for (int jatek : {5, 6, 7}) {
        const int maxSzam = MaxSzamJatek(jatek);
        const HuzasAdatbazis db = VeletlenHuzasok(jatek, 40, g);
        const Szamsor mind = Mind(maxSzam);
        std::vector<int> szamok(static_cast<std::size_t>(maxSzam));
        std::iota(szamok.begin(), szamok.end(), 1);
        for (int probe = 0; probe < 3000; ++probe) {
            const int d = std::uniform_int_distribution<>(1, db.HuzasDb())(g);
            Szamsor sor;
            if (probe % 4 == 0) {
                // A past draw, as the draw command takes it (game 7: either half).
                const int fel = jatek == 7 ? probe / 4 % 2 : 0;
                for (int i = 0; i < jatek; ++i)
                    sor.push_back(static_cast<std::uint8_t>(db.Szamok(d - 1)[fel * 7 + i]));
            } else if (probe % 4 == 1) {
                // Clustered rows bring gaps of 1, full groups and mirror pairs.
                const int kezd = std::uniform_int_distribution<>(1, maxSzam - 2 * jatek)(g);
                std::vector<int> kozel(szamok.begin() + kezd - 1,
                                       szamok.begin() + kezd - 1 + 2 * jatek);
                std::shuffle(kozel.begin(), kozel.end(), g);
                for (int i = 0; i < jatek; ++i) sor.push_back(static_cast<std::uint8_t>(kozel[i]));
            } else {
                std::shuffle(szamok.begin(), szamok.end(), g);
                for (int i = 0; i < jatek; ++i)
                    sor.push_back(static_cast<std::uint8_t>(szamok[static_cast<std::size_t>(i)]));
            }
            std::sort(sor.begin(), sor.end());
            // The draw command looks at the draws before the row's own; the others at all.
            const Tartomany t =
                probe % 4 == 0 && d > 2 ? Tartomany{1, d - 1} : TeljesTartomany(db.HuzasDb());
            const int huzas = probe % 4 == 0 ? d : t.Utolso;
            const auto h = PeldaTalalatMax(db, t, sor, huzas);
            const auto p = PeldaFeltetelek(sor, jatek, h);
            ASSERT_TRUE(p);
            teszt::Vizsgalo v(p->Adatok, mind, jatek, jatek, HuzasNezet(db), t.Utolso);
            std::vector<std::uint8_t> poz;
            for (auto x : sor) poz.push_back(static_cast<std::uint8_t>(x - 1));
            std::string nev = "game " + std::to_string(jatek) + " row";
            for (auto x : sor) nev += " " + std::to_string(x);
            EXPECT_TRUE(v(poz, t.Elso - 1)) << nev << " draw " << d;
            EXPECT_TRUE(FeltetelAdatokErvenyes(p->Adatok, maxSzam, jatek, jatek)) << nev;
            EXPECT_EQ(p->Adatok.TalArBe, h.has_value()) << nev;
            if (HasFailure()) return;
        }
    }
}

} // namespace
} // namespace varion
