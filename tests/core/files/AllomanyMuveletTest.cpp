#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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
    const auto adatok = Bontas();
    const BontasNezet b = adatok;
    ASSERT_TRUE(AllomanyMentes(m / "x.top", Sor(), &b, u));
    EXPECT_TRUE(fs::exists(m / "x.top"));
    EXPECT_TRUE(fs::exists(m / "x.tip"));
    auto t = AllomanyBetoltes(m / "x.top", 5, false, 0, u);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Tipus, FajlTipus::Top);
    EXPECT_EQ(t->Bontas->Sorok, 2);
    EXPECT_EQ(std::vector(t->Matrix.Adat.get(), t->Matrix.Adat.get() + t->Matrix.Bajt),
              adatok.Matrix);
    EXPECT_EQ(AllomanyBetoltes(m / "x.tip", 5, false, 0, u)->Tipus, FajlTipus::Tip);
    EXPECT_FALSE(AllomanyBetoltes(m / "x.txt", 5, false, 0, u));
    EXPECT_EQ(AllomanyJateka(m / "x.top"), 5);

    ASSERT_TRUE(AllomanyMentes(m / "x.tip", Sor(), nullptr, u));
    EXPECT_FALSE(fs::exists(m / "x.top"));
    EXPECT_TRUE(fs::exists(m / "x.tip"));
}

// A breakdown saved under any name gives a ".top" that reopens with its rows and a ".tip"
// beside it. The old rule replaced the last three characters of the name: "x.tip" got
// the rows and was then overwritten by the row file, and "eredmeny" became "eredmtip".
TEST(AllomanyMuvelet, BontasMentesBarmilyenNevenTopEsTipLesz) {
    const auto adatok = Bontas();
    const BontasNezet b = adatok;
    for (const auto& [nev, top, tip] :
         std::vector<std::array<std::string, 3>>{{"x.tip", "x.top", "x.tip"},
                                                 {"eredmeny", "eredmeny.top", "eredmeny.tip"},
                                                 {"sor.top", "sor.top", "sor.tip"},
                                                 {"NAGY.TIP", "NAGY.top", "NAGY.tip"},
                                                 {"a.b.c", "a.b.c.top", "a.b.c.tip"}}) {
        teszt::IdeiglenesMappa m;
        RogzitoUzenetek u;
        ASSERT_TRUE(AllomanyMentes(m / nev, Sor(), &b, u)) << nev;
        std::vector<std::string> fajlok;
        for (const auto& f : fs::directory_iterator(m.Utvonal))
            fajlok.push_back(f.path().filename().string());
        std::vector<std::string> vart{top, tip};
        std::sort(fajlok.begin(), fajlok.end());
        std::sort(vart.begin(), vart.end());
        EXPECT_EQ(fajlok, vart) << nev;
        const auto t = AllomanyBetoltes(m / top, 5, false, 0, u);
        ASSERT_TRUE(t && t->Bontas) << nev;
        EXPECT_EQ(std::vector(t->Matrix.Adat.get(), t->Matrix.Adat.get() + t->Matrix.Bajt),
                  adatok.Matrix)
            << nev;
        EXPECT_EQ(AllomanyBetoltes(m / tip, 5, false, 0, u)->Tipus, FajlTipus::Tip) << nev;
    }
    // Without a breakdown only the row file is written, by the same names.
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    ASSERT_TRUE(AllomanyMentes(m / "eredmeny", Sor(), nullptr, u));
    EXPECT_TRUE(fs::exists(m / "eredmeny.tip"));
    EXPECT_FALSE(fs::exists(m / "eredmeny"));
}

TEST(AllomanyMuvelet, KevesHelyEsetenSemmiSemIrodik) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    const auto adatok = Bontas();
    const BontasNezet b = adatok;
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

// A path that cannot be opened for writing: a read-only file for an ordinary user; for
// root, who writes anyway, a read-only attribute of the kernel.
std::optional<fs::path> FoglaltFajl(const fs::path& mappa) {
    const fs::path f = mappa / "foglalt.tip";
    io::BiztosMentes(f, std::vector<std::uint8_t>(20, 0));
    fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (std::FILE* h = std::fopen(f.c_str(), "r+b")) {
        std::fclose(h);
        const fs::path k = "/sys/kernel/mm/transparent_hugepage/hpage_pmd_size";
        std::FILE* kh = std::fopen(k.c_str(), "r+b");
        if (kh) std::fclose(kh);
        if (kh || !fs::is_regular_file(k)) return std::nullopt;
        return k;
    }
    return f;
}

TEST(AllomanyMuvelet, FoglaltAllomanyNevevelEsUtjavalJelentve) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    EXPECT_FALSE(AllomanyFoglalt(m / "nincs.tip", u)) << "a missing file is free";
    ASSERT_TRUE(io::BiztosMentes(m / "szabad.tip", std::vector<std::uint8_t>{1, 2}));
    EXPECT_FALSE(AllomanyFoglalt(m / "szabad.tip", u));
    EXPECT_EQ(fs::file_size(m / "szabad.tip"), 2u) << "the probe never truncates";
    EXPECT_TRUE(u.Lathato().empty());

    const auto f = FoglaltFajl(m.Utvonal);
    if (!f) GTEST_SKIP() << "no file here refuses writing";
    u.Var(UzenetTipus::HibaUzenet, "Foglalt állomány!\r\rAz alábbi néven és útvonalon lett "
                                   "megnyitva:\r      " +
                                       f->string() +
                                       "\r\rNevezze át és/vagy zárja be a már megnyitott "
                                       "állományt.      ");
    EXPECT_TRUE(AllomanyFoglalt(*f, u));
    if (f->parent_path() != m.Utvonal) return;
    // Saving over it is refused before anything is written.
    const auto adatok = Bontas();
    const BontasNezet b = adatok;
    u.Var(UzenetTipus::HibaUzenet, FoglaltSzoveg(*f));
    EXPECT_FALSE(AllomanyMentes(m / "foglalt.top", Sor(), &b, u));
    EXPECT_FALSE(fs::exists(m / "foglalt.top"));
}

TEST(AllomanyMuvelet, SzabadHelyNegyGigabajtFelett) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    const auto adatok = Bontas();
    const BontasNezet b = adatok;
    // Counted in 32 bits, 4 GiB + 100 free bytes would wrap to 100 and refuse the save.
    EXPECT_TRUE(AllomanyMentes(m / "z.top", Sor(), &b, u,
                               [](const fs::path&) { return std::uint64_t{1} << 32 | 100; }));
    EXPECT_TRUE(u.Lathato().empty());
}

} // namespace
} // namespace varion
