// The engine on its worker thread: the events a window hears, questions that block the
// worker, what is refused while it runs, and the ends a run can take.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <new>

#include "breakdown/UBontas.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using U = UzenetTipus;

// Events and messages in one log, in the order they happened.
struct Naplo : BontasEsemenyek, RogzitoUzenetek {
    std::mutex m;
    std::vector<std::string> sorok;
    void Ir(std::string s) {
        std::lock_guard l(m);
        sorok.push_back(std::move(s));
    }
    void BovitesKerdesElott() override { Ir("kerdes elott"); }
    void BovitesKezdodik() override { Ir("bovites"); }
    void BovitesVege() override { Ir("bovites vege"); }
    void MemoriaHibaElott() override { Ir("memoria"); }
    void FutasVege(BontasVege v) override {
        Ir(v == BontasVege::Befejezett ? "vege" : "megallitva");
    }
    void SzalVege() override { Ir("szal vege"); }

protected:
    bool Megjelenit(UzenetTipus t, std::string_view sz) override {
        Ir(std::string(UzenetTipusNev(t)));
        return RogzitoUzenetek::Megjelenit(t, sz);
    }
};

BontasBemenet Bemenet(int n) {
    BontasBemenet be;
    be.Jatek = 5;
    for (int i = 1; i <= n; ++i) be.JeloltSzamok.push_back(static_cast<std::uint8_t>(i));
    return be;
}

TEST(BontasSzal, IndulasOkotMondEsAzEsemenyekSorrendje) {
    TBontas b;
    Naplo n;
    EXPECT_EQ(b.BontasIndul(Bemenet(4), n).error(), InditasHiba::KevesSzam);
    auto rossz = Bemenet(6);
    rossz.JeloltSzamok[2] = 91;
    EXPECT_EQ(b.BontasIndul(rossz, n).error(), InditasHiba::HibasSzam);
    rossz.Jatek = 4;
    EXPECT_EQ(b.BontasIndul(rossz, n).error(), InditasHiba::ErvenytelenJatek);

    // 30 into 5: the growth at 100 000 rows, the full allocation declined.
    n.Var(U::JovahagyasMindig, {}, true).Var(U::FigyelmeztetoKerdes, {}, false);
    ASSERT_TRUE(
        b.BontasIndul(Bemenet(30), n, [] { return std::optional<std::uint64_t>(1ull << 40); }));
    b.SetEsemenyek(&n);
    b.SzalInditas();
    b.Megvar();
    EXPECT_EQ(n.sorok, (std::vector<std::string>{"kerdes elott", "JovahagyasMindig", "bovites",
                                                 "FigyelmeztetoKerdes", "bovites vege", "vege",
                                                 "szal vege"}));
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 142506);
}

TEST(BontasSzal, UresFutasUzeneteAVegeUtanJon) {
    TBontas b;
    Naplo n;
    FeltetelAdatok a;
    a.EsemOsszegBe = a.EsemOsszegFix = 1;
    a.EsemOsszFix = a.EsemOsszMax = 1000;
    const auto f = teszt::Keszlet(a, {1, 2, 3, 4, 5, 6}, 5);
    auto be = Bemenet(6);
    be.Feltetelek = &f;
    n.Var(U::HibaUzenet);
    ASSERT_TRUE(b.BontasIndul(be, n));
    b.SetEsemenyek(&n);
    b.Futtatas();
    EXPECT_EQ(n.sorok, (std::vector<std::string>{"vege", "HibaUzenet", "szal vege"}));
    EXPECT_EQ(b.GetBontStatus(), 0);
}

TEST(BontasSzal, IsmeretlenSzabadMemoriaNemAllitjaMegAFutast) {
    // An unreadable free-memory figure used to read as 0 bytes: every run ended at its
    // first growth with "not enough memory". Unknown sets no limit.
    TBontas b;
    RogzitoUzenetek u;
    u.Var(U::JovahagyasMindig, {}, true).Var(U::FigyelmeztetoKerdes, {}, true);
    ASSERT_TRUE(b.BontasIndul(Bemenet(30), u, [] { return std::optional<std::uint64_t>{}; }));
    b.Futtatas();
    EXPECT_TRUE(u.ElfogyottAForgatokonyv());
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 142506);
    EXPECT_EQ(b.GetBontStatus(), 1);
}

TEST(BontasSzal, FoglalasiHibaUzenettelErVegetAProgramFut) {
    TBontas b;
    Naplo n;
    n.Var(U::HibaUzenet, "Nincs elegendő szabad memória (RAM) a bontás befejezéséhez!");
    ASSERT_TRUE(b.BontasIndul(Bemenet(30), n,
                              []() -> std::optional<std::uint64_t> { throw std::bad_alloc(); }));
    b.SetEsemenyek(&n);
    b.SzalInditas();
    b.Megvar();
    EXPECT_TRUE(n.ElfogyottAForgatokonyv());
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 100000); // the rows so far are intact until deleted
    EXPECT_EQ(b.GetBontStatus(), 0);
    EXPECT_EQ(b.Haladas().HibaKor, -1);
    EXPECT_EQ(n.sorok.back(), "szal vege");
}

// A question that keeps the worker waiting until the test lets it go.
struct VarakozoKerdes : Uzenetek {
    std::mutex m;
    std::condition_variable cv;
    bool kerdez = false, mehet = false;
    void Vegre() {
        std::lock_guard l(m);
        mehet = true;
        cv.notify_all();
    }
    void Megvar() {
        std::unique_lock l(m);
        cv.wait(l, [this] { return kerdez; });
    }

protected:
    bool Megjelenit(UzenetTipus, std::string_view) override {
        std::unique_lock l(m);
        kerdez = true;
        cv.notify_all();
        cv.wait(l, [this] { return mehet; });
        return true;
    }
};

TEST(BontasSzal, FutasKozbenATorlesTrimmelesMentesTiltottStopUtanSzabad) {
    TBontas b;
    VarakozoKerdes u;
    ASSERT_TRUE(
        b.BontasIndul(Bemenet(30), u, [] { return std::optional<std::uint64_t>(1ull << 40); }));
    b.SzalInditas();
    u.Megvar(); // the worker waits on the growth question
    EXPECT_FALSE(b.BontasTorlese());
    EXPECT_FALSE(b.BontMatrixOpt());
    EXPECT_FALSE(b.Mentes());
    EXPECT_EQ(b.BontasIndul(Bemenet(8), u).error(), InditasHiba::Fut);
    b.Stop();
    u.Vegre();
    b.Megvar();
    EXPECT_EQ(b.GetBontStatus(), 0);
    EXPECT_EQ(b.Haladas().HibaKor, -1);
    EXPECT_TRUE(b.BontasTorlese());
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 0);
}

TEST(BontasSzal, StopUtanAHibaKorNemEledFelUjra) {
    // A pass that ends right after Stop used to store its next round over the -1.
    for (int i = 0; i < 20; ++i) {
        TBontas b;
        RogzitoUzenetek u;
        u.MindentElfogad();
        auto be = Bemenet(16);
        FeltetelAdatok a;
        a.Hibapont = 2;
        const auto f = teszt::Keszlet(a, be.JeloltSzamok, 5);
        be.Feltetelek = &f;
        ASSERT_TRUE(b.BontasIndul(be, u));
        b.SzalInditas();
        std::this_thread::sleep_for(std::chrono::microseconds(50 * i));
        b.Stop();
        b.Megvar();
        EXPECT_EQ(b.Haladas().HibaKor, -1);
        EXPECT_EQ(b.GetBontStatus(), 0);
    }
}

} // namespace
} // namespace varion
