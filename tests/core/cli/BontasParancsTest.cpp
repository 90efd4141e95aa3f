#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "files/SzamsorFajl.h"
#include "support/CliFuttatas.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

struct Eredmeny {
    int Kod;
    std::string Ki;
};

Eredmeny Futtat(const std::string& args) {
    const auto e = teszt::CliFuttatas(args);
    return {e.Kilepes, e.Kimenet};
}

TEST(BontasParancs, ListaAJeloltEsFixSzamokkal) {
    const auto e = Futtat("bontas --jatek 6 --szamok 30,10,20,40,44,45 --fix 1,2 --lista");
    ASSERT_EQ(e.Kod, 0);
    EXPECT_TRUE(e.Ki.starts_with("15 változat tárolva, teljes bontás: 15,")) << e.Ki;
    EXPECT_NE(e.Ki.find("\n30 10 20 40 1 2\n"), std::string::npos);
    EXPECT_NE(e.Ki.find("\n20 40 44 45 1 2\n"), std::string::npos);
}

TEST(BontasParancs, HibasArgumentumokKilepesiKodja2) {
    for (const char* a :
         {"bontas --jatek 4 --szamok 1,2,3,4,5", "bontas --jatek 7 --szamok 1,2,3,4,5,6,36",
          "bontas --jatek 5 --szamok 1,2,3,4,5,5", "bontas --jatek 5 --szamok 1,2,3 --fix 3,4",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --fix 7,8,9,10",
          "bontas --jatek 5 --szamok 1,2,3,4",
          "bontas --jatek 5 --szamok 1,2,3,4,5 --fix 7,8,9 --hibapont 2",
          "bontas --jatek 5 --szamok 1,2,3,4,5,6 --hibapont 4", "bontas --jatek 5"})
        EXPECT_EQ(Futtat(a).Kod, 2) << a;
}

// `--ki` names the pair: "x.tip" and "x.top" for "x.tip", "eredmeny.top" and "eredmeny.tip"
// for "eredmeny". The rows went to "x.tip" and the row file then overwrote them; "eredmeny"
// gave "eredmeny" and "eredmtip".
TEST(BontasParancs, KiBarmilyenNevenBontasFajlEsSzamsorFajl) {
    for (const auto& [nev, toe] : {std::pair{"x.tip", "x"}, std::pair{"eredmeny", "eredmeny"},
                                   std::pair{"sor.top", "sor"}}) {
        teszt::IdeiglenesMappa m;
        const auto e = Futtat("bontas --jatek 5 --szamok 1,2,3,4,5,6,7 --ki " + (m / nev).string());
        ASSERT_EQ(e.Kod, 0) << nev;
        const auto l = Futtat("lista " + (m / (std::string(toe) + ".top")).string());
        EXPECT_EQ(l.Kod, 0) << nev;
        EXPECT_EQ(std::count(l.Ki.begin(), l.Ki.end(), '\n'), 21) << nev << l.Ki;
        EXPECT_TRUE(std::filesystem::exists(m / (std::string(toe) + ".tip"))) << nev;
        std::size_t db = 0;
        for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(m.Utvonal)) ++db;
        EXPECT_EQ(db, 2u) << nev;
    }
}

// Memory runs out in the middle of the full breakdown of 90 numbers: the rows stored so far
// guarantee nothing. They were saved and the command exited 0.
TEST(BontasParancs, MemoriaElfogyasaUtanNincsFajlEsKilepesHiba) {
    teszt::IdeiglenesMappa m;
    std::string szamok = "1";
    for (int i = 2; i <= 90; ++i) szamok += "," + std::to_string(i);
    const std::string parancs = "ulimit -v 150000; '" + std::string(VARION_CLI_PATH) +
                                "' bontas --jatek 5 --szamok " + szamok + " --ki '" +
                                (m / "x").string() + "' >/dev/null 2>&1";
    const int allapot = std::system(parancs.c_str());
    EXPECT_FALSE(WIFEXITED(allapot) && WEXITSTATUS(allapot) == 0);
    EXPECT_FALSE(std::filesystem::exists(m / "x.top"));
    EXPECT_FALSE(std::filesystem::exists(m / "x.tip"));
}

// A number-row file in, a breakdown file out, and the file lists what the run listed.
TEST(BontasParancs, SzamsorFajlbolBontasFajlba) {
    teszt::IdeiglenesMappa m;
    SzamsorAdatok sor;
    sor.Verzio = SajatVerzio();
    sor.Jatek = 5;
    sor.ValtozoSzamDb = 4;
    sor.Jelolt = {10, 3, 25, 7, 40, 33, 12};
    sor.Fix = {1};
    sor.Hibapont = 1;
    teszt::RogzitoUzenetek u;
    ASSERT_TRUE(TipMentes(m / "sor.tip", sor, u));
    const std::string tip = (m / "sor.tip").string(), top = (m / "ki.top").string();

    const auto e = Futtat("bontas --tip " + tip + " --lista --ki " + top);
    ASSERT_EQ(e.Kod, 0) << e.Ki;
    const auto elsoSor = e.Ki.find('\n');
    const std::string lista = e.Ki.substr(elsoSor + 1);
    EXPECT_TRUE(e.Ki.starts_with(std::to_string(std::count(lista.begin(), lista.end(), '\n')) +
                                 " változat tárolva, teljes bontás: 35,"))
        << e.Ki;
    EXPECT_TRUE(lista.starts_with("10 3 25 7 1\n")) << lista;
    EXPECT_TRUE(std::filesystem::exists(m / "ki.tip")) << "the row file is written beside it";
    EXPECT_EQ(Futtat("lista " + top).Ki, lista);

    // The row file brings its numbers; a hit-ratio condition on stored draws needs draws.
    EXPECT_EQ(Futtat("bontas --tip " + tip + " --szamok 1,2,3,4,5").Kod, 2);
    sor.Feltetelek.TalArBe = 1;
    sor.Feltetelek.TalArHuzasok = 1;
    ASSERT_TRUE(TipMentes(m / "huzas.tip", sor, u));
    const auto hiany = teszt::CliFuttatas("bontas --tip " + (m / "huzas.tip").string());
    EXPECT_EQ(hiany.Kilepes, 1) << "the command line was right; the work failed";
    EXPECT_NE(hiany.Hibak.find("Az adatbázis hiányzik!"), std::string::npos) << hiany.Hibak;
}

} // namespace
} // namespace varion
