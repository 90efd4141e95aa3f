#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "breakdown/UBontas.h"
#include "game/Jatek.h"
#include "support/BontasSegito.h"
#include "support/HibapontOrakulum.h"
#include "support/KeziAdatok.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using teszt::Sorozat;

// The game's highest numbers that are not marked.
Szamsor Fixek(int db, const Szamsor& jelolt = {}, int jatek = 7) {
    Szamsor f;
    for (int sz = MaxSzamJatek(jatek); static_cast<int>(f.size()) < db; --sz)
        if (std::find(jelolt.begin(), jelolt.end(), sz) == jelolt.end())
            f.push_back(static_cast<std::uint8_t>(sz));
    return f;
}

// Runs the engine and the oracle on the same prepared input; `sorKorlat` is the engine's
// initial capacity (every extension is accepted).
void Osszevetes(int jatek, const Szamsor& jelolt, int K, int e, const FeltetelKeszlet* f,
                bool eloszlas, const std::string& nev, std::int64_t sorKorlat = 100000) {
    FeltetelKeszlet ures;
    ures.Adatok.Hibapont = static_cast<std::uint8_t>(e);
    ures.EloszlasOpt = 1;
    FeltetelKeszlet sajat = f ? *f : ures;
    sajat.Adatok.Hibapont = static_cast<std::uint8_t>(e);
    sajat.EloszlasOpt = 1;
    TBontas b;
    RogzitoUzenetek u;
    u.MindentElfogad();
    BontasBemenet be;
    be.Jatek = jatek;
    be.JeloltSzamok = jelolt;
    be.FixSzamok = Fixek(jatek - K, jelolt, jatek);
    be.Feltetelek = &sajat;
    be.EloszlasDoboz = eloszlas;
    b.SetBontasMaxMerete(sorKorlat);
    ASSERT_TRUE(b.BontasIndul(be, u, [] { return std::uint64_t{1} << 40; }));
    teszt::HibapontOrakulum o(b, e);
    const auto varhato = teszt::Sorok(eloszlas ? o.OptBontStart() : o.Start(), K);
    b.Futtatas();
    ASSERT_EQ(teszt::Sorok(b), varhato) << nev;
}

