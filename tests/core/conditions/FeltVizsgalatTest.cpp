#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "breakdown/UBontas.h"
#include "conditions/FeltVizsgalat.h"
#include "game/Jatek.h"
#include "support/BontasSegito.h"
#include "support/FeltetelOrakulum.h"
#include "support/KeziAdatok.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::SorLista;
using teszt::Sorozat;
using teszt::Vizsgalo;

TEST(FeltVizsgalat, MobilEsFixCsoportok) {
    FeltetelAdatok a;
    a.MobBe = 1;
    a.MobSzamai = 3;
    a.MobTalalatMax = 1;
    Vizsgalo mob(a, Sorozat(20), 5, 5);
    EXPECT_TRUE(mob({0, 3, 6, 9, 12}));  // positions 1, 4, 7, 10, 13
    EXPECT_FALSE(mob({0, 2, 6, 9, 12})); // 1 and 3 lie in one run of 3
    a = {};
    a.FixBe = 1;
    a.FixSzamai = 5;
    a.FixTalalatMax = 2;
    Vizsgalo fix(a, Sorozat(20), 5, 5);
    EXPECT_TRUE(fix({3, 4, 5, 6, 10}));  // positions 4, 5 | 6, 7 | 11
    EXPECT_FALSE(fix({2, 3, 4, 6, 10})); // 3, 4, 5 in the first block
}

TEST(FeltVizsgalat, TobbParatlanAJatekokbanSzigoruTobbseg) {
    // game 6 without fixed numbers: at least 4 of 6 in odd decades; game 5 and 7 likewise
    // strictly more odd ones, and with one fixed number in game 6 (K = 5) 3 of 5.
    struct Eset {
        int jatek, K, paratlanKell;
    };
    for (const Eset e : {Eset{6, 6, 4}, Eset{5, 5, 3}, Eset{7, 7, 4}, Eset{6, 5, 3}}) {
        FeltetelAdatok a;
        a.SzcsParosBe = 1;
        a.SzcsParosFix = 0;
        a.SzcsParosTipus = 0;
        a.SzcsParos = e.K / 2;
        // positions 0..6 hold numbers of odd decades (10..16), 7..13 of even ones (1..7)
        Szamsor sz{10, 11, 12, 13, 14, 15, 16, 1, 2, 3, 4, 5, 6, 7};
        Vizsgalo v(a, sz, e.jatek, e.K);
        for (int paratlan = 0; paratlan <= e.K; ++paratlan) {
            std::vector<std::uint8_t> poz;
            for (int i = 0; i < paratlan; ++i) poz.push_back(static_cast<std::uint8_t>(i));
            for (int i = 0; i < e.K - paratlan; ++i)
                poz.push_back(static_cast<std::uint8_t>(7 + i));
            EXPECT_EQ(v(poz), paratlan >= e.paratlanKell)
                << "game " << e.jatek << " K " << e.K << " odd " << paratlan;
        }
    }
}

TEST(FeltVizsgalat, IsmetlodesEgyEsTobb) {
    FeltetelAdatok a;
    a.SzcsIsmetBe = 1;
    a.SzcsIsmetEgy = 1;
    a.SzcsIsmet = 1;
    a.SzcsIsmetMax = 3;
    Szamsor sz{1, 2, 11, 12, 21, 31, 41, 3};
    Vizsgalo egy(a, sz, 5, 5);
    EXPECT_FALSE(egy({0, 1, 2, 3, 4})); // decades 0 and 1 both repeat
    EXPECT_TRUE(egy({0, 1, 2, 4, 5}));  // only decade 0, once
    EXPECT_TRUE(egy({0, 1, 7, 4, 5}));  // decade 0 three times: r = 2
    a.SzcsIsmetEgy = 0;
    a.SzcsIsmet = 2;
    a.SzcsIsmetMax = 2;
    Vizsgalo tobb(a, sz, 5, 5);
    EXPECT_TRUE(tobb({0, 1, 2, 3, 4})); // 5 numbers in 3 decades
    EXPECT_FALSE(tobb({0, 1, 2, 4, 5}));
}

