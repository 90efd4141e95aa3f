#include <gtest/gtest.h>

#include <filesystem>

#include "files/BontasFajl.h"
#include "support/CliFuttatas.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

struct Futas {
    std::string Kimenet;
    int Kod;
};

Futas Futtat(const std::string& args) {
    const auto e = teszt::CliFuttatas(args);
    return {e.Kimenet, e.Kilepes};
}

TEST(AdatParancsok, ImportHuzasokStatisztika) {
    const auto csv = std::filesystem::path(VARION_SHARED_DATA) / "hatos.csv";
    if (!std::filesystem::exists(csv)) GTEST_SKIP() << "no draw history here";
    teszt::IdeiglenesMappa m;
    const std::string ldb = (m / "Huzas6.ldb").string();
    auto f = Futtat("import --jatek 6 " + csv.string() + " --ki " + ldb);
    EXPECT_EQ(f.Kod, 0);
    EXPECT_EQ(f.Kimenet, "1606 húzás hozzáadva.\n");
    EXPECT_EQ(Futtat("import --jatek 6 " + csv.string() + " --ki " + ldb).Kimenet,
              "0 húzás hozzáadva.\n");
    f = Futtat("huzasok --jatek 6 " + ldb);
    EXPECT_TRUE(f.Kimenet.starts_with("1 1988 43 3 16 24 26 36 40 27\n"));
    EXPECT_TRUE(f.Kimenet.ends_with("1606 2023 6 5 18 21 26 37 44 0\n"));
    f = Futtat("statisztika --jatek 6 " + ldb + " --tol 1606 --ig 1606");
    EXPECT_TRUE(f.Kimenet.starts_with("1 0 1\n2 0 1\n3 0 1\n4 0 1\n5 1 0\n")) << f.Kimenet;
    EXPECT_EQ(Futtat("statisztika --jatek 6 " + ldb + " --tol 5 --ig 2000").Kod, 2);
    EXPECT_EQ(Futtat("import --jatek 5 " + csv.string() + " --ki " + (m / "x.ldb").string()).Kod,
              1);
    EXPECT_FALSE(std::filesystem::exists(m / "x.ldb"));
}

TEST(AdatParancsok, Lista) {
    teszt::IdeiglenesMappa m;
    SzamsorAdatok s;
    s.Jatek = 5;
    s.ValtozoSzamDb = 4;
    s.Jelolt = {50, 10, 20, 30, 40};
    s.Fix = {7};
    BontasAdatok b;
    b.Szelesseg = 4;
    b.Matrix = {0, 1, 2, 3, 1, 2, 3, 4};
    b.BontMutStat = {1, 2, 2, 2, 1};
    teszt::RogzitoUzenetek u;
    ASSERT_TRUE(TopMentes(m / "b.top", s, b, u));
    const auto f = Futtat("lista " + (m / "b.top").string());
    EXPECT_EQ(f.Kod, 0);
    EXPECT_EQ(f.Kimenet, "50 10 20 30 7\n10 20 30 40 7\n");
}

} // namespace
} // namespace varion
