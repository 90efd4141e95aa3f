#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <thread>

#include "breakdown/UBontas.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using U = UzenetTipus;

Szamsor Sorozat(int n, int elso = 1) {
    Szamsor s(static_cast<std::size_t>(n));
    std::iota(s.begin(), s.end(), static_cast<std::uint8_t>(elso));
    return s;
}

TEST(Bontas, FeltetelNelkulMindenValtozatLexikografikusSorrendben) {
    for (const int k : {2, 3, 5}) {
        TBontas b;
        RogzitoUzenetek u;
        ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(9), nullptr, Sorozat(5 - k, 80)));
        const auto sorok = teszt::Sorok(b);
        ASSERT_EQ(static_cast<std::int64_t>(sorok.size()), TeljBontSzelvszam(9, k));
        std::vector<std::uint8_t> elso(static_cast<std::size_t>(k));
        std::iota(elso.begin(), elso.end(), 0);
        EXPECT_EQ(sorok.front(), elso);
        EXPECT_TRUE(std::is_sorted(sorok.begin(), sorok.end()));
        EXPECT_EQ(std::adjacent_find(sorok.begin(), sorok.end()), sorok.end());
        // every index occurs in C(n-1, k-1) rows
        for (int i = 0; i < 9; ++i) EXPECT_EQ(b.GetBontMutStat(i), TeljBontSzelvszam(8, k - 1));
        EXPECT_EQ(b.GetBontStatus(), 1);
    }
    EXPECT_EQ(TeljBontSzelvszam(90, 5), 43949268);
    EXPECT_EQ(TeljBontSzelvszam(90, 7), 7471375560); // beyond 32 bits
}

TEST(Bontas, ErvenytelenBemenetetElutasitAKorabbiBontasMarad) {
    TBontas b;
    RogzitoUzenetek u;
    ASSERT_TRUE(teszt::Bontas(b, u, 6, {3, 9, 1, 40, 22, 17})); // N = K: one variation
    const auto elotte = teszt::Sorok(b);
    EXPECT_EQ(elotte, (teszt::SorLista{{0, 1, 2, 3, 4, 5}}));
    EXPECT_FALSE(teszt::Bontas(b, u, 5, Sorozat(4)));             // fewer than K
    EXPECT_FALSE(teszt::Bontas(b, u, 8, Sorozat(9)));             // no such game
    EXPECT_FALSE(teszt::Bontas(b, u, 7, {1, 2, 3, 4, 5, 6, 36})); // outside 1..35
    EXPECT_EQ(teszt::Sorok(b), elotte);
    EXPECT_EQ(b.GetBontStatus(), 1);
}

// A full breakdown above the initial capacity asks exactly when row 100000 is stored.
TEST(BontasKapacitas, AKerdesPontosanASzazezredikSornalJonElutasitvaSzazezerMarad) {
    TBontas b;
    RogzitoUzenetek u;
    u.Var(U::JovahagyasMindig,
          "A bontás mérete elérte a beállított szelvényszámok maximumát!\r\rHa folytatja, a "
          "program megduplázza a bontás maximális méretét.\r\rFolytatja a bontást?",
          false);
    ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(40))); // 658008 rows
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 100000);
    EXPECT_EQ(b.GetBontStatus(), 0);
    EXPECT_EQ(b.Haladas().HibaKor, -1);
}

TEST(BontasKapacitas, DuplazasEsTeljesFoglalasUtanAzEgeszBontasKesz) {
    TBontas b;
    b.SetBontasMaxMerete(1000);
    RogzitoUzenetek u;
    u.Var(U::JovahagyasMindig, {}, true)
        .Var(U::FigyelmeztetoKerdes,
             "Lefoglalhatja a program a teljes (0 hibapontos) bontás számára elegendő memóriát?",
             false)                                   // doubles to 2000
        .Var(U::JovahagyasMindig, {}, true)           // 4000, no second full-size offer
        .Var(U::JovahagyasMindig, {}, true);          // 8000 > 4368
    ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(16))); // C(16,5) = 4368
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 4368);
    EXPECT_EQ(b.GetLengthBontasMatrix(), 8000);
    b.BontMatrixOpt();
    EXPECT_EQ(b.GetLengthBontasMatrix(), 4368);
    EXPECT_EQ(teszt::Sorok(b).back(), (std::vector<std::uint8_t>{11, 12, 13, 14, 15}));
}

