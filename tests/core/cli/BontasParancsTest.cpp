#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace varion {
namespace {

struct Eredmeny {
    int Kod;
    std::string Ki;
};

Eredmeny Futtat(const std::string& args) {
    const std::string parancs = std::string(VARION_CLI_PATH) + " " + args + " 2>/dev/null";
    FILE* p = popen(parancs.c_str(), "r");
    Eredmeny e{-1, {}};
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) e.Ki.append(buf, n);
    const int st = pclose(p);
    e.Kod = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return e;
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

} // namespace
} // namespace varion
