#include <gtest/gtest.h>

#include <filesystem>

#include "draws/HuzasImport.h"
#include "io/FajlMentes.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

std::string Adat(const std::string& nev) {
    const auto a = io::FajlBeolvasas(std::filesystem::path(VARION_SHARED_DATA) / nev);
    return a ? std::string(a->begin(), a->end()) : std::string();
}

std::vector<int> Szamok(const HuzasAdatbazis& db, int i) {
    const auto s = db.Szamok(i);
    return {s.begin(), s.end()};
}

TEST(HuzasImport, AzUzemeltetoAllomanyai) {
    const std::string otos = Adat("otos.csv"), hatos = Adat("hatos.csv"),
                      skandi = Adat("skandi.csv");
    if (otos.empty() || hatos.empty() || skandi.empty()) GTEST_SKIP() << "no draw history here";
    HuzasAdatbazis d5(5), d6(6), d7(7);
    EXPECT_EQ(HuzasImport(d5, otos), 3441);
    EXPECT_EQ(HuzasImport(d6, hatos), 1606);
    EXPECT_EQ(HuzasImport(d7, skandi), 1145);
    EXPECT_EQ(d5.Ertek(0, 1), 1957);
    EXPECT_EQ(d5.Ertek(0, 2), 10);
    EXPECT_EQ(Szamok(d5, 0), (std::vector<int>{16, 61, 71, 77, 89}));
    EXPECT_EQ(d5.Ertek(3440, 0), 3441);
    EXPECT_EQ(Szamok(d6, 0), (std::vector<int>{3, 16, 24, 26, 36, 40, 27}));
    EXPECT_EQ(d6.Ertek(1605, 9), 0) << "no plus number in 2023";
    EXPECT_EQ(Szamok(d7, 1144),
              (std::vector<int>{1, 7, 20, 22, 27, 28, 30, 6, 8, 15, 29, 32, 34, 35}));
    int pluszos = 0;
    for (int i = 0; i < d6.HuzasDb(); ++i) pluszos += d6.Ertek(i, 9) != 0;
    EXPECT_EQ(pluszos, 794);
    EXPECT_EQ(HuzasImport(d5, otos), 0);
    EXPECT_EQ(HuzasImport(d6, hatos), 0);
    EXPECT_EQ(HuzasImport(d7, skandi), 0);
    EXPECT_EQ(d5.HuzasDb(), 3441);

    // A database that stops early is extended by just the newer draws.
    HuzasAdatbazis reszleges(5);
    const auto elso = otos.find('\n');
    ASSERT_EQ(HuzasImport(reszleges, std::string_view(otos).substr(elso + 1)), 3440);
    EXPECT_EQ(HuzasImport(reszleges, otos), 1);
    EXPECT_EQ(reszleges.HuzasTomb(), d5.HuzasTomb());
}

constexpr std::string_view Otos =
    "2020;3;2020.01.18.;0;0 Ft;1;2 Ft;3;4 Ft;5;6 Ft;11;12;13;14;15\r\n"
    "2020;2;;0;0 Ft;1;2 Ft;3;4 Ft;5;6 Ft;6;7;8;9;10\r\n"
    "2020;1;;0;0 Ft;1;2 Ft;3;4 Ft;5;6 Ft;1;2;3;4;5\r\n";

TEST(HuzasImport, HibasSorokatANevukkelUtasitEl) {
    struct Eset {
        std::string Szoveg;
        int Jatek;
        std::string Hiba;
    };
    const std::string sor = "2020;1;;0;0 Ft;1;2 Ft;3;4 Ft;5;6 Ft;";
    const std::vector<Eset> esetek{
        {std::string(Otos) + sor + "1;2;3;4\r\n", 5, "4. sor"},
        {sor + "1;2;3;4;91\n", 5, "1. sor"},
        {sor + "1;2;3;4;4\n", 5, "1. sor"},
        {"2020;x;" + sor.substr(7) + "1;2;3;4;5\n", 5, "1. sor"},
        {std::string(Otos.substr(0, 60)) + "\n" + std::string(Otos), 5, "2. sor"},
        {"2020;1;;0;0 Ft;0;0;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5;6;6\n", 6, "1. sor"},
        {"2020;1;;0;0 Ft;0;0;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5;46\n", 6, "1. sor"},
        {std::string(Otos.substr(Otos.find('\n') + 1)) + std::string(Otos), 5, "3. sor"},
        {"", 5, "Nincs húzás"},
    };
    for (const auto& e : esetek) {
        HuzasAdatbazis db(e.Jatek);
        const auto r = HuzasImport(db, e.Szoveg);
        ASSERT_FALSE(r) << e.Szoveg;
        EXPECT_NE(r.error().find(e.Hiba), std::string::npos) << r.error();
        EXPECT_TRUE(db.Ures());
    }
    // Before 2007 week 30 every line carries its plus number.
    HuzasAdatbazis db(6);
    EXPECT_EQ(HuzasImport(db, "1988;43;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;3;16;24;26;36;40;27\n"
                              "1988;42;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;3;16;24;26;36;40;\n")
                  .error(),
              "Hibás sor a húzások állományában: 2. sor.");
}