TEST(BontasKapacitas, KevesMemoriaEsetenASzabadMemoriatKeriVagyLeall) {
    {
        TBontas b;
        b.SetBontasMaxMerete(1000);
        RogzitoUzenetek u;
        u.Var(U::HibaUzenet, "Nincs elegendő szabad memória (RAM) a bontás befejezéséhez!");
        ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(16), nullptr, {}, false, 30'000));
        EXPECT_EQ(b.GetTaroltNyerSzelv(), 1000);
        EXPECT_EQ(b.GetBontStatus(), 0);
    }
    {
        // doubling 400000 rows of 20 bytes does not fit into 12 MB, the rest does
        TBontas b;
        b.SetBontasMaxMerete(400000);
        RogzitoUzenetek u;
        u.Var(U::FigyelmeztetoKerdes,
              "A bontás mérete elérte a beállított szelvényszámok maximumát!\r\rLefoglalhatja a "
              "program a szabad memóriát?\r\rFolytatja a bontást?",
              true);
        ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(40), nullptr, {}, false, 12'000'000));
        EXPECT_EQ(b.GetTaroltNyerSzelv(), 658008); // the remaining rows fit: full size
        EXPECT_EQ(b.GetBontStatus(), 1);
    }
}

TEST(BontasFutas, StopAFutasKozbenLeallitjaAFelsorolast) {
    TBontas b;
    b.SetBontasMaxMerete(TeljBontSzelvszam(60, 5));
    RogzitoUzenetek u;
    BontasBemenet be;
    be.Jatek = 5;
    be.JeloltSzamok = Sorozat(60);
    ASSERT_TRUE(b.BontasIndul(be, u));
    b.SzalInditas();
    while (b.GetTaroltNyerSzelv() < 1000) std::this_thread::yield();
    ASSERT_TRUE(b.TickKezdes()); // a tick in progress holds the summary back
    EXPECT_EQ(b.Haladas().BontStatus, 1);
    b.Stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(b.Fut());
    b.TickVege();
    b.Megvar();
    EXPECT_FALSE(b.TickKezdes()); // no tick after the run
    EXPECT_FALSE(b.Fut());
    EXPECT_EQ(b.GetBontStatus(), 0);
    EXPECT_LT(b.GetTaroltNyerSzelv(), TeljBontSzelvszam(60, 5));
    EXPECT_TRUE(u.Lathato().empty()); // a stopped run shows no summary
}

TEST(BontasBetoltes, MentesEsVisszatoltesUgyanazEsHibasAdatotElutasit) {
    TBontas b;
    RogzitoUzenetek u;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, {5, 10, 15, 20, 25, 30, 35}));
    auto m = *b.Mentes();
    EXPECT_EQ(m.Sorok, 21);
    EXPECT_EQ(m.Matrix.size(), 21u * 5);
    TBontas c;
    ASSERT_TRUE(c.BontasBetoltve(m));
    EXPECT_EQ(teszt::Sorok(c), teszt::Sorok(b));
    EXPECT_EQ(c.GetBontMutStat(3), b.GetBontMutStat(3));
    EXPECT_EQ(c.GetBontStatus(), 1);
    EXPECT_EQ(c.GetLengthBontasMatrix(), 21);

    auto rossz = m;
    rossz.Matrix[7] = 7; // index beyond N
    EXPECT_FALSE(c.BontasBetoltve(rossz));
    EXPECT_EQ(c.GetBontStatus(), 1) << "the breakdown it had stays";
    EXPECT_EQ(teszt::Sorok(c), teszt::Sorok(b));
    rossz = m;
    rossz.Matrix.pop_back(); // short matrix
    EXPECT_FALSE(c.BontasBetoltve(rossz));
    rossz = m;
    rossz.BontMutStat.resize(3);
    EXPECT_FALSE(c.BontasBetoltve(rossz));
}

// --- the draws mode -----------------------------------------------------------------------

struct HuzasTabla {
    std::vector<std::int32_t> adat;
    int szelesseg;
    HuzasTablaNezet Nezet() const { return {adat, szelesseg}; }
    void Huzas(std::initializer_list<int> szamok) {
        const int sorszam = static_cast<int>(adat.size()) / szelesseg + 1;
        adat.push_back(sorszam);
        adat.push_back(2020);
        adat.push_back(sorszam);
        adat.insert(adat.end(), szamok.begin(), szamok.end());
    }
};

