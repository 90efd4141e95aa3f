#include <gtest/gtest.h>

#include <filesystem>

#include "draws/HuzasImport.h"
#include "draws/HuzasKereses.h"
#include "io/FajlMentes.h"

namespace varion {
namespace {

HuzasAdatbazis Tabla(int jatek, const std::vector<std::vector<int>>& sorok) {
    HuzasAdatbazis db(jatek);
    std::vector<Huzas> h;
    int het = 0;
    for (const auto& s : sorok) {
        Huzas x;
        x.Ev = 2000;
        x.Het = ++het;
        for (std::size_t i = 0; i < s.size(); ++i) x.Szamok[i] = static_cast<std::uint8_t>(s[i]);
        h.push_back(x);
    }
    EXPECT_TRUE(db.Hozzaadas(h));
    return db;
}

// A plain count of the numbers shared, as the list rules state it.
int Kozos(const HuzasAdatbazis& db, int d, int oszlop, const std::vector<int>& sor) {
    int k = 0;
    for (int i = 0; i < db.Jatek(); ++i)
        k += std::count(sor.begin(), sor.end(), db.Ertek(d, oszlop + i)) > 0;
    return k;
}

TEST(HuzasKereses, HatoslottoPluszSzamEsOsztalyok) {
    const auto db = Tabla(6, {{1, 2, 3, 4, 5, 6, 7},    // 6 hits
                              {1, 2, 3, 4, 5, 9, 40},   // 5+1
                              {1, 2, 3, 4, 5, 10, 0},   // 5
                              {1, 2, 3, 11, 12, 13, 0}, // 3
                              {20, 21, 22, 23, 24, 25, 0}});
    HuzasMaszkok m;
    m.Frissites(db);
    const KeresettSor k{{1, 2, 3, 4, 5, 6}, 40};
    const auto sz = Szamlalas(m, {1, 5}, k);
    EXPECT_EQ(sz.Db, (std::array<int, 4>{1, 0, 1, 1}));
    EXPECT_EQ(sz.OtPluszEgy, 1) << "five hits and the plus number count only as 5+1";
    const auto b = KeresBoxBejegyzesek(6, sz);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[0].Felirat, "Minden találat");
    EXPECT_EQ(b[1].Felirat, "  5+1 találat");
    EXPECT_EQ(b[2].Felirat, "    6   találat");
    EXPECT_EQ(b[3].Kod, 5);
    EXPECT_EQ(b[4].Kod, 3);
    const auto minden = KeresBoxValasztas(6, b, 0, sz);
    EXPECT_EQ(Kereses(m, {1, 5}, k, minden, KeresIrany::Elso, 0).Huzas, 0);
    EXPECT_EQ(Kereses(m, {1, 5}, k, minden, KeresIrany::Kovetkezo, 0).Huzas, 1);
    EXPECT_EQ(Kereses(m, {1, 5}, k, minden, KeresIrany::Utolso, 0).Huzas, 3);
    const auto plusz = KeresBoxValasztas(6, b, 1, sz);
    EXPECT_EQ(Kereses(m, {1, 5}, k, plusz, KeresIrany::Utolso, 0).Huzas, 1);
    const auto ot = KeresBoxValasztas(6, b, 3, sz);
    EXPECT_EQ(Kereses(m, {1, 5}, k, ot, KeresIrany::Elso, 0).Huzas, 2);
    EXPECT_EQ(Kereses(m, {1, 5}, k, ot, KeresIrany::Elozo, 2).Huzas, -1);
    EXPECT_EQ(Kereses(m, {3, 5}, k, minden, KeresIrany::Utolso, 4).Huzas, 3);
    EXPECT_EQ(Kereses(m, {4, 5}, k, minden, KeresIrany::Elso, 4).Huzas, 3)
        << "a hit on the first draw of the range";
    EXPECT_EQ(KeresesSzoveg(6, {1, 5}, 5, k, sz), " Az összes eddigi lottóhúzás alapján\r"
                                                  "  » 6  találat:     1\r"
                                                  "  »5+1 találat:     1\r"
                                                  "  » 5  találat:     1\r"
                                                  "  » 4  találat:      \r"
                                                  "  » 3  találat:     1\r"
                                                  " Számsor összege:  21");
    const auto s = KeresSugok(ot, true, false);
    EXPECT_EQ(s.Kovetkezo, " Ugrás a következő 5 találatos számsorra. ");
    EXPECT_EQ(s.Utolso, " Ugrás az utolsó 5 találatos számsorára. ");
    EXPECT_EQ(s.Elso, " Az első 5 találatos számsor van kiválasztva. ");
    EXPECT_EQ(KeresSugok(minden, true, true).Elozo, " Ugrás az előző n találatos számsorra. ");
    // The panel title of the draw reached under "Minden találat": a 5+1 hit is named so; the
    // naive rule (the hit count, 6 for the plus class) titled it "6 találat".
    const int h = TalalatSzam(m, 1, 0, Maszk(k.Szamok), k.Plusz);
    EXPECT_EQ(KeresPanelCim(h, b.size(), 0), "Keresett számsor: 5+1 találat");
    EXPECT_EQ(KeresPanelCim(6, b.size(), 0), "Keresett számsor: 6 találat");
    EXPECT_EQ(KeresPanelCim(h, b.size(), 1), "Keresett számsor") << "one class chosen";
    EXPECT_EQ(KeresPanelCim(5, 1, 0), "Keresett számsor") << "the only entry";
}

TEST(HuzasKereses, SkandinavMasodikSorEsListaStatisztika) {
    const auto db = Tabla(7, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
                              {20, 21, 22, 23, 24, 25, 26, 8, 9, 10, 11, 12, 30, 31}});
    HuzasMaszkok m;
    m.Frissites(db);
    const KeresettSor k{{8, 9, 10, 11, 12, 13, 14}, 0};
    const auto sz = Szamlalas(m, {1, 2}, k);
    EXPECT_EQ(sz.Db, (std::array<int, 4>{0, 1, 0, 1}));
    const auto c = KeresBoxValasztas(7, KeresBoxBejegyzesek(7, sz), 0, sz);
    const auto h = Kereses(m, {1, 2}, k, c, KeresIrany::Utolso, 0);
    EXPECT_EQ(h.Huzas, 1);
    EXPECT_EQ(h.Sor, 1) << "the second row hit";
    // The list's statistics of the first draw's second row: both rows of every draw, the
    // row itself taken out.
    EXPECT_EQ(TalalatStat(m, Maszk(std::vector<int>{8, 9, 10, 11, 12, 13, 14})),
              (std::array<int, 4>{0, 1, 0, 0}));
    EXPECT_EQ(RiportSzoveg(7, {0, 1, 0, 0}, std::vector<int>{1, 2, 3, 4, 5, 6, 7}),
              " Összes húzás alapján\r   - 7 találat:      \r   - 6 találat:      \r"
              "   - 5 találat:     1\r   - 4 találat:      \r Számsor összege:  28");
}

