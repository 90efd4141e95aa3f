#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "breakdown/Eselyek.h"
#include "draws/HuzasImport.h"
#include "support/JegySegito.h"

namespace varion {
namespace {

// Every draw of G numbers out of 1..M, each ticket's hits counted directly.
EselyEredmeny NyersEro(int G, int M, const std::vector<std::vector<int>>& jegyek,
                       const Szamsor& fix) {
    EselyEredmeny e;
    std::vector<int> h(static_cast<std::size_t>(G));
    for (int i = 0; i < G; ++i) h[static_cast<std::size_t>(i)] = i + 1;
    double osszes = 0;
    OsztalyValos p{}, v{};
    for (;;) {
        osszes += 1;
        int legjobb = 99;
        for (const auto& j : jegyek) {
            int t = 0;
            for (int n : j) t += std::find(h.begin(), h.end(), n) != h.end();
            for (int n : fix) t += std::find(h.begin(), h.end(), n) != h.end();
            const int o = NyeremenyOsztaly(G, t);
            if (o < 0) continue;
            v[static_cast<std::size_t>(o)] += 1;
            legjobb = std::min(legjobb, o);
        }
        for (int o = legjobb; o < NyeremenyOsztalyDb(G); ++o) p[static_cast<std::size_t>(o)] += 1;
        int i = G - 1;
        while (i >= 0 && h[static_cast<std::size_t>(i)] == M - G + i + 1) --i;
        if (i < 0) break;
        ++h[static_cast<std::size_t>(i)];
        for (int k = i + 1; k < G; ++k)
            h[static_cast<std::size_t>(k)] = h[static_cast<std::size_t>(k - 1)] + 1;
    }
    for (std::size_t o = 0; o < p.size(); ++o) {
        e.Valoszinuseg[o] = p[o] / osszes;
        e.Varhato[o] = v[o] / osszes;
    }
    return e;
}

std::vector<std::vector<int>> VeletlenJegyek(int db, int K, int N, std::mt19937& g) {
    std::vector<std::vector<int>> ki;
    for (int i = 0; i < db; ++i) {
        std::vector<int> osszes(static_cast<std::size_t>(N));
        for (int k = 0; k < N; ++k) osszes[static_cast<std::size_t>(k)] = k + 1;
        std::shuffle(osszes.begin(), osszes.end(), g);
        osszes.resize(static_cast<std::size_t>(K));
        ki.push_back(osszes);
    }
    return ki;
}

// Small games against every draw: 5 of 20, 6 of 16 with a fixed number, 7 of 14 with two.
TEST(Eselyek, KisJatekokonAzOsszesHuzassalEgyezik) {
    std::mt19937 g(11);
    struct Eset {
        int G, M, N, db;
        Szamsor Fix;
    };
    for (const auto& c :
         {Eset{5, 20, 12, 15, {}}, Eset{6, 16, 10, 9, {16}}, Eset{7, 14, 11, 6, {13, 14}}}) {
        const int K = c.G - static_cast<int>(c.Fix.size());
        const auto jegyek = VeletlenJegyek(c.db, K, c.N, g);
        const teszt::Jegyek j(c.G, jegyek, c.Fix);
        const auto e = Eselyek(j.Adat, nullptr, c.M);
        const auto b = NyersEro(c.G, c.M, jegyek, c.Fix);
        for (int o = 0; o < NyeremenyOsztalyDb(c.G); ++o) {
            const auto i = static_cast<std::size_t>(o);
            if (c.G == 6 && o == 1) continue;
            EXPECT_NEAR(e.Valoszinuseg[i], b.Valoszinuseg[i], 1e-12) << c.G << " class " << o;
            EXPECT_NEAR(e.Varhato[i], b.Varhato[i], 1e-12) << c.G << " class " << o;
        }
    }
}

TEST(Eselyek, EgySzelvenyAKozzetettEsellyel) {
    const teszt::Jegyek otos(5, {{7, 23, 41, 58, 86}});
    const auto e = Eselyek(otos.Adat);
    EXPECT_EQ(EselySzoveg(e.Valoszinuseg[0]), "1 : 43 949 268");
    EXPECT_EQ(EselySzoveg(e.Valoszinuseg[1]), "1 : 103 167"); // 4 or 5 hits
    const teszt::Jegyek hatos(6, {{3, 9, 17, 22, 30, 41}});
    EXPECT_EQ(EselySzoveg(Eselyek(hatos.Adat).Valoszinuseg[0]), "1 : 8 145 060");
    // A Skandináv ticket plays two draws: twice the tickets, and nearly twice the chance.
    const teszt::Jegyek skandi(7, {{1, 2, 3, 4, 5, 6, 7}});
    const auto s = Eselyek(skandi.Adat);
    EXPECT_EQ(EselySzoveg(s.Valoszinuseg[0]), "1 : 6 724 520");
    EXPECT_DOUBLE_EQ(s.JatekVarhato(0), 2.0 / 6724520);
    EXPECT_EQ(EselySzoveg(s.JatekValoszinuseg(0)), "1 : 3 362 260");
}

// The expected value: the mean known prize of each class, the jackpot apart.
TEST(Eselyek, VarhatoNyeremenyAzAtlagosNyeremenyekbol) {
    HuzasAdatbazis db(5);
    NyeremenyTar ny(5);
    ASSERT_EQ(HuzasImport(db,
                          "2023;6;2023.02.11.;0;0 Ft;22;2 000 000 Ft;1904;20 000 Ft;55687;3 000 "
                          "Ft;10;32;40;70;82\r\n"
                          "2023;5;2023.02.04.;1;1 000 000 000 Ft;42;1 000 000 Ft;2855;10 000 "
                          "Ft;77006;2 000 Ft;8;15;20;32;34\r\n",
                          &ny),
              2);
    const auto a = AtlagosNyeremenyek(ny, db, TeljesTartomany(2));
    EXPECT_EQ(a.Db, (std::array<int, 5>{1, 2, 2, 2, 0}));
    EXPECT_DOUBLE_EQ(a.Atlag[1], 1'500'000);
    const teszt::Jegyek j(5, {{1, 2, 3, 4, 5}});
    const auto e = Eselyek(j.Adat);
    const auto v = VarhatoNyeremeny(e, a, 300);
    EXPECT_NEAR(v.Varhato, e.Varhato[1] * 1.5e6 + e.Varhato[2] * 15000 + e.Varhato[3] * 2500, 1e-9);
    EXPECT_TRUE(v.FonyeremenyIsmert);
    EXPECT_NEAR(v.Fonyeremeny, 1e9 / 43949268, 1e-9);
    EXPECT_DOUBLE_EQ(v.Koltseg, 300);
    const auto t = EselyTablazat(e, AtlagosNyeremenyek(ny, db, {1, 1}));
    EXPECT_EQ(t[0][3], "1 000 000 000 Ft");
    EXPECT_EQ(t[0][0], "5 találat");
    EXPECT_EQ(AtlagosNyeremenyek(ny, db, {2, 2}).Db[0], 0) << "nobody had five in 2023/6";
}

} // namespace
} // namespace varion
