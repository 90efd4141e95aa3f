#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

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
