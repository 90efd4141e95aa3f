#include <bit>
#include <gtest/gtest.h>
#include <limits>

#include <algorithm>
#include <climits>

#include "files/BontasFajl.h"
#include "io/FajlMentes.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using enum UzenetTipus;

SzamsorAdatok Sor12() {
    SzamsorAdatok a;
    a.Jatek = 5;
    a.ValtozoSzamDb = 5;
    a.Jelolt = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    a.Huzasok = {1, 50};
    return a;
}

BontasAdatok Bontas(int r) {
    BontasAdatok b;
    b.Szelesseg = 5;
    b.Datum = 46000.5;
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < 5; ++j) b.Matrix.push_back(static_cast<std::uint8_t>(i % 7 + j));
    // The rows per number, as a stored file must hold them.
    b.BontMutStat.assign(12, 0);
    for (const std::uint8_t x : b.Matrix) ++b.BontMutStat[x];
    return b;
}

std::vector<std::uint8_t> Szakasz(const SzamsorAdatok& s, const BontasAdatok& b) {
    io::Iro iro;
    BontasMentese(iro, s, b, {1, 6, 0, 2});
    return iro.Adat();
}

std::optional<BontasAdatok> Olvas(std::span<const std::uint8_t> adat, const SzamsorAdatok& s,
                                  RogzitoUzenetek& u) {
    io::Olvaso o(adat);
    return BontasBetoltese(o, s, true, u);
}

TEST(BontasFajl, SzakaszMereteEsVisszaolvasas) {
    const auto s = Sor12();
    const auto b = Bontas(9);
    const auto adat = Szakasz(s, b);
    EXPECT_EQ(adat.size(), 28u + 5 * 9 + 48);
    RogzitoUzenetek u;
    const auto v = Olvas(adat, s, u);
    ASSERT_TRUE(v);
    BontasAdatok elvart = b;
    elvart.Verzio = {1, 6, 0, 2};
    EXPECT_EQ(*v, elvart);
    EXPECT_EQ(Szakasz(s, *v), adat);
    EXPECT_EQ(Olvas(Szakasz(s, Bontas(0)), s, u)->Sorok(), 0);
}

TEST(BontasFajl, CsonkaEsSerultSzakaszok) {
    const auto s = Sor12();
    const auto jo = Szakasz(s, Bontas(4));
    for (std::size_t n = 0; n < jo.size(); ++n) {
        RogzitoUzenetek u;
        u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
        EXPECT_FALSE(Olvas(std::span(jo).first(n), s, u)) << "cut at " << n;
    }
    auto bajt = [&](std::size_t poz, std::uint8_t e) {
        auto a = jo;
        a[poz] = e;
        return a;
    };
    auto egesz = [&](std::size_t poz, std::int32_t e) {
        auto a = jo;
        io::Int32Ir(a.data() + poz, e);
        return a;
    };
    auto datum = [&](double d) {
        auto a = jo;
        const auto b = std::bit_cast<std::uint64_t>(d);
        io::Int32Ir(a.data() + 20, static_cast<std::int32_t>(static_cast<std::uint32_t>(b)));
        io::Int32Ir(a.data() + 24, static_cast<std::int32_t>(static_cast<std::uint32_t>(b >> 32)));
        return a;
    };
    auto hosszabb = jo;
    hosszabb.push_back(0);
    const struct {
        const char* Nev;
        std::vector<std::uint8_t> Adat;
    } esetek[] = {
        {"R negative", egesz(16, -1)},
        {"R too large", egesz(16, 5)},
        {"R huge", egesz(16, 0x7FFFFFFF)},
        {"index 12 of 12", bajt(28 + 4, 12)},
        {"indices not ascending", bajt(28 + 1, 0)},
        {"a byte too many", hosszabb},
        // Taking any date made a NaN break the round trip and 1e300 overflow the calendar
        // conversion of the information window.
        {"date NaN", datum(std::numeric_limits<double>::quiet_NaN())},
        {"date infinite", datum(std::numeric_limits<double>::infinity())},
        {"date 1e300", datum(1e300)},
        {"date after 9999", datum(2958466.0)},
    };
    for (const auto& e : esetek) {
        RogzitoUzenetek u;
        u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
        EXPECT_FALSE(Olvas(e.Adat, s, u)) << e.Nev;
    }
}

TEST(BontasFajl, HuzasModTeljesSorokkalEsRegiSzelesseggel) {
    SzamsorAdatok s = Sor12();
    s.Fix = {80, 81};
    s.ValtozoSzamDb = 3;
    s.Feltetelek.TalArBe = 1;
    s.Feltetelek.TalArHuzasok = 1;
    BontasAdatok b;
    b.Szelesseg = 5;
    b.Matrix = {10, 20, 30, 40, 90, 1, 2, 3, 4, 5};
    b.TaroltHuzasok = {17, 230, -1};
    b.BontMutStat.assign(12, 0);
    const auto adat = Szakasz(s, b);
    EXPECT_EQ(adat.size(), 28u + 10 + 4 + 12 + 48) << "whole rows are written";
    RogzitoUzenetek u;
    auto v = Olvas(adat, s, u);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Matrix, b.Matrix);
    EXPECT_EQ(v->TaroltHuzasok, b.TaroltHuzasok);

    // An older file kept only the first K bytes of every row.
    io::Iro regi;
    for (int i = 0; i < 4; ++i) regi.Int32(i);
    regi.Int32(2);
    regi.Nullak(8);
    regi.Bajtok(std::vector<std::uint8_t>{10, 20, 30, 1, 2, 3});
    regi.Int32(3);
    for (auto h : b.TaroltHuzasok) regi.Int32(h);
    for (int i = 0; i < 12; ++i) regi.Int32(0);
    ASSERT_TRUE((v = Olvas(regi.Adat(), s, u)));
    EXPECT_EQ(v->Szelesseg, 5);
    EXPECT_EQ(v->Matrix, (std::vector<std::uint8_t>{10, 20, 30, 0, 0, 1, 2, 3, 0, 0}));
    // Saved again, the widened rows read back as they were. Refusing a zero in a draw row
    // made every such file unreadable after its first save.
    const auto ujra = Olvas(Szakasz(s, *v), s, u);
    ASSERT_TRUE(ujra);
    EXPECT_EQ(ujra->Matrix, v->Matrix);

    u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
    auto rossz = adat;
    rossz[28 + 4] = 91; // a drawn number out of the game
    EXPECT_FALSE(Olvas(rossz, s, u));
    rossz[28 + 4] = 90;
    rossz[28 + 2] = 0; // a gap among the first K numbers
    u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
    EXPECT_FALSE(Olvas(rossz, s, u));
    u.Var(HibaUzenet, std::string(AdatbazisHianyzikSzoveg));
    io::Olvaso o(adat);
    EXPECT_FALSE(BontasBetoltese(o, s, false, u));
}