TEST(Hibapont, ElsoKorCsakDiszjunktSorokatTaroljaAzUtolsoUtanGaranciaVan) {
    TBontas b;
    RogzitoUzenetek u;
    u.MindentElfogad();
    FeltetelKeszlet f;
    f.Adatok.Hibapont = 4; // K - 1 = 4: a single pass with nothing shared
    ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(10), &f));
    EXPECT_EQ(teszt::Sorok(b), (teszt::SorLista{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}}))
        << "error points are capped at min(3, K - 1)";

    f.Adatok.Hibapont = 1;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(10), &f));
    const auto sorok = teszt::Sorok(b);
    EXPECT_EQ(sorok[0], (std::vector<std::uint8_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(sorok[1], (std::vector<std::uint8_t>{5, 6, 7, 8, 9}));
}

// The guarantee: every K-subset that passes the conditions shares K - e numbers with a row.
TEST(Hibapont, MindenValtozatotLefedAHibapontokig) {
    std::mt19937 g(7);
    for (int eset = 0; eset < 60; ++eset) {
        const int K = 2 + static_cast<int>(g() % 6);
        const int e = 1 + static_cast<int>(g() % static_cast<unsigned>(std::min(3, K - 1)));
        const int N = K + 1 + static_cast<int>(g() % 8);
        const bool eloszlas = g() % 2;
        TBontas b;
        RogzitoUzenetek u;
        u.MindentElfogad();
        FeltetelKeszlet f;
        f.Adatok.Hibapont = static_cast<std::uint8_t>(e);
        f.EloszlasOpt = 1;
        ASSERT_TRUE(teszt::Bontas(b, u, 7, Sorozat(N), &f, Fixek(7 - K), eloszlas));
        const auto sorok = teszt::Sorok(b);
        std::vector<int> c(static_cast<std::size_t>(K));
        std::iota(c.begin(), c.end(), 0);
        for (;;) {
            const bool fedett = std::any_of(sorok.begin(), sorok.end(), [&](const auto& s) {
                int k = 0;
                for (int x : c) k += std::find(s.begin(), s.end(), x) != s.end();
                return k >= K - e;
            });
            ASSERT_TRUE(fedett) << "N " << N << " K " << K << " e " << e;
            int i = K - 1;
            while (i >= 0 && c[i] == N - K + i) --i;
            if (i < 0) break;
            ++c[i];
            for (int j = i + 1; j < K; ++j) c[j] = c[j - 1] + 1;
        }
    }
}

TEST(Hibapont, AzIndexeltTesztUgyanazokatASorokatAdjaMintAKetHurok) {
    std::mt19937 g(2024);
    for (int eset = 0; eset < 150; ++eset) {
        const int K = 2 + static_cast<int>(g() % 6);
        const int e = 1 + static_cast<int>(g() % static_cast<unsigned>(std::min(3, K - 1)));
        // up to 30 numbers for short variations, fewer for long ones to stay quick
        const int N = K + 1 + static_cast<int>(g() % static_cast<unsigned>((K <= 3 ? 30 : 16) - K));
        const bool eloszlas = g() % 2;
        Osszevetes(7, Sorozat(N), K, e, nullptr, eloszlas,
                   "N " + std::to_string(N) + " K " + std::to_string(K) + " e " +
                       std::to_string(e) + (eloszlas ? " stream" : " plain"));
    }
}

// The engine has several ways to the outcome of a candidate: a search over row unions in
// the passes without the wide jump, prefix states with a mask test of the newest rows in
// the others, and candidate by candidate (the newest rows by mask, the subset table, or a
// scan of every mask when the tables would be too large). Each must store the same rows.
TEST(Hibapont, AzIndexMindenUtjaUgyanazt) {
    const auto regiTabla = HibapontIndex::TablaKorlat;
    const auto regiAblak = HibapontIndex::Ablak;
    for (const auto& [tabla, ablak] : {std::pair<std::uint64_t, std::size_t>{regiTabla, 0},
                                       {0, 0},
                                       {regiTabla, 1},
                                       {regiTabla, 3}}) {
        HibapontIndex::TablaKorlat = tabla;
        HibapontIndex::Ablak = ablak;
        for (const auto& [N, K, e] :
             {std::tuple{20, 3, 1}, {14, 5, 2}, {13, 7, 1}, {15, 6, 1}, {14, 7, 2}})
            for (const bool eloszlas : {false, true})
                Osszevetes(7, Sorozat(N), K, e, nullptr, eloszlas,
                           std::to_string(N) + "/" + std::to_string(K) + "/" + std::to_string(e) +
                               " table " + std::to_string(tabla) + " window " +
                               std::to_string(ablak));
    }
    HibapontIndex::TablaKorlat = regiTabla;
    HibapontIndex::Ablak = regiAblak;
}

// Indices from 64 up live in the second word of every mask.
TEST(Hibapont, NagySzamokIsUgyanaz) {
    for (const int e : {1, 2})
        for (const bool eloszlas : {false, true})
            Osszevetes(5, Sorozat(70), 3, e, nullptr, eloszlas,
                       "70/3/" + std::to_string(e) + (eloszlas ? " stream" : " plain"));
    Osszevetes(5, Sorozat(67), 4, 2, nullptr, false, "67/4/2");
}

// Rows stored while the matrix grows are found by the later candidates all the same, and
// a declined extension ends the run with the rows stored so far.
TEST(Hibapont, BovitesKozbenIsUgyanazEsElutasitvaMegall) {
    for (const bool eloszlas : {false, true}) {
        Osszevetes(7, Sorozat(14), 6, 1, nullptr, eloszlas, "grown", 3);
        FeltetelKeszlet f;
        f.Adatok.Hibapont = 1;
        f.EloszlasOpt = 1;
        TBontas teljes, b;
        RogzitoUzenetek u;
        u.MindentElfogad(false);
        ASSERT_TRUE(teszt::Bontas(teljes, u, 7, Sorozat(14), &f, Fixek(1), eloszlas));
        b.SetBontasMaxMerete(5);
        ASSERT_TRUE(teszt::Bontas(b, u, 7, Sorozat(14), &f, Fixek(1), eloszlas));
        EXPECT_EQ(b.GetBontStatus(), 0);
        auto eleje = teszt::Sorok(teljes);
        ASSERT_GT(eleje.size(), 5u);
        eleje.resize(5);
        EXPECT_EQ(teszt::Sorok(b), eleje);
    }
}

// Presses Stop while answering the capacity question yes.
class MegallitoUzenetek final : public Uzenetek {
public:
    explicit MegallitoUzenetek(TBontas& b) : b_(b) {}

protected:
    bool Megjelenit(UzenetTipus, std::string_view) override {
        b_.Stop();
        return true;
    }

private:
    TBontas& b_;
};

// The searches watch the Stop button within a pass, as the candidate loop does: 30 numbers
// into 7 with one error point hold 239 rows before the last wide-jump pass and 2782 after
// it. A Stop pressed while the matrix grows keeps exactly the rows stored so far.
TEST(Hibapont, StopAKeresesKozbenIsLeallitja) {
    for (const std::int32_t megallas : {300, 3000}) {
        TBontas b;
        MegallitoUzenetek u(b);
        FeltetelKeszlet f;
        f.Adatok.Hibapont = 1;
        f.EloszlasOpt = 1;
        BontasBemenet be;
        be.Jatek = 7;
        be.JeloltSzamok = Sorozat(30);
        be.Feltetelek = &f;
        b.SetBontasMaxMerete(megallas);
        ASSERT_TRUE(b.BontasIndul(be, u, [] { return std::uint64_t{1} << 40; }));
        b.Futtatas();
        EXPECT_EQ(b.GetBontStatus(), 0);
        EXPECT_EQ(b.GetTaroltNyerSzelv(), megallas);
    }
}

TEST(Hibapont, FeltetelekkelIsUgyanaz) {
    std::mt19937 g(99);
    for (int eset = 0; eset < 120; ++eset) {
        const int K = 3 + static_cast<int>(g() % 5);
        const int e = 1 + static_cast<int>(g() % static_cast<unsigned>(std::min(3, K - 1)));
        const int N = K + 2 + static_cast<int>(g() % 8);
        Szamsor jelolt;
        for (int i = 0; i < N; ++i) jelolt.push_back(static_cast<std::uint8_t>(3 * i % 34 + 1));
        std::sort(jelolt.begin(), jelolt.end());
        jelolt.erase(std::unique(jelolt.begin(), jelolt.end()), jelolt.end());
        if (static_cast<int>(jelolt.size()) < K + 1) continue;
        FeltetelAdatok a;
        switch (g() % 4) {
        case 0:
            a.SzvParosBe = 1;
            a.SzvParosFix = 1;
            a.SzvParosTipus = 1;
            a.SzvParos = 1;
            a.SzvParosMax = K - 1;
            break;
        case 1:
            a.MobBe = 1;
            a.MobSzamai = 2;
            a.MobTalalatMax = 1;
            break;
        case 2:
            a.FavBe = 1;
            a.FavSzamai = 2;
            a.FavSzamaiMax = 5;
            a.FavTalalat = 1;
            a.FavTalalatMax = 2;
            break;
        default:
            a.SzcsIsmetBe = 1;
            a.SzcsIsmetEgy = 0;
            a.SzcsIsmet = 0;
            a.SzcsIsmetMax = 2;
        }
        const auto f = teszt::Keszlet(a, jelolt, 7);
        const bool eloszlas = g() % 2;
        // with conditions every candidate is tested on its own: by the newest rows first,
        // or by the table alone
        const auto regi = HibapontIndex::Ablak;
        for (const std::size_t ablak : {regi, std::size_t{0}}) {
            HibapontIndex::Ablak = ablak;
            Osszevetes(7, jelolt, K, e, &f, eloszlas, "case " + std::to_string(eset));
        }
        HibapontIndex::Ablak = regi;
    }
}

} // namespace
} // namespace varion
