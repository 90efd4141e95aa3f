#include <gtest/gtest.h>

#include <filesystem>

#include "draws/HuzasImport.h"
#include "draws/Nyeremenyek.h"
#include "io/FajlMentes.h"
#include "support/IdeiglenesMappa.h"

namespace varion {
namespace {

constexpr std::string_view Otos =
    "2023;6;2023.02.11.;0;0 Ft;22;2 285 905 Ft;1904;27 560 Ft;55687;3 180 Ft;10;32;40;70;82\r\n"
    "2023;5;2023.02.04.;0;0 Ft;42;1 142 265 Ft;2855;17 535 Ft;77006;2 195 Ft;8;15;20;32;34\r\n"
    "1957;11;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5\r\n";

TEST(Nyeremenyek, AzImportMegtartjaANyeremenyeketAzIsmeretlentNemNullanakVeszi) {
    HuzasAdatbazis db(5);
    NyeremenyTar ny(5);
    ASSERT_EQ(HuzasImport(db, Otos, &ny), 3);
    ASSERT_EQ(ny.Db(), 3u);
    const auto* h = ny.Keres(2023, 6);
    ASSERT_NE(h, nullptr);
    // Nobody had five: the naive reading of "0;0 Ft" would price a jackpot at 0 Ft and a
    // backtest would report it as a win of nothing.
    EXPECT_FALSE(h->Osztaly[0].Ismert());
    EXPECT_EQ(h->Osztaly[1], (OsztalyNyeremeny{22, 2285905}));
    EXPECT_EQ(h->Osztaly[3], (OsztalyNyeremeny{55687, 3180}));
    const auto* regi = ny.Keres(1957, 11);
    ASSERT_NE(regi, nullptr);
    for (const auto& o : regi->Osztaly) EXPECT_FALSE(o.Ismert()) << "placeholders of old draws";
    EXPECT_EQ(ny.Keres(2023, 4), nullptr);

    // The file round trip, and a second import of the same export changes nothing.
    const auto adat = ny.Kodolas(SajatVerzio());
    EXPECT_EQ(adat.size(), 16u + 3 * NyeremenyRekordMeret);
    const auto vissza = NyeremenyTar::Beolvasas(adat, 5);
    ASSERT_TRUE(vissza) << vissza.error();
    EXPECT_EQ(vissza->Huzasok(), ny.Huzasok());
    EXPECT_EQ(HuzasImport(db, Otos, &ny), 0);
    EXPECT_EQ(ny.Kodolas(SajatVerzio()), adat);
}

TEST(Nyeremenyek, OsszefesulesAzIsmertetMegtartjaAzUjHetetBeszurja) {
    NyeremenyTar ny(6);
    HuzasNyeremeny a{2020, 5, {}};
    a.Osztaly[2] = {3, 500000};
    HuzasNyeremeny b{2019, 7, {}};
    EXPECT_EQ(ny.Osszefesules(std::vector{a, b}), 2);
    // A later export that does not know the class leaves the known prize alone.
    HuzasNyeremeny a2{2020, 5, {}};
    a2.Osztaly[4] = {100, 2000};
    EXPECT_EQ(ny.Osszefesules(std::vector{a2}), 1);
    EXPECT_EQ(ny.Keres(2020, 5)->Osztaly[2], (OsztalyNyeremeny{3, 500000}));
    EXPECT_EQ(ny.Keres(2020, 5)->Osztaly[4], (OsztalyNyeremeny{100, 2000}));
    ASSERT_EQ(ny.Huzasok().size(), 2u);
    EXPECT_EQ(ny.Huzasok()[0].Ev, 2019) << "kept in ascending weeks";
    // A week between the known ones goes between them.
    EXPECT_EQ(ny.Osszefesules(std::vector{HuzasNyeremeny{2020, 1, {}}}), 1);
    ASSERT_EQ(ny.Huzasok().size(), 3u);
    EXPECT_EQ(ny.Huzasok()[1].Het, 1);
    EXPECT_EQ(ny.Keres(2020, 5)->Osztaly[2], (OsztalyNyeremeny{3, 500000}));
    // Unsound records are not taken.
    HuzasNyeremeny rossz{2021, 60, {}};
    HuzasNyeremeny nyertesNelkul{2021, 1, {}};
    nyertesNelkul.Osztaly[0] = {0, 100};
    EXPECT_EQ(ny.Osszefesules(std::vector{rossz, nyertesNelkul}), 0);
}

TEST(Nyeremenyek, SerultAllomanyNemToltodikBe) {
    NyeremenyTar ny(5);
    HuzasNyeremeny a{2020, 5, {}}, b{2020, 6, {}};
    a.Osztaly[0] = {1, 5'000'000'000LL}; // above 32 bits
    ASSERT_EQ(ny.Osszefesules(std::vector{a, b}), 2);
    const auto jo = ny.Kodolas(SajatVerzio());
    const auto ujra = NyeremenyTar::Beolvasas(jo, 5);
    ASSERT_TRUE(ujra);
    EXPECT_EQ(ujra->Keres(2020, 5)->Osztaly[0].Nyeremeny, 5'000'000'000LL);

    auto csonka = jo;
    csonka.pop_back();
    EXPECT_FALSE(NyeremenyTar::Beolvasas(csonka, 5));
    EXPECT_FALSE(NyeremenyTar::Beolvasas(std::span(jo).first(10), 5));
    auto forditott = jo; // the two records swapped: out of order
    std::swap_ranges(forditott.begin() + 16, forditott.begin() + 16 + 64, forditott.begin() + 80);
    EXPECT_FALSE(NyeremenyTar::Beolvasas(forditott, 5));
    auto nyertesNelkul = jo; // the winners of the first record's jackpot cleared
    std::fill_n(nyertesNelkul.begin() + 16 + 4, 4, 0);
    const auto r = NyeremenyTar::Beolvasas(nyertesNelkul, 5);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(),
              std::string(NyeremenyOlvasasHibaSzoveg) + "\r1. rekord: nyeremény nyertes nélkül");
    auto otodikOsztaly = jo; // game 5 has four classes
    otodikOsztaly[16 + 4 + 4 * 12] = 1;
    EXPECT_FALSE(NyeremenyTar::Beolvasas(otodikOsztaly, 5));
    EXPECT_TRUE(NyeremenyTar::Beolvasas(otodikOsztaly, 6));
}

TEST(Nyeremenyek, AzAllomanyAHuzasokMellettVanEsAHibasIrasMegtartjaARegit) {
    teszt::IdeiglenesMappa m;
    const auto fajl = NyeremenyFajl(m / "Huzas5.ldb");
    EXPECT_EQ(fajl, m / "Huzas5.nyr");
    const auto ures = NyeremenyTar::Betoltes(fajl, 5);
    ASSERT_TRUE(ures) << "a missing file is an empty store";
    EXPECT_EQ(ures->Db(), 0u);
    NyeremenyTar ny(5);
    HuzasNyeremeny a{2020, 5, {}};
    ny.Osszefesules(std::vector{a});
    ASSERT_TRUE(ny.Mentes(fajl, SajatVerzio()));
    HuzasNyeremeny b{2020, 6, {}};
    ny.Osszefesules(std::vector{b});
    EXPECT_FALSE(ny.Mentes(fajl, SajatVerzio(), 20));
    const auto regi = NyeremenyTar::Betoltes(fajl, 5);
    ASSERT_TRUE(regi);
    EXPECT_EQ(regi->Db(), 1u);
}

TEST(Nyeremenyek, ForintErtekEsOsztalyok) {
    EXPECT_EQ(ForintErtek("1 396 675 Ft"), 1396675);
    EXPECT_EQ(ForintErtek("0"), 0);
    EXPECT_EQ(ForintErtek("12a Ft"), -1);
    EXPECT_EQ(ForintErtek(" Ft"), -1);
    EXPECT_EQ(NyeremenyOsztaly(6, 5, true), 1);
    EXPECT_EQ(NyeremenyOsztaly(6, 5, false), 2);
    EXPECT_EQ(NyeremenyOsztaly(6, 3), 4);
    EXPECT_EQ(NyeremenyOsztaly(6, 2), -1);
    EXPECT_EQ(NyeremenyOsztaly(7, 4), 3);
    EXPECT_EQ(OsztalyNev(6, 1), "5+1 találat");
    EXPECT_EQ(OsztalyNev(6, 4), "3 találat");
    EXPECT_EQ(OsztalyNev(5, 3), "2 találat");
}

} // namespace
} // namespace varion
