#include <gtest/gtest.h>

#include <fstream>

#include "draws/HuzasAdatbazis.h"
#include "io/FajlMentes.h"
#include "io/KisVeg.h"
#include "support/IdeiglenesMappa.h"
#include "support/KeziAdatok.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

namespace fs = std::filesystem;
using teszt::H;
using teszt::IdeiglenesMappa;
using teszt::RogzitoUzenetek;
using enum UzenetTipus;

// A file as another writer could have left it: junk in the reserved and unused bytes.
std::vector<std::uint8_t> Fajl(int jatek, const std::vector<Huzas>& huzasok,
                               int sorszamEltolas = 0) {
    io::Iro iro;
    const auto f = VerzioFejlec({1, 2, 3, 4});
    iro.Bajtok(f);
    int n = 0;
    for (const Huzas& h : huzasok) {
        iro.Int32(-1);
        iro.Int32(++n + sorszamEltolas);
        iro.Int16(static_cast<std::int16_t>(h.Ev));
        iro.Byte(static_cast<std::uint8_t>(h.Het));
        for (int k = 0; k < RekordSzamDbJatek(jatek); ++k)
            iro.Byte(h.Szamok[static_cast<std::size_t>(k)]);
        while (iro.Adat().size() % 28 != 16) iro.Byte(0xAA);
    }
    return iro.Adat();
}

std::vector<int> Oszlop(const HuzasAdatbazis& db, int o) {
    std::vector<int> v;
    for (int i = 0; i < db.HuzasDb(); ++i) v.push_back(db.Ertek(i, o));
    return v;
}

TEST(HuzasAdatbazis, BetoltesMentesBajtrolBajtra) {
    IdeiglenesMappa m;
    const std::vector<Huzas> huzasok{H(2007, 28, {1, 2, 3, 4, 5, 6, 45}),
                                     H(2007, 30, {7, 8, 9, 10, 11, 12, 0})};
    auto adat = Fajl(6, huzasok);
    adat.insert(adat.end(), 27, 0x55); // a partial record at the end is left out
    ASSERT_TRUE(io::BiztosMentes(m / "Huzas6.ldb", adat));
    HuzasAdatbazis db;
    RogzitoUzenetek u;
    u.Var(Figyelmeztetes);
    ASSERT_EQ(db.HuzasokBe(m / "Huzas6.ldb", 6, u), BetoltesEredmeny::Rendben);
    ASSERT_EQ(db.HuzasDb(), 2);
    EXPECT_EQ(db.OszlopDb(), 10);
    EXPECT_EQ(std::vector<int>(db.Sor(1).begin(), db.Sor(1).end()),
              (std::vector<int>{2, 2007, 30, 7, 8, 9, 10, 11, 12, 0}));
    u.Var(Informacio, "Adatbázis elmentve.");
    db.AdatbazisModositva = true;
    ASSERT_TRUE(db.AdatbazisMentese(m / "ki.ldb", {1, 6, 0, 2}, u));
    EXPECT_FALSE(db.AdatbazisModositva);
    const auto ki = *io::FajlBeolvasas(m / "ki.ldb");
    ASSERT_EQ(ki.size(), 16u + 2 * 28);
    EXPECT_EQ(io::Int32Ertek(ki.data() + 4), 6);
    for (std::size_t r = 0; r < 2; ++r) {
        const std::uint8_t* p = ki.data() + 16 + 28 * r;
        EXPECT_EQ(io::Int32Ertek(p), 0);
        EXPECT_TRUE(std::equal(p + 4, p + 18, adat.data() + 16 + 28 * r + 4));
        EXPECT_TRUE(std::all_of(p + 18, p + 28, [](auto b) { return b == 0; }));
    }
    HuzasAdatbazis ujra;
    ASSERT_TRUE(ujra.Beolvasas(ki, 6));
    EXPECT_EQ(ujra.HuzasTomb(), db.HuzasTomb());
    EXPECT_EQ(*ujra.Kodolas({1, 6, 0, 2}), ki);
}

TEST(HuzasAdatbazis, TaroltSorszamHelyettHelyetOlvasAVisszairhatoTablaert) {
    // Keeping the stored draw numbers when nothing was damaged made the table differ from
    // itself after a save: the writer stores positions, so 62465 came back as 1.
    const auto adat =
        Fajl(5, {H(2006, 29, {1, 16, 6, 26, 21}), H(2007, 30, {2, 61, 12, 17, 22})}, 62464);
    HuzasAdatbazis db;
    ASSERT_TRUE(db.Beolvasas(adat, 5));
    EXPECT_EQ(Oszlop(db, 0), (std::vector<int>{1, 2}));
    EXPECT_TRUE(db.BetoltesiFigyelmeztetes().empty());
    HuzasAdatbazis ujra;
    ASSERT_TRUE(ujra.Beolvasas(*db.Kodolas({1, 2, 3, 4}), 5));
    EXPECT_EQ(ujra.HuzasTomb(), db.HuzasTomb());
}