TEST(BontasFajl, TeljesAllomanyEsSikertelenMentes) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    const auto s = Sor12();
    ASSERT_TRUE(TopMentes(m / "x.top", s, Bontas(3), u));
    const auto regi = io::FajlBeolvasas(m / "x.top");
    EXPECT_EQ(regi->size(),
              16u + 4 * 3 + 12 + 4 + 4 + 4 + 4 + 1 + 212 + 4 + 4 + 4 + 1 + 28 + 15 + 48);
    u.Var(HibaUzenet, "Hiba lépett fel a bontás állományának létrehozása során!");
    EXPECT_FALSE(TopMentes(m / "x.top", s, Bontas(300), u, 400));
    EXPECT_EQ(io::FajlBeolvasas(m / "x.top"), regi);
    const auto t = TopBetoltes(m / "x.top", 5, true, 50, u);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Sor.Jelolt, s.Jelolt);
    EXPECT_EQ(t->Bontas.Sorok(), 3);
    EXPECT_EQ(t->Bontas.Verzio, SajatVerzio());
    u.Var(HibaUzenet, std::string(MasJatekSzoveg));
    EXPECT_FALSE(TopBetoltes(m / "x.top", 6, true, 50, u));
}

// A breakdown of several read pieces: the rows land in the engine's block in order, and a
// damaged row or count in a later piece is still found.
TEST(BontasFajl, NagyBontasDarabonkentOdaEsVissza) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    const auto s = Sor12();
    const auto b = Bontas(500000); // 2.5 MB of rows: three pieces
    ASSERT_TRUE(TopMentes(m / "n.top", s, b, u));
    auto t = TopBetoltesBlokkba(m / "n.top", 5, true, 50, u);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Fej.Sorok, 500000);
    ASSERT_EQ(t->Matrix.Bajt, b.Matrix.size());
    EXPECT_TRUE(std::equal(b.Matrix.begin(), b.Matrix.end(), t->Matrix.Adat.get()));
    EXPECT_EQ(t->Fej.BontMutStat, b.BontMutStat);

    const auto ep = *io::FajlBeolvasas(m / "n.top");
    const std::size_t sorok = ep.size() - 48 - 5 * 500000;
    auto rossz = ep;
    rossz[sorok + 2'200'000] = 12; // an index at N, in the third piece
    ASSERT_TRUE(io::BiztosMentes(m / "r.top", rossz));
    u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
    EXPECT_FALSE(TopBetoltesBlokkba(m / "r.top", 5, true, 50, u));
    rossz = ep;
    std::swap(rossz[sorok + 1'500'000], rossz[sorok + 1'500'001]); // descending
    ASSERT_TRUE(io::BiztosMentes(m / "r.top", rossz));
    u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
    EXPECT_FALSE(TopBetoltesBlokkba(m / "r.top", 5, true, 50, u));
}

// The row count is checked against the file's length before anything is allocated: a
// header claiming two billion rows in a small file asks for no memory at all.
TEST(BontasFajl, SorszamAFajlhosszhozMerveFoglalasElott) {
    const auto s = Sor12();
    auto adat = Szakasz(s, Bontas(4));
    io::Int32Ir(adat.data() + 16, INT32_MAX);
    io::MemoriaForras f(adat);
    RogzitoUzenetek u;
    u.Var(HibaUzenet, std::string(BontasBetoltesHiba));
    bool kert = false;
    EXPECT_FALSE(BontasBetoltese(
        f, 0, s, true,
        [&](std::size_t) -> std::optional<std::span<std::uint8_t>> {
            kert = true;
            return std::nullopt;
        },
        u));
    EXPECT_FALSE(kert);
}

// Rows that do not fit into memory: the engine's memory message, not a termination.
TEST(BontasFajl, KevesMemoriaUzenet) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    ASSERT_TRUE(TopMentes(m / "k.top", Sor12(), Bontas(1000), u));
    MatrixFoglalasKorlat(4999);
    u.Var(HibaUzenet, "Nincs elegendő szabad memória (RAM) a bontás befejezéséhez!");
    EXPECT_FALSE(TopBetoltesBlokkba(m / "k.top", 5, true, 50, u));
    MatrixFoglalasKorlat(5000);
    EXPECT_TRUE(TopBetoltesBlokkba(m / "k.top", 5, true, 50, u));
    MatrixFoglalasKorlat(SIZE_MAX);
}

} // namespace
} // namespace varion