TEST(HuzasKereses, ValodiTortenetMindenOsztalyElorreEsVissza) {
    const auto a = io::FajlBeolvasas(std::filesystem::path(VARION_SHARED_DATA) / "otos.csv");
    if (!a) GTEST_SKIP() << "no draw history here";
    HuzasAdatbazis db(5);
    ASSERT_EQ(
        HuzasImport(db, std::string_view(reinterpret_cast<const char*>(a->data()), a->size())),
        3441);
    HuzasMaszkok m;
    m.Frissites(db);
    const std::vector<int> sor{db.Szamok(1000)[0], db.Szamok(1000)[1], db.Szamok(1000)[2],
                               db.Szamok(1000)[3], db.Szamok(1000)[4]};
    const KeresettSor k{sor, 0};
    const Tartomany t{1, 3441};
    const auto sz = Szamlalas(m, t, k);
    const auto b = KeresBoxBejegyzesek(5, sz);
    for (int i = 0; i < static_cast<int>(b.size()); ++i) {
        const auto c = KeresBoxValasztas(5, b, i, sz);
        // Forward from the first hit, backward from the last: every draw of the class, in
        // order, as a plain loop over the table finds them.
        std::vector<int> varhato;
        for (int d = 0; d < 3441; ++d) {
            const int h = Kozos(db, d, 3, sor);
            if (h >= c.Min && h <= c.Max) varhato.push_back(d);
        }
        std::vector<int> elore, vissza;
        for (auto h = Kereses(m, t, k, c, KeresIrany::Elso, 0); h.Huzas >= 0;
             h = Kereses(m, t, k, c, KeresIrany::Kovetkezo, h.Huzas))
            elore.push_back(h.Huzas);
        for (auto h = Kereses(m, t, k, c, KeresIrany::Utolso, 0); h.Huzas >= 0;
             h = Kereses(m, t, k, c, KeresIrany::Elozo, h.Huzas))
            vissza.insert(vissza.begin(), h.Huzas);
        EXPECT_EQ(elore, varhato) << b[static_cast<std::size_t>(i)].Felirat;
        EXPECT_EQ(vissza, varhato);
        EXPECT_FALSE(varhato.empty());
    }
    EXPECT_EQ(sz.Db[3], 1);
}

} // namespace
} // namespace varion
