// The optimised reduction at its limits: neighbourhoods enumerated from the masks, the
// selections it refuses, a run repeated by its seed and rounds, and memory running out.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

#include "breakdown/FedesTablak.h"
#include "breakdown/GaranciaEllenorzes.h"
#include "breakdown/OptimalisFedes.h"
#include "breakdown/UBontMegsz.h"
#include "breakdown/UBontas.h"
#include "support/BontasSegito.h"
#include "support/KeziAdatok.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::Beall;
using teszt::Sorozat;

// A neighbourhood is the candidates sharing at least K - e numbers, each exactly once,
// whether it comes from the table or is enumerated from the mask (5 of 30 with two error
// points is far above the table's size; 6 of 13 with three is below it). Conditions leave
// holes in the candidate list that the enumeration must skip.
TEST(OptimalisFedes, NeighbourhoodsAreTheCandidatesWithinTheErrorPoints) {
    struct Eset {
        int K, N, e;
        bool Feltetel, Tablas;
    };
    std::mt19937 g(4);
    for (const Eset c : {Eset{5, 30, 2, false, false}, Eset{6, 13, 3, false, true},
                         Eset{5, 26, 2, true, false}, Eset{7, 15, 1, true, true}}) {
        FeltetelAdatok a;
        if (c.Feltetel) {
            a.SzvParosBe = a.SzvParosFix = a.SzvParosTipus = 1;
            a.SzvParos = 2;
            a.SzvParosMax = 3;
        }
        const auto f = teszt::Keszlet(a, Sorozat(c.N), c.K);
        const auto jeloltek = Jeloltek({c.K, Sorozat(c.N), c.K, &f, {}, 1, 0});
        FedesTablak t;
        ASSERT_TRUE(t.Epites(jeloltek, c.N, c.K, c.e));
        EXPECT_EQ(t.Tablas(), c.Tablas) << c.K << "/" << c.N;
        for (int proba = 0; proba < 12; ++proba) {
            const auto j = static_cast<std::int32_t>(g() % jeloltek.size());
            std::vector<std::int32_t> kapott, vart;
            t.Bejar(j, [&](std::int32_t d) { kapott.push_back(d); });
            EXPECT_EQ(kapott.front(), j);
            for (std::size_t d = 0; d < jeloltek.size(); ++d)
                if (Kozos(jeloltek[d], jeloltek[static_cast<std::size_t>(j)]) >= c.K - c.e)
                    vart.push_back(static_cast<std::int32_t>(d));
            std::sort(kapott.begin(), kapott.end());
            EXPECT_EQ(kapott, vart) << c.K << "/" << c.N << " e=" << c.e;
        }
    }
}

// Too large a selection is refused from its size alone, with the reason in figures; the
// largest selections of each game the player can make with one error point are refused,
// the larger cases the search is meant for are taken on.
TEST(OptimalisFedes, RefusesTooLargeSelectionsWithTheReason) {
    EXPECT_EQ(OptimalisElutasitas(90, 5, 1),
              "a kijelölésnek 43 949 268 változata van, a keresés legfeljebb 4 000 000 "
              "változatot kezel");
    EXPECT_EQ(OptimalisElutasitas(30, 5, 3),
              "egy szelvény 26 126 változatot fed le, a keresés legfeljebb 16 384-et kezel");
    EXPECT_NE(OptimalisElutasitas(45, 6, 1), "");
    EXPECT_NE(OptimalisElutasitas(35, 7, 1), "");
    for (const auto& [n, k, e] :
         {std::tuple{30, 5, 1}, {40, 5, 2}, {24, 6, 1}, {26, 6, 2}, {22, 7, 2}, {16, 7, 3}})
        EXPECT_EQ(OptimalisElutasitas(n, k, e), "") << k << "/" << n;

    // The conditions window's option carries the reason before the run.
    EXPECT_EQ(OptimalisOpcioSugo(30, 5, 3),
              " Ennél a kijelölésnél nem használható: egy szelvény 26 126 változatot fed le, a "
              "keresés legfeljebb 16 384-et kezel. \n A bontás a megadott csökkentést készíti "
              "el. ");
    EXPECT_EQ(OptimalisOpcioSugo(13, 5, 1),
              " Kevesebb szelvény ugyanazzal a garanciával: a bontás után a program legfeljebb "
              "\n 10 másodpercig keresi a kisebb fedést. ");
    EXPECT_EQ(OptimalisOpcioSugo(90, 5, 0), OptimalisOpcioSugo(13, 5, 1));

    // The search itself gives the given rows back, without enumerating anything.
    const std::vector<SorMaszk> adott{
        MaszkIndexekbol(std::array<std::uint8_t, 5>{0, 1, 2, 3, 4}.data(), 5)};
    const FedesBeallitas fb = Beall(30, 5, 3, 1, std::chrono::minutes(1), 0, 2);
    FedesAllapot allapot;
    const FedesEredmeny r = OptimalisFedes({}, adott, fb, allapot);
    EXPECT_EQ(r.Elutasitas, OptimalisElutasitas(30, 5, 3));
    ASSERT_EQ(r.Sorok.size(), 1u);
    EXPECT_EQ(r.Lepesek, 0);
}