TEST(HuzasImport, EltereKozosHuzasEsetenSemmiNemValtozik) {
    HuzasAdatbazis db(5);
    ASSERT_EQ(HuzasImport(db, Otos.substr(Otos.find('\n') + 1)), 2);
    HuzasAdatbazis masolat = db;
    std::string mas(Otos);
    mas.replace(mas.find(";6;7;"), 5, ";6;17;");
    teszt::RogzitoUzenetek u;
    u.Var(UzenetTipus::HibaUzenet, "A húzások állományának 2. sora (2020. év 2. hét) eltér az "
                                   "adatbázisban tárolt húzástól.");
    EXPECT_FALSE(HuzasImport(db, mas, u));
    EXPECT_EQ(db.HuzasTomb(), masolat.HuzasTomb());

    // A draw of the database the file lacks is a disagreement too.
    std::string hianyos(Otos);
    hianyos.erase(hianyos.find("2020;2;"), hianyos.find("2020;1;") - hianyos.find("2020;2;"));
    const auto r = HuzasImport(db, hianyos);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "Az adatbázis 2. húzása (2020. év 2. hét) nem szerepel a húzások "
                         "állományában.");
    EXPECT_EQ(HuzasImport(db, Otos), 1);
    EXPECT_EQ(HozzaadvaSzoveg(1), "1 húzás hozzáadva.");
}

} // namespace
} // namespace varion

namespace varion {
namespace {

// The old reader took any line of 19 or 20 fields and read the numbers at fixed places:
// a plus-number line missing its date gave 13 14 17 19 45 20 and no plus number.
TEST(HuzasImport, MezoszamAKorszakhozIgazodik) {
    const std::string jo29 =
        "2007;29;2007.07.22.;0;0 Ft;1;29 525 700 Ft;47;307 420 Ft;2651;5 450 Ft;53123;952 Ft;"
        "8;13;14;17;19;45;20\r\n";
    const std::string jo30 = "2007;30;2007.07.29.;0;0 Ft;0;0 Ft;182;80 688 Ft;6485;2 264 Ft;"
                             "78475;655 Ft;7;13;18;27;30;33;\r\n";
    HuzasAdatbazis db(6);
    ASSERT_EQ(HuzasImport(db, jo30 + jo29), 2);
    EXPECT_EQ(Szamok(db, 0), (std::vector<int>{8, 13, 14, 17, 19, 45, 20}));
    EXPECT_EQ(Szamok(db, 1), (std::vector<int>{7, 13, 18, 27, 30, 33, 0}));
    std::string datumNelkul = jo29;
    datumNelkul.erase(8, 12); // "2007.07.22.;"
    HuzasAdatbazis ures(6);
    EXPECT_EQ(HuzasImport(ures, jo30 + datumNelkul).error(),
              "Hibás sor a húzások állományában: 2. sor.");
    EXPECT_TRUE(ures.Ures());
    std::string pluszNelkul = jo29.substr(0, jo29.rfind(';') + 1) + "\r\n";
    EXPECT_FALSE(HuzasImport(ures, pluszNelkul)) << "the plus era needs its plus number";
}

// The operator dates 2016 week 52 in 2017 and has week 53 in long years; both stay where
// the year and week put them.
TEST(HuzasImport, Het53EsUjevAtnyulo) {
    const std::string csv = "2017;1;2017.01.07.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5\r\n"
                            "2016;52;2017.01.01.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;6;7;8;9;10\r\n"
                            "2015;53;2016.01.02.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;11;12;13;14;15\r\n";
    HuzasAdatbazis db(5);
    ASSERT_EQ(HuzasImport(db, csv), 3);
    EXPECT_EQ(db.Ertek(0, 2), 53);
    EXPECT_EQ(db.Ertek(1, 1), 2016);
    EXPECT_EQ(db.Ertek(2, 1), 2017);
}

} // namespace
} // namespace varion