TEST(HuzasAdatbazis, UresEsHibasFajlok) {
    const auto jo = Fajl(5, {H(1957, 10, {10, 20, 30, 40, 90}), H(1957, 11, {1, 2, 3, 4, 5})});
    HuzasAdatbazis db(5);
    ASSERT_TRUE(db.Beolvasas(jo, 5));
    EXPECT_TRUE(HuzasAdatbazis().Beolvasas(std::span(jo).first(16), 5));
    EXPECT_TRUE(HuzasAdatbazis().Beolvasas(std::span(jo).first(16 + 28 + 11), 5))
        << "11 trailing bytes and more are not a record";
    struct Eset {
        const char* Nev;
        std::vector<std::uint8_t> Adat;
        int Jatek;
    };
    auto rontott = [&](std::size_t poz, std::uint8_t b) {
        auto a = jo;
        a[poz] = b;
        return a;
    };
    EXPECT_FALSE(HuzasAdatbazis().Beolvasas(std::span(jo).first(15), 5)) << "header cut";
    // A damaged record is left out with its draw number named; the sound ones load. The
    // old reader refused the whole file for a number out of range but took a repeated
    // number, week 0 or any year, and the statistics then counted such a draw.
    const std::vector<Eset> esetek{
        {"number 0", rontott(16 + 28 + 11, 0), 5},
        {"number 91", rontott(16 + 28 + 15, 91), 5},
        {"repeated number", rontott(16 + 28 + 12, 1), 5},
        {"week 0", rontott(16 + 28 + 10, 0), 5},
        {"week 54", rontott(16 + 28 + 10, 54), 5},
        {"year 0", rontott(16 + 28 + 9, 0), 5},
    };
    for (const auto& e : esetek) {
        HuzasAdatbazis masik;
        ASSERT_TRUE(masik.Beolvasas(e.Adat, e.Jatek)) << e.Nev;
        EXPECT_EQ(masik.HuzasDb(), 1) << e.Nev;
        EXPECT_EQ(masik.Ertek(0, 3), 10) << e.Nev;
        EXPECT_NE(masik.BetoltesiFigyelmeztetes().find("   2. húzás: "), std::string::npos)
            << e.Nev << masik.BetoltesiFigyelmeztetes();
    }
    for (const auto& [jatek, h] : std::vector<std::pair<int, Huzas>>{
             {6, H(2000, 1, {1, 2, 3, 4, 5, 6, 46})},
             {6, H(2000, 1, {1, 2, 3, 4, 5, 6, 6})},
             {6, H(2000, 1, {0, 2, 3, 4, 5, 6, 7})},
             {7, H(2000, 1, {1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 36})}}) {
        HuzasAdatbazis masik;
        ASSERT_TRUE(masik.Beolvasas(Fajl(jatek, {h}), jatek));
        EXPECT_EQ(masik.HuzasDb(), 0);
    }
    HuzasAdatbazis ket;
    ASSERT_TRUE(
        ket.Beolvasas(Fajl(7, {H(2000, 1, {1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7})}), 7));
    EXPECT_EQ(ket.HuzasDb(), 1) << "the two rows of a week may share numbers";
}