FeltetelKeszlet HuzasokFeltetel(const Szamsor& jelolt, int jatek, int min, int max) {
    FeltetelAdatok a;
    a.TalArBe = 1;
    a.TalArKeresett = 1;
    a.TalArHuzasok = 1;
    a.TalArTalalat = min;
    a.TalArTalalatMax = max;
    return teszt::Keszlet(a, jelolt, jatek);
}

TEST(HuzasMod, MindenEgyezoHuzasEgyszerTarolvaEsAFutasMagatolVegetEr) {
    HuzasTabla t{{}, 8};
    t.Huzas({1, 2, 3, 40, 50}); // 3 hits with many variations
    t.Huzas({60, 61, 62, 63, 64});
    t.Huzas({1, 2, 4, 41, 51});
    const Szamsor jelolt = Sorozat(10);
    const auto f = HuzasokFeltetel(jelolt, 5, 2, 5);
    TBontas b;
    RogzitoUzenetek u;
    BontasBemenet be;
    be.Jatek = 5;
    be.JeloltSzamok = jelolt;
    be.Feltetelek = &f;
    be.Huzasok = t.Nezet();
    be.ElsoHuzas = 1;
    be.UtolsoHuzas = 3;
    ASSERT_TRUE(b.BontasIndul(be, u));
    b.Futtatas();
    // draw 2 never matches: the two others are stored once each, the run keeps going
    ASSERT_EQ(b.GetTaroltNyerSzelv(), 2);
    EXPECT_EQ(b.GetBontStatus(), 1);
    EXPECT_EQ(b.TaroltHuzasok(), (std::vector<std::int32_t>{1, 3, -1}));
    EXPECT_EQ(teszt::Sorok(b)[1], (std::vector<std::uint8_t>{1, 2, 4, 41, 51}));

    // with a range of draws 1 and 3 only, the run ends once both are stored and is kept
    HuzasTabla t2{{}, 8};
    t2.Huzas({1, 2, 3, 40, 50});
    t2.Huzas({1, 2, 4, 41, 51});
    be.Huzasok = t2.Nezet();
    be.UtolsoHuzas = 2;
    ASSERT_TRUE(b.BontasIndul(be, u));
    b.Futtatas();
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 2);
    EXPECT_EQ(b.GetBontStatus(), 1);
    EXPECT_LT(b.Haladas().BontMut[0], 3); // ended long before the last variation
}

TEST(HuzasMod, SkandinavElsoEsMasodikHuzasKulonTarolva) {
    HuzasTabla t{{}, 17};
    t.Huzas({1, 2, 3, 4, 20, 21, 22, 5, 6, 7, 8, 30, 31, 32});
    t.Huzas({20, 21, 22, 23, 24, 25, 26, 1, 2, 3, 4, 27, 28, 29});
    const Szamsor jelolt = Sorozat(9);
    const auto f = HuzasokFeltetel(jelolt, 7, 4, 7);
    TBontas b;
    b.SetBontasMaxMerete(1); // the draws mode grows past one row as well
    RogzitoUzenetek u;
    u.MindentElfogad(true);
    BontasBemenet be;
    be.Jatek = 7;
    be.JeloltSzamok = jelolt;
    be.Feltetelek = &f;
    be.Huzasok = t.Nezet();
    be.UtolsoHuzas = 2;
    ASSERT_TRUE(b.BontasIndul(be, u));
    b.Futtatas();
    const auto sorok = teszt::Sorok(b);
    ASSERT_EQ(sorok.size(), 3u); // draw 1 both halves, draw 2 its second half
    EXPECT_EQ(sorok[0], (std::vector<std::uint8_t>{1, 2, 3, 4, 20, 21, 22}));
    EXPECT_EQ(sorok[1], (std::vector<std::uint8_t>{1, 2, 3, 4, 27, 28, 29}));
    EXPECT_EQ(sorok[2], (std::vector<std::uint8_t>{5, 6, 7, 8, 30, 31, 32}));
    EXPECT_EQ(b.TaroltHuzasok(), (std::vector<std::int32_t>{1, 2, 1, -1}));
    EXPECT_LE(b.GetTaroltNyerSzelv(), b.GetLengthBontasMatrix());
}

} // namespace
} // namespace varion