BontasBemenet Bemenet(const Szamsor& jelolt, const FeltetelKeszlet& f, int jatek) {
    BontasBemenet be;
    be.Jatek = jatek;
    be.JeloltSzamok = jelolt;
    be.Feltetelek = &f;
    be.Optimalizalt = true;
    return be;
}

std::vector<std::vector<std::uint8_t>> Futtat(TBontas& b, const BontasBemenet& be) {
    teszt::RogzitoUzenetek u;
    u.MindentElfogad();
    EXPECT_TRUE(b.BontasIndul(be, u, [] { return std::uint64_t{1} << 40; }));
    b.Futtatas();
    return teszt::Sorok(b);
}

// The engine refuses at the run start, before the passes: the breakdown is the specified
// reduction and says why. The naive rule searched nothing after the passes but still
// called the result an optimised reduction with a seed.
TEST(OptimalisBontas, ARefusedSearchSaysTheSpecifiedReductionWasKept) {
    const Szamsor jelolt = Sorozat(30);
    auto f = teszt::Keszlet({}, jelolt, 5);
    FeltJelzoBeallitas(f, 3);
    teszt::RogzitoUzenetek u;
    TBontas b;
    ASSERT_TRUE(b.BontasIndul(Bemenet(jelolt, f, 5), u, [] { return std::uint64_t{1} << 40; }));
    EXPECT_FALSE(b.Optimalizalt());
    EXPECT_EQ(b.OptimalisMegtagadas(), OptimalisElutasitas(30, 5, 3));
    EXPECT_EQ(MegadottCsokkentesSzoveg(b.OptimalisMegtagadas()),
              "A megadott csökkentés maradt: egy szelvény 26 126 változatot fed le, a keresés "
              "legfeljebb 16 384-et kezel.");
}

// A run of the time budget reports its seed and rounds; the same seed with that many
// rounds instead of the budget gives the same rows. A second run of the budget gives more
// or fewer rounds (the machine decides), never other rows for the same rounds.
TEST(OptimalisBontas, TheSeedAndTheRoundsRepeatARun) {
    const Szamsor jelolt = Sorozat(14);
    auto f = teszt::Keszlet({}, jelolt, 6);
    FeltJelzoBeallitas(f, 1);
    BontasBemenet be = Bemenet(jelolt, f, 6);
    be.OptimalisMag = 31;
    be.OptimalisIdo = std::chrono::milliseconds(300);
    TBontas a;
    const auto sorokA = Futtat(a, be);
    ASSERT_GT(a.OptimalisLepesek(), 0);
    EXPECT_EQ(a.OptimalisMegtagadas(), "");
    EXPECT_EQ(OptimalisVegSzoveg(31, a.OptimalisLepesek()),
              "Optimalizált csökkentés, véletlen mag: 31, lépések: " +
                  std::to_string(a.OptimalisLepesek()));

    be.OptimalisLepesKorlat = static_cast<std::uint64_t>(a.OptimalisLepesek());
    be.OptimalisIdo = std::chrono::milliseconds(1); // not looked at with a round limit
    TBontas b;
    EXPECT_EQ(Futtat(b, be), sorokA);
    EXPECT_EQ(b.OptimalisLepesek(), a.OptimalisLepesek());
}

// Memory runs out in a search thread: the run ends normally with the passes' rows, says
// so, and Stop ends the next run again. The naive rule let the failure leave the search's
// flag up: Stop then only asked a search that no longer ran to end, so neither that run
// nor any later one could be stopped (and a failure on the second thread ended the program).
TEST(OptimalisBontas, MemoryRunningOutInTheSearchKeepsTheRunStoppable) {
    const Szamsor jelolt = Sorozat(13);
    auto f = teszt::Keszlet({}, jelolt, 5);
    FeltJelzoBeallitas(f, 1);
    for (const int hibasSzal : {0, 1}) {
        BontasBemenet be = Bemenet(jelolt, f, 5);
        be.OptimalisIdo = std::chrono::minutes(10);
        TBontas b;
        std::atomic<int> korok{0};
        b.SetOptimalisProba([&](int szal) {
            if (szal == hibasSzal && korok.fetch_add(1) == 2) throw std::bad_alloc();
        });
        const auto sorok = Futtat(b, be);
        EXPECT_EQ(b.GetBontStatus(), 1);
        EXPECT_EQ(sorok.size(), 98u) << "the passes' rows";
        EXPECT_EQ(b.OptimalisMegtagadas(), OptimalisMemoriaHiba);
        EXPECT_FALSE(b.Haladas().Optimalizalas);

        // The next run's passes stop at once.
        teszt::RogzitoUzenetek u;
        u.MindentElfogad();
        be.Optimalizalt = false;
        ASSERT_TRUE(b.BontasIndul(be, u, [] { return std::uint64_t{1} << 40; }));
        EXPECT_FALSE(b.Stop()) << "Stop ends the run, not a search";
        b.Futtatas();
        EXPECT_EQ(b.GetBontStatus(), 0);
    }
}

} // namespace
} // namespace varion