TEST(HuzasAdatbazis, HianyzoEsOlvashatatlanFajlUzenetei) {
    IdeiglenesMappa m;
    ASSERT_TRUE(io::BiztosMentes(m / "Huzas5.ldb", Fajl(5, {H(2000, 1, {1, 2, 3, 4, 5})})));
    ASSERT_TRUE(io::BiztosMentes(m / "rossz.ldb", std::vector<std::uint8_t>(10, 0)));
    HuzasAdatbazis db;
    RogzitoUzenetek u;
    ASSERT_EQ(db.HuzasokBe(m / "Huzas5.ldb", 5, u), BetoltesEredmeny::Rendben);
    u.Var(HibaUzenet, std::string(NincsAdatbazisSzoveg));
    EXPECT_EQ(db.HuzasokBe(m / "nincs.ldb", 5, u), BetoltesEredmeny::NincsFajl);
    EXPECT_EQ(db.HuzasDb(), 1) << "same game: the table stays";
    // A damaged file is named with its first bad draw. It used to be followed by the
    // missing-database box, whose advice to reinstall would not mend the player's file.
    u.Var(HibaUzenet, "Hiba történt az adatbázis állományának olvasása során!\r\rÁllomány: " +
                          (m / "rossz.ldb").string() +
                          "\rHibás adat: az állomány rövidebb a 16 bájtos fejlécnél.");
    EXPECT_EQ(db.HuzasokBe(m / "rossz.ldb", 5, u), BetoltesEredmeny::Hiba);
    EXPECT_EQ(db.HuzasDb(), 1);
    auto serult = Fajl(
        5, {H(2000, 1, {1, 2, 3, 4, 5}), H(2000, 2, {1, 2, 3, 4, 5}), H(2000, 3, {1, 2, 3, 4, 5})});
    serult[16 + 28 + 13] = 0;
    ASSERT_TRUE(io::BiztosMentes(m / "Huzas5b.ldb", serult));
    // A damaged draw is left out and named; the sound ones load.
    u.Var(Figyelmeztetes, "A lottóhúzások adatbázisában sérült húzások vannak, ezek "
                          "kimaradtak:\r   2. húzás: érvénytelen szám\r\rAz eredeti állomány az "
                          "első mentéskor Huzas5.ldb.bak néven megmarad.");
    EXPECT_EQ(db.HuzasokBe(m / "Huzas5b.ldb", 5, u), BetoltesEredmeny::Rendben);
    EXPECT_EQ(db.HuzasDb(), 2);
    fs::create_directory(m / "mappa.ldb");
    u.Var(HibaUzenet, "Hiba történt az adatbázis állományának olvasása során!\r\rÁllomány: " +
                          (m / "mappa.ldb").string());
    EXPECT_EQ(db.HuzasokBe(m / "mappa.ldb", 5, u), BetoltesEredmeny::Hiba);
    u.Var(HibaUzenet, std::string(NincsAdatbazisSzoveg));
    EXPECT_EQ(db.HuzasokBe(m / "nincs.ldb", 7, u), BetoltesEredmeny::NincsFajl);
    EXPECT_EQ(db.Jatek(), 7);
    EXPECT_EQ(db.HuzasDb(), 0) << "another game never keeps the old game's rows";
    EXPECT_EQ(db.OszlopDb(), 17);
}

TEST(HuzasAdatbazis, SikertelenMentesMegorziARegiFajltEsAJelzot) {
    IdeiglenesMappa m;
    HuzasAdatbazis db(7);
    db.Hozzaadas(
        std::vector<Huzas>(40, H(2001, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})));
    RogzitoUzenetek u;
    u.Var(Informacio);
    ASSERT_TRUE(db.AdatbazisMentese(m / "Huzas7.ldb", SajatVerzio(), u));
    const auto regi = io::FajlBeolvasas(m / "Huzas7.ldb");
    db.RekordTorles(1);
    db.AdatbazisModositva = true;
    u.Var(HibaUzenet, "Hiba történt az adatbázis állományának írása során!");
    EXPECT_FALSE(db.AdatbazisMentese(m / "Huzas7.ldb", SajatVerzio(), u, 500));
    EXPECT_TRUE(db.AdatbazisModositva);
    EXPECT_EQ(io::FajlBeolvasas(m / "Huzas7.ldb"), regi);

    u.Var(FigyelmeztetoKerdes, std::string(HuzTorlesEngSzoveg), false);
    EXPECT_TRUE(db.HuzTorlesEng(m / "Huzas7.ldb", SajatVerzio(), u));
    EXPECT_EQ(io::FajlBeolvasas(m / "Huzas7.ldb"), regi);
    u.Var(FigyelmeztetoKerdes, "", true).Var(Informacio);
    EXPECT_TRUE(db.HuzTorlesEng(m / "Huzas7.ldb", SajatVerzio(), u));
    EXPECT_EQ(io::FajlBeolvasas(m / "Huzas7.ldb")->size(), 16u + 39 * 28);
    EXPECT_TRUE(db.HuzTorlesEng(m / "Huzas7.ldb", SajatVerzio(), u)) << "nothing to ask";
}

class Szerkesztes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.Beolvasas(Fajl(5, {H(2020, 1, {1, 2, 3, 4, 5}), H(2020, 2, {6, 7, 8, 9, 10}),
                                          H(2020, 3, {11, 12, 13, 14, 15})}),
                                 5));
        db.TartomanyTulajdonos(&t);
    }
    HuzasTartomanyok t;
    HuzasAdatbazis db{5};
    RogzitoUzenetek u;
};

