#include <gtest/gtest.h>

#include "files/AllomanyMuvelet.h"
#include "io/FajlMentes.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
namespace fs = std::filesystem;

SzamsorAdatok Sor() {
    SzamsorAdatok a;
    a.Jelolt = {1, 2, 3, 4, 5, 6};
    return a;
}

BontasAdatok Bontas() {
    BontasAdatok b;
    b.Szelesseg = 5;
    b.Matrix = {0, 1, 2, 3, 4, 1, 2, 3, 4, 5};
    b.BontMutStat = {1, 2, 2, 2, 2, 1};
    return b;
}

TEST(AllomanyMuvelet, TopMelleTipEsCsakSzamsorTorliATopot) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    const auto b = Bontas();
    ASSERT_TRUE(AllomanyMentes(m / "x.top", Sor(), &b, u));
    EXPECT_TRUE(fs::exists(m / "x.top"));
    EXPECT_TRUE(fs::exists(m / "x.tip"));
    auto t = AllomanyBetoltes(m / "x.top", 5, false, 0, u);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Tipus, FajlTipus::Top);
    EXPECT_EQ(t->Bontas->Sorok(), 2);
    EXPECT_EQ(AllomanyBetoltes(m / "x.tip", 5, false, 0, u)->Tipus, FajlTipus::Tip);
    EXPECT_FALSE(AllomanyBetoltes(m / "x.txt", 5, false, 0, u));
    EXPECT_EQ(AllomanyJateka(m / "x.top"), 5);

    ASSERT_TRUE(AllomanyMentes(m / "x.tip", Sor(), nullptr, u));
    EXPECT_FALSE(fs::exists(m / "x.top"));
    EXPECT_TRUE(fs::exists(m / "x.tip"));
}

TEST(AllomanyMuvelet, KevesHelyEsetenSemmiSemIrodik) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    const auto b = Bontas();
    u.Var(UzenetTipus::HibaUzenet, "Nincs elegendő hely a kiválasztott meghajtón!");
    EXPECT_FALSE(AllomanyMentes(m / "y.top", Sor(), &b, u,
                                [](const fs::path&) { return std::uint64_t{1033}; }));
    EXPECT_FALSE(fs::exists(m / "y.top"));
    ASSERT_TRUE(AllomanyMentes(m / "y.top", Sor(), &b, u, [](const fs::path&) {
        return std::uint64_t{1034};
    })) << "2 rows × 5 + 1024 bytes are enough";
    ASSERT_TRUE(io::BiztosMentes(m / "j.tip", std::vector<std::uint8_t>(20, 0)));
    EXPECT_EQ(AllomanyJateka(m / "j.tip"), 5) << "not a game: game 5";
    EXPECT_FALSE(AllomanyJateka(m / "nincs.tip"));
}

} // namespace
} // namespace varion
