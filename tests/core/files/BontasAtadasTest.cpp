#include <gtest/gtest.h>

#include "files/BontasAtadas.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;

TEST(BontasAtadas, KeszBontasAllomanyonAtVisszaAMotorba) {
    TBontas eredeti;
    RogzitoUzenetek u;
    const Szamsor jelolt{40, 3, 17, 9, 22, 31, 8};
    ASSERT_TRUE(teszt::Bontas(eredeti, u, 5, jelolt, nullptr, {70, 71}));
    FoszelvenySzamok szamok(5);
    for (auto s : jelolt) szamok.Hozzafuz(SzamFajta::Normal, s);
    szamok.Hozzafuz(SzamFajta::Fix, 70);
    szamok.Hozzafuz(SzamFajta::Fix, 71);
    const auto sor = SzamsorFelvetel(szamok, {}, false, false, {1, 0});

    teszt::IdeiglenesMappa m;
    ASSERT_TRUE(TopMentes(m / "b.top", sor, *BontasNezetbol(eredeti), u));
    auto t = TopBetoltes(m / "b.top", 5, false, 0, u);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Bontas.Sorok(), 35);
    TBontas betoltott;
    ASSERT_TRUE(BontasTelepites(betoltott, t->Sor, t->Bontas));
    EXPECT_EQ(teszt::Sorok(betoltott), teszt::Sorok(eredeti));
    EXPECT_EQ(betoltott.BontMutStat(), eredeti.BontMutStat());
    EXPECT_EQ(betoltott.BetoltottVerzio(), SajatVerzio());
    EXPECT_EQ(BontasValtozat(t->Sor, t->Bontas, 0), (std::vector<int>{40, 3, 17, 70, 71}));

    // A refused breakdown leaves the engine's own in place (deleting it first, as a plain
    // install would, lost the breakdown the player had for a file that was never taken).
    BontasAdatok rossz = t->Bontas;
    rossz.BontMutStat.pop_back();
    EXPECT_FALSE(BontasTelepites(betoltott, t->Sor, rossz));
    EXPECT_EQ(teszt::Sorok(betoltott), teszt::Sorok(eredeti));
}

} // namespace
} // namespace varion