TEST_F(Szerkesztes, BovitesBeszurasModositasTorlesVisszavonassalEsUjra) {
    db.BovitesKezdes();
    EXPECT_EQ(db.HuzasDb(), 4);
    db.DialogusVege(true, H(2020, 4, {16, 17, 18, 19, 20}));
    db.Kijeloles(2);
    db.BeszurasKezdes();
    db.DialogusVege(true, H(2020, 2, {21, 22, 23, 24, 25}));
    db.Kijeloles(1);
    db.ModositasKezdes();
    db.DialogusVege(true, H(2020, 1, {31, 32, 33, 34, 35}));
    db.Kijeloles(3);
    u.Var(FigyelmeztetoKerdes, "Biztos törli a kijelölt húzást?", false);
    EXPECT_FALSE(db.TorlesKezdes(u));
    u.Var(FigyelmeztetoKerdes, "Biztos törli a kijelölt húzást?", true);
    EXPECT_TRUE(db.TorlesKezdes(u));
    EXPECT_EQ(db.MentesSugo(), " Módosított adatbázis mentése állományba. ");

    const auto vegso = db.HuzasTomb();
    EXPECT_EQ(Oszlop(db, 0), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Oszlop(db, 3), (std::vector<int>{31, 21, 11, 16}));
    EXPECT_EQ(db.VisszavonasPoz(), 4);

    std::vector<std::vector<int>> lepesek;
    while (db.VisszavonasLehet()) {
        db.AdatbazisModositva = false;
        db.RekordPVissza();
        EXPECT_TRUE(db.AdatbazisModositva);
        EXPECT_EQ(t.Get(TartomanyFajta::Bontas), TeljesTartomany(db.HuzasDb()));
        lepesek.push_back(Oszlop(db, 3));
        EXPECT_EQ(Oszlop(db, 0).back(), db.HuzasDb()) << "renumbered";
    }
    EXPECT_EQ(lepesek, (std::vector<std::vector<int>>{
                           {31, 21, 6, 11, 16}, {1, 21, 6, 11, 16}, {1, 6, 11, 16}, {1, 6, 11}}));
    db.RekordPVissza(); // nothing left
    EXPECT_EQ(db.VisszaGombSugo(), " Nincs visszavonható művelet. ");
    EXPECT_EQ(db.MegseGombSugo(), " Visszavonás törlése. ");
    EXPECT_EQ(Oszlop(db, 3), (std::vector<int>{1, 6, 11}));
    while (db.UjraLehet()) db.RekordPMegsem();
    EXPECT_EQ(db.HuzasTomb(), vegso);
    db.RekordPVissza();
    db.RekordPVissza();
    EXPECT_TRUE(db.UjraLehet());
    db.BovitesKezdes();
    db.DialogusVege(true, H(2020, 5, {40, 41, 42, 43, 44}));
    EXPECT_FALSE(db.UjraLehet()) << "a new change drops what could be redone";
    EXPECT_EQ(db.VisszavonasPoz(), 3);
}

TEST_F(Szerkesztes, MegszakitottPrimitivekEsHatarok) {
    db.Kijeloles(2);
    db.BeszurasKezdes();
    db.DialogusVege(false, {});
    db.BovitesKezdes();
    db.DialogusVege(false, {});
    db.ModositasKezdes();
    db.DialogusVege(false, H(1, 1, {1, 1, 1, 1, 1}));
    EXPECT_EQ(Oszlop(db, 3), (std::vector<int>{1, 6, 11}));
    EXPECT_FALSE(db.AdatbazisModositva);
    EXPECT_FALSE(db.VisszavonasLehet());
    const auto elotte = db.HuzasTomb();
    db.RekordTorles(0);
    db.RekordTorles(4);
    db.RekordBeszuras(5);
    db.RekordPMentes(9);
    EXPECT_EQ(db.HuzasTomb(), elotte);
    EXPECT_FALSE(db.VisszavonasLehet());
    db.Kijeloles(3);
    u.Var(FigyelmeztetoKerdes);
    db.TorlesKezdes(u);
    EXPECT_EQ(db.Kijelolt(), 2) << "the selection moves up from past the last row";
    db.RekordPVissza();
    EXPECT_EQ(Oszlop(db, 3), (std::vector<int>{1, 6, 11})) << "a deleted last draw comes back last";
}

TEST(HuzasAdatbazis, PluszSzamAzUjHuzasban) {
    HuzasAdatbazis db(6);
    db.Hozzaadas(std::vector<Huzas>{H(2007, 28, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_TRUE(db.UjHuzasPluszSzammal());
    db.Hozzaadas(std::vector<Huzas>{H(2007, 29, {1, 2, 3, 4, 5, 6, 7})});
    EXPECT_FALSE(db.UjHuzasPluszSzammal());
    db.BovitesKezdes();
    EXPECT_FALSE(db.PluszSzamAktiv);
    EXPECT_TRUE(db.PluszSzamosHuzas(2)) << "week 29 still had one";
    db.Hozzaadas(std::vector<Huzas>{H(2007, 30, {1, 2, 3, 4, 5, 6, 0})});
    EXPECT_FALSE(db.PluszSzamosHuzas(4));
}

} // namespace
} // namespace varion