TEST(FeltVizsgalat, TalalatiAranySkandinavMasodikHuzasEsKizart) {
    std::vector<std::int32_t> t{
        1, 2020, 1, 20, 21, 22, 23, 24, 25, 26, 1,  2,  3,  4,  27, 28, 29, //
        2, 2020, 2, 30, 31, 32, 33, 34, 35, 19, 18, 17, 16, 15, 14, 13, 12};
    FeltetelAdatok a;
    a.TalArBe = 1;
    a.TalArKeresett = 1;
    a.TalArTalalat = 4;
    a.TalArTalalatMax = 7;
    Vizsgalo keresett(a, Sorozat(10), 7, 7, {t, 17}, 2);
    EXPECT_TRUE(keresett({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(keresett.v.HuzasIndex, 0);
    EXPECT_EQ(keresett.v.SkandiMezo, 17);          // only the second draw matched
    EXPECT_FALSE(keresett({0, 1, 2, 4, 5, 6, 7})); // 3 hits in draw 1's second half
    a.TalArKeresett = 0;
    Vizsgalo kizart(a, Sorozat(10), 7, 7, {t, 17}, 2);
    EXPECT_FALSE(kizart({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(kizart({0, 1, 2, 4, 5, 6, 7}));
    // an empty range leaves only the other conditions, and with none of them: fail
    Vizsgalo ures(a, Sorozat(10), 7, 7, {t, 17}, 0);
    EXPECT_FALSE(ures({0, 1, 2, 3, 4, 5, 6}));
}

// --- the bounds and skip-aheads never drop a passing variation ----------------------------

struct Sorsolo {
    std::mt19937 g;
    int operator()(int a, int b) { return a >= b ? a : std::uniform_int_distribution<>(a, b)(g); }
};

// Random limits that the conditions window could have produced for N numbers into K.
void Feltetel(Sorsolo& r, FeltetelAdatok& a, int melyik, int N, int K, int jatek,
              const Szamsor& sz) {
    switch (melyik) {
    case 0:
        a.FavBe = 1;
        a.FavSzamaiMax = r(3, N);
        a.FavSzamai = r(a.FavSzamaiMax == N ? 2 : 1, a.FavSzamaiMax - 2);
        a.FavTalalat = r(0, std::min(K, a.FavSzamaiMax - a.FavSzamai + 1));
        a.FavTalalatMax = r(a.FavTalalat, std::min(K, a.FavSzamaiMax - a.FavSzamai + 1));
        break;
    case 1:
        a.MobBe = 1;
        a.MobSzamai = r(2, std::max(2, N - jatek - 1));
        a.MobTalalatMax = r(1, std::max(1, std::min(a.MobSzamai, K) - 1));
        break;
    case 2:
        a.FixBe = 1;
        a.FixSzamai = r(2, std::max(2, N / 2));
        a.FixTalalatMax = r(1, std::max(1, std::min(a.FixSzamai, K) - 1));
        break;
    case 3:
    case 5: {
        auto& be = melyik == 3 ? a.SzcsParosBe : a.SzvParosBe;
        auto& fix = melyik == 3 ? a.SzcsParosFix : a.SzvParosFix;
        auto& tip = melyik == 3 ? a.SzcsParosTipus : a.SzvParosTipus;
        auto& mn = melyik == 3 ? a.SzcsParos : a.SzvParos;
        auto& mx = melyik == 3 ? a.SzcsParosMax : a.SzvParosMax;
        be = 1;
        fix = static_cast<std::uint8_t>(r(0, 1));
        tip = static_cast<std::uint8_t>(r(0, 1));
        mn = fix ? r(0, K) : K / 2;
        mx = fix ? r(mn, K) : K / 2;
        break;
    }
    case 4:
    case 6: {
        auto& be = melyik == 4 ? a.SzcsIsmetBe : a.SzvIsmetBe;
        auto& egy = melyik == 4 ? a.SzcsIsmetEgy : a.SzvIsmetEgy;
        auto& mn = melyik == 4 ? a.SzcsIsmet : a.SzvIsmet;
        auto& mx = melyik == 4 ? a.SzcsIsmetMax : a.SzvIsmetMax;
        be = 1;
        egy = static_cast<std::uint8_t>(r(0, 1));
        mn = r(0, 2);
        mx = r(mn, K - 1);
        break;
    }
    case 7: {
        a.EsemOsszegBe = 1;
        OsszegHatarok(a, sz, K);
        const int lo = r(a.OsszegMin, a.OsszegMax);
        a.EsemOsszegFix = static_cast<std::uint8_t>(r(0, 3) == 0);
        a.EsemOsszFix = lo;
        a.EsemOsszMax = a.EsemOsszegFix ? lo : r(lo, a.OsszegMax);
        break;
    }
    case 8:
        a.IkerszamBe = 1;
        a.Ikerszam = r(0, 2);
        a.IkerszamMax = r(a.Ikerszam, 3);
        break;
    case 9:
        a.TukorszamBe = 1;
        a.Tukorszam = r(0, 1);
        a.TukorszamMax = r(a.Tukorszam, 2);
        break;
    }
}

struct Eset {
    int jatek, K;
    Szamsor szamok;
    FeltetelAdatok a;
};

Eset VeletlenEset(Sorsolo& r, const std::vector<int>& feltetelek) {
    Eset e;
    e.jatek = r(5, 7);
    e.K = e.jatek - r(0, std::min(2, e.jatek - 2));
    const int N = r(e.K + 1, std::min(MaxSzamJatek(e.jatek), 15));
    // Numbers drawn from a narrow band so that twins and mirror pairs occur often.
    std::vector<int> keszlet(static_cast<std::size_t>(MaxSzamJatek(e.jatek)));
    std::iota(keszlet.begin(), keszlet.end(), 1);
    std::shuffle(keszlet.begin(), keszlet.end(), r.g);
    std::vector<int> elol;
    for (int x : {11, 12, 21, 22, 13, 31, 33, 10, 1, 20, 2, 23, 32})
        if (x <= MaxSzamJatek(e.jatek) && r(0, 1)) elol.push_back(x);
    for (int x : keszlet)
        if (std::find(elol.begin(), elol.end(), x) == elol.end()) elol.push_back(x);
    elol.resize(static_cast<std::size_t>(N));
    std::shuffle(elol.begin(), elol.end(), r.g);
    if (r(0, 2) == 0) std::sort(elol.begin(), elol.end());
    for (int x : elol) e.szamok.push_back(static_cast<std::uint8_t>(x));
    for (int m : feltetelek) Feltetel(r, e.a, m, N, e.K, e.jatek, e.szamok);
    return e;
}

void Osszevetes(const Eset& e, const std::string& nev) {
    const auto f = teszt::Keszlet(e.a, e.szamok, e.jatek);
    TBontas b;
    teszt::RogzitoUzenetek u;
    u.MindentElfogad();
    Szamsor fix;
    for (int i = 0; i < e.jatek - e.K; ++i) fix.push_back(static_cast<std::uint8_t>(89 - i));
    ASSERT_TRUE(teszt::Bontas(b, u, e.jatek, e.szamok, &f, fix));
    const auto varhato = teszt::NyersSzures(f.Adatok, e.szamok, e.jatek, e.K);
    ASSERT_EQ(teszt::Sorok(b), varhato) << nev << " N " << e.szamok.size() << " K " << e.K;
}

TEST(FeltetelMetszes, MindenFeltetelEgyedulANyersSzuressel) {
    for (int m = 0; m < 10; ++m)
        for (unsigned seed = 0; seed < 60; ++seed) {
            Sorsolo r{std::mt19937(seed * 31 + static_cast<unsigned>(m))};
            Osszevetes(VeletlenEset(r, {m}),
                       "condition " + std::to_string(m) + " seed " + std::to_string(seed));
        }
}

TEST(FeltetelMetszes, FeltetelekEgyuttANyersSzuressel) {
    for (unsigned seed = 0; seed < 400; ++seed) {
        Sorsolo r{std::mt19937(seed + 1000)};
        std::vector<int> f;
        for (int m = 0; m < 10; ++m)
            if (r(0, 2) == 0) f.push_back(m);
        Osszevetes(VeletlenEset(r, f), "seed " + std::to_string(seed));
    }
}

} // namespace
} // namespace varion
