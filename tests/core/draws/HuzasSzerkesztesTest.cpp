// Edits of the draw table as the entry dialog drives them, the file they end in, and the
// rules of the dialog's year, week and number cells.
#include <gtest/gtest.h>

#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasBevitel.h"
#include "draws/HuzasImport.h"
#include "draws/HuzasListaCella.h"
#include "io/FajlMentes.h"
#include "io/KisVeg.h"
#include "support/IdeiglenesMappa.h"
#include "support/KeziAdatok.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::H;
using teszt::IdeiglenesMappa;
using teszt::RogzitoUzenetek;
using enum UzenetTipus;

// The file written out by hand: header of version 1.2.3.4, records numbered 1..n.
std::vector<std::uint8_t> Varhato(int jatek, const std::vector<Huzas>& huzasok) {
    io::Iro iro;
    for (int v : {1, 2, 3, 4}) iro.Int32(v);
    int n = 0;
    for (const Huzas& h : huzasok) {
        iro.Int32(0);
        iro.Int32(++n);
        iro.Int16(static_cast<std::int16_t>(h.Ev));
        iro.Byte(static_cast<std::uint8_t>(h.Het));
        for (int k = 0; k < RekordSzamDbJatek(jatek); ++k)
            iro.Byte(h.Szamok[static_cast<std::size_t>(k)]);
        iro.Nullak(17 - static_cast<std::size_t>(RekordSzamDbJatek(jatek)));
    }
    return iro.Adat();
}

TEST(HuzasSzerkesztes, EgeszSorozatUtanAFajlBajtrolBajtraAVart) {
    IdeiglenesMappa m;
    const auto a = H(2015, 52, {1, 2, 3, 4, 5}), b = H(2015, 53, {6, 7, 8, 9, 10}),
               c = H(2016, 1, {11, 12, 13, 14, 15}), d = H(2016, 2, {16, 17, 18, 19, 20});
    ASSERT_TRUE(io::BiztosMentes(m / "Huzas5.ldb", Varhato(5, {a, c})));
    HuzasAdatbazis db(5);
    HuzasTartomanyok t;
    db.TartomanyTulajdonos(&t);
    RogzitoUzenetek u;
    ASSERT_EQ(db.HuzasokBe(m / "Huzas5.ldb", 5, u), BetoltesEredmeny::Rendben);
    db.BovitesKezdes();
    db.DialogusVege(true, d);
    db.Kijeloles(2);
    db.BeszurasKezdes(); // week 53 of a long year goes before 2016 week 1
    db.DialogusVege(true, b);
    db.Kijeloles(1);
    db.ModositasKezdes();
    db.DialogusVege(true, H(2015, 52, {90, 80, 70, 60, 50}));
    db.Kijeloles(3);
    u.Var(FigyelmeztetoKerdes, "Biztos törli a kijelölt húzást?");
    ASSERT_TRUE(db.TorlesKezdes(u));
    t.Set(TartomanyFajta::Kereses, {2, 3});
    const auto vegso = Varhato(5, {H(2015, 52, {90, 80, 70, 60, 50}), b, d});
    while (db.VisszavonasLehet()) db.RekordPVissza();
    EXPECT_EQ(*db.Kodolas({1, 2, 3, 4}), Varhato(5, {a, c}));
    while (db.UjraLehet()) db.RekordPMegsem();
    // One owner of the ranges: every step reset the one copy everybody reads.
    EXPECT_EQ(t.Get(TartomanyFajta::Kereses), (Tartomany{1, 3}));
    u.Var(Informacio, "Adatbázis elmentve.");
    ASSERT_TRUE(db.AdatbazisMentese(m / "Huzas5.ldb", {1, 2, 3, 4}, u));
    EXPECT_EQ(*io::FajlBeolvasas(m / "Huzas5.ldb"), vegso);
    EXPECT_FALSE(std::filesystem::exists(m / "Huzas5.ldb.bak")) << "a sound file needs no copy";
}

TEST(HuzasSzerkesztes, UresEsEgyHuzasosAdatbazis) {
    HuzasAdatbazis db(5);
    HuzasTartomanyok t;
    db.TartomanyTulajdonos(&t);
    ASSERT_TRUE(db.Beolvasas(Varhato(5, {}), 5));
    EXPECT_EQ(db.Kijelolt(), 0);
    db.BovitesKezdes();
    auto k = KezdoKeret(Kornyezet(db, HuzasMuvelet::Bovites, db.MuvRekord, {2024, 17}));
    EXPECT_EQ(k.Ev, 2024);
    EXPECT_EQ(k.Het, 17);
    EXPECT_TRUE(k.EvSzerkesztheto());
    db.DialogusVege(true, H(2024, 17, {1, 2, 3, 4, 5}));
    EXPECT_EQ(db.HuzasDb(), 1);
    EXPECT_EQ(t.Get(TartomanyFajta::Statisztika), (Tartomany{1, 1}));

    // Insert before the only draw, which is of week 1: no previous week bounds the range.
    ASSERT_TRUE(db.Beolvasas(Varhato(5, {H(2024, 1, {1, 2, 3, 4, 5})}), 5));
    db.Kijeloles(1);
    db.BeszurasKezdes();
    k = KezdoKeret(Kornyezet(db, HuzasMuvelet::Beszuras, db.MuvRekord, {2024, 17}));
    EXPECT_EQ(k, (EvHetKeret{2023, 2024, 1, 53, 2023, 1}));
    k = EvValtas(Kornyezet(db, HuzasMuvelet::Beszuras, db.MuvRekord, {}), k, 2024);
    EXPECT_EQ(k.HetMin, 1);
    EXPECT_EQ(k.HetMax, 1);
    EXPECT_EQ(HetSugo(k), " A beállítható érték minimuma-maximuma = 1.  ");
    db.DialogusVege(false, {});
    EXPECT_EQ(db.HuzasDb(), 1);

    RogzitoUzenetek u;
    u.Var(FigyelmeztetoKerdes);
    ASSERT_TRUE(db.TorlesKezdes(u));
    EXPECT_EQ(db.HuzasDb(), 0);
    EXPECT_EQ(db.Kijelolt(), 0);
    EXPECT_EQ(t.Get(TartomanyFajta::Kereses), (Tartomany{1, 0}));
    EXPECT_FALSE(db.TorlesKezdes(u)) << "nothing selected, nothing asked";
    db.RekordPVissza();
    EXPECT_EQ(db.HuzasDb(), 1);
    EXPECT_EQ(db.Kijelolt(), 1);
}

TEST(HuzasSzerkesztes, ErvenytelenSorNemKerulhetATablabaSemAFajlba) {
    HuzasAdatbazis db(6);
    ASSERT_TRUE(db.Beolvasas(Varhato(6, {H(2000, 1, {1, 2, 3, 4, 5, 6, 7})}), 6));
    const auto elotte = db.HuzasTomb();
    for (const Huzas& rossz :
         {H(2000, 2, {1, 2, 3, 4, 5, 46, 0}), H(2000, 2, {1, 2, 3, 4, 5, 5, 0}),
          H(2000, 2, {1, 2, 3, 4, 5, 6, 6}), H(2000, 2, {1, 2, 3, 4, 5, 0, 0}),
          H(2000, 0, {1, 2, 3, 4, 5, 6, 0}), H(3000, 2, {1, 2, 3, 4, 5, 6, 0})}) {
        db.BovitesKezdes();
        EXPECT_FALSE(db.DialogusVege(true, rossz));
        EXPECT_EQ(db.HuzasTomb(), elotte) << "the blank row goes, as after Mégse";
        db.Kijeloles(1);
        db.ModositasKezdes();
        db.DialogusVege(true, rossz);
        EXPECT_EQ(db.HuzasTomb(), elotte);
        EXPECT_FALSE(db.Hozzaadas(std::vector<Huzas>{rossz}));
    }
    EXPECT_FALSE(db.VisszavonasLehet());
    // A blank row left open is no draw: the writer refuses rather than write zeros.
    db.BovitesKezdes();
    int hibas = 0;
    EXPECT_FALSE(db.Kodolas({1, 0, 0, 0}, &hibas));
    EXPECT_EQ(hibas, 2);
    RogzitoUzenetek u;
    IdeiglenesMappa m;
    u.Var(HibaUzenet, "Hiba történt az adatbázis állományának írása során!");
    EXPECT_FALSE(db.AdatbazisMentese(m / "Huzas6.ldb", {1, 0, 0, 0}, u));
    EXPECT_FALSE(std::filesystem::exists(m / "Huzas6.ldb"));
}

// The dialog finishes only the operation that waits for it, once. The naive rule finished
// whatever code was left over: a second "Mégse" of an append deleted the last real draw, and
// a dialog closed after a reload deleted a row of the new table.
TEST(HuzasSzerkesztes, DialogusCsakAVaroMuveletetZarjaLe) {
    HuzasAdatbazis db(5);
    ASSERT_TRUE(
        db.Beolvasas(Varhato(5, {H(2020, 1, {1, 2, 3, 4, 5}), H(2020, 2, {6, 7, 8, 9, 10})}), 5));
    const auto elotte = db.HuzasTomb();
    db.BovitesKezdes();
    EXPECT_TRUE(db.MuveletFolyamatban());
    EXPECT_EQ(db.HuzasDb(), 3);
    // The open blank row shows empty cells, not a draw of zeros.
    for (int o = 0; o < db.OszlopDb(); ++o) EXPECT_EQ(AdatCella(db, 3, o, {}).Szoveg, "") << o;
    EXPECT_EQ(AdatCella(db, 2, 0, {}).Szoveg, "2.");
    EXPECT_TRUE(db.DialogusVege(false, {}));
    EXPECT_FALSE(db.MuveletFolyamatban());
    EXPECT_FALSE(db.DialogusVege(false, {}));
    EXPECT_FALSE(db.DialogusVege(true, H(2020, 3, {11, 12, 13, 14, 15})));
    EXPECT_EQ(db.HuzasTomb(), elotte);
    EXPECT_FALSE(db.VisszavonasLehet());

    db.Kijeloles(2);
    db.BeszurasKezdes();
    ASSERT_TRUE(
        db.Beolvasas(Varhato(5, {H(2021, 1, {1, 2, 3, 4, 5}), H(2021, 2, {6, 7, 8, 9, 10})}), 5));
    const auto uj = db.HuzasTomb();
    EXPECT_FALSE(db.DialogusVege(false, {}));
    EXPECT_EQ(db.HuzasTomb(), uj);
    EXPECT_FALSE(db.AdatbazisModositva);
}

// Game 6: the list selects the blank row of an append (year 0) while the dialog opens. The
// naive rule read that row as a draw of the plus-number years and asked for a plus number
// after 2007 week 29 too.
TEST(HuzasSzerkesztes, HatoslottoPluszSzamAVakSorKijelolesekor) {
    HuzasAdatbazis db(6);
    ASSERT_TRUE(db.Beolvasas(
        Varhato(6, {H(2007, 28, {1, 2, 3, 4, 5, 6, 7}), H(2007, 29, {1, 2, 3, 4, 5, 6, 8})}), 6));
    db.CellaKijeloles(1);
    EXPECT_TRUE(db.PluszSzamAktiv);
    db.BovitesKezdes();
    db.CellaKijeloles(db.MuvRekord);
    EXPECT_FALSE(db.PluszSzamAktiv);
    EXPECT_TRUE(db.DialogusVege(true, H(2007, 30, {10, 11, 12, 13, 14, 15, 0})));
    EXPECT_EQ(db.Ertek(2, 9), 0);
    db.CellaKijeloles(2);
    EXPECT_TRUE(db.PluszSzamAktiv) << "week 29 still had one";
    db.CellaKijeloles(3);
    EXPECT_FALSE(db.PluszSzamAktiv);
}

TEST(HuzasSzerkesztes, CsonkaFajlVegeFigyelmeztetEsAzEredetiMegmarad) {
    IdeiglenesMappa m;
    auto adat = Varhato(5, {H(2020, 1, {1, 2, 3, 4, 5}), H(2020, 2, {6, 7, 8, 9, 10})});
    adat.insert(adat.end(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
    ASSERT_TRUE(io::BiztosMentes(m / "Huzas5.ldb", adat));
    HuzasAdatbazis db(5);
    RogzitoUzenetek u;
    u.Var(Figyelmeztetes, "Az adatbázis állományának végén 17 bájt nem alkot teljes húzást, "
                          "ezek kimaradtak.\r\rAz eredeti állomány az első mentéskor "
                          "Huzas5.ldb.bak néven megmarad.");
    ASSERT_EQ(db.HuzasokBe(m / "Huzas5.ldb", 5, u), BetoltesEredmeny::Rendben);
    EXPECT_EQ(db.HuzasDb(), 2);
    db.AdatbazisModositva = true;
    u.Var(Informacio);
    ASSERT_TRUE(db.AdatbazisMentese(m / "Huzas5.ldb", {1, 2, 3, 4}, u));
    EXPECT_EQ(*io::FajlBeolvasas(m / "Huzas5.ldb.bak"), adat);
    EXPECT_EQ(io::FajlBeolvasas(m / "Huzas5.ldb")->size(), 16u + 2 * 28);
    // The copy is of the file as it was loaded; a second save keeps it.
    u.Var(Informacio);
    ASSERT_TRUE(db.AdatbazisMentese(m / "Huzas5.ldb", {1, 2, 3, 4}, u));
    EXPECT_EQ(*io::FajlBeolvasas(m / "Huzas5.ldb.bak"), adat);
}

TEST(HuzasSzerkesztes, ImportEgyLepesAVisszavonasban) {
    const std::string csv = "2020;3;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;11;12;13;14;15\r\n"
                            "2020;2;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;6;7;8;9;10\r\n"
                            "2020;1;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5\r\n";
    HuzasAdatbazis db(5);
    ASSERT_TRUE(db.Beolvasas(Varhato(5, {H(2020, 1, {1, 2, 3, 4, 5})}), 5));
    db.BovitesKezdes();
    db.DialogusVege(true, H(2020, 2, {6, 7, 8, 9, 10}));
    EXPECT_EQ(HuzasImport(db, csv), 1);
    EXPECT_EQ(HuzasImport(db, csv), 0);
    EXPECT_EQ(ImportEredmenySzoveg(0), "Az állományban nincs az adatbázisénál újabb húzás, az "
                                       "adatbázis nem változott.");
    db.RekordPVissza();
    EXPECT_EQ(db.HuzasDb(), 2) << "the import went, the appended draw stayed";
    db.RekordPVissza();
    EXPECT_EQ(db.HuzasDb(), 1);
    db.RekordPMegsem();
    db.RekordPMegsem();
    EXPECT_EQ(db.HuzasDb(), 3);
    // A file that ends before the database adds nothing instead of failing.
    EXPECT_EQ(HuzasImport(db, csv.substr(csv.find("2020;2"))), 0);
}

TEST(HuzasBevitel, HetekEsEvekMuveletenkent) {
    HuzasAdatbazis db(5);
    ASSERT_TRUE(
        db.Beolvasas(Varhato(5, {H(2019, 51, {1, 2, 3, 4, 5}), H(2019, 52, {1, 2, 3, 4, 6})}), 5));
    db.Kijeloles(2);
    db.BovitesKezdes();
    auto kr = Kornyezet(db, HuzasMuvelet::Bovites, db.MuvRekord, {});
    auto k = KezdoKeret(kr);
    EXPECT_EQ(k, (EvHetKeret{2019, 2020, 1, 1, 2020, 1}));
    // Back to the year of week 52: week 53 of a long year may follow.
    k = EvValtas(kr, k, 2019);
    EXPECT_EQ(k, (EvHetKeret{2019, 2020, 52, 53, 2019, 53}));
    db.DialogusVege(false, {});
    db.Kijeloles(1);
    db.BeszurasKezdes();
    k = KezdoKeret(Kornyezet(db, HuzasMuvelet::Beszuras, db.MuvRekord, {}));
    EXPECT_EQ(k, (EvHetKeret{2019, 2019, 50, 51, 2019, 50}));
    db.DialogusVege(false, {});
    db.Kijeloles(2);
    db.ModositasKezdes();
    k = KezdoKeret(Kornyezet(db, HuzasMuvelet::Modositas, db.MuvRekord, {}));
    EXPECT_EQ(k, (EvHetKeret{2019, 2019, 51, 53, 2019, 52})) << "not before the first draw";
    ASSERT_TRUE(db.Beolvasas(Varhato(5, {H(2019, 50, {1, 2, 3, 4, 5})}), 5));
    db.BovitesKezdes();
    EXPECT_EQ(KezdoKeret(Kornyezet(db, HuzasMuvelet::Bovites, db.MuvRekord, {})),
              (EvHetKeret{2019, 2019, 50, 51, 2019, 51}));
}

TEST(HuzasBevitel, DialogusAListaMellettJegyeAlatta) {
    const Teglalap kep{0, 0, 1280, 800};
    // A list near the right edge: the dialog goes left of it, its ticket under it.
    auto h = BevitelElhelyezes({900, 100, 340, 400}, kep, 330, 200, 280, 330);
    EXPECT_EQ(h.Dialogus, (Teglalap{566, 100, 330, 200}));
    EXPECT_EQ(h.Szelveny, (Teglalap{566, 304, 280, 330}));
    // Room on the right: there.
    h = BevitelElhelyezes({100, 100, 340, 400}, kep, 330, 200, 280, 330);
    EXPECT_EQ(h.Dialogus.Bal, 444);
    // Low on the screen the pair is lifted; a ticket wider than the dialog counts.
    h = BevitelElhelyezes({10, 600, 1200, 150}, kep, 330, 200, 400, 330);
    EXPECT_EQ(h.Dialogus, (Teglalap{880, 266, 330, 200}));
    EXPECT_EQ(h.Szelveny.Felso + h.Szelveny.Magassag, 800);
    EXPECT_GT(h.Szelveny.Felso, h.Dialogus.Felso + h.Dialogus.Magassag);
}

TEST(HuzasBevitel, SzamsorokCellai) {
    SzamsorBevitel b;
    b.Kezdes(6, true);
    ASSERT_EQ(b.CellaDb(), 7);
    for (int n : {30, 4, 17, 9, 41, 2}) b.Kattintas(n);
    EXPECT_EQ(b.Cellak(1), (std::vector<int>{2, 4, 9, 17, 30, 41, 0}));
    EXPECT_FALSE(b.RendbenLehet());
    b.Kattintas(1); // the plus number, clicked last
    EXPECT_EQ(b.Cellak(1), (std::vector<int>{2, 4, 9, 17, 30, 41, 1}));
    EXPECT_FALSE(b.Kattintas(5)) << "the row is full";
    EXPECT_EQ(b.Rekord(2000, 3).Szamok[6], 1);
    b.Kattintas(30);
    EXPECT_EQ(b.Cellak(1), (std::vector<int>{1, 2, 4, 9, 17, 41, 0}));

    b.Kezdes(6, false);
    for (int n : {6, 5, 4, 3, 2, 1}) b.Kattintas(n);
    EXPECT_TRUE(b.RendbenLehet());
    EXPECT_EQ(b.Rekord(2008, 1).Szamok[6], 0) << "no plus number after 2007 week 29";
    EXPECT_TRUE(HuzasHiba(6, b.Rekord(2008, 1)).empty());

    b.Kezdes(7, true);
    for (int n = 1; n <= 7; ++n) b.Kattintas(n);
    EXPECT_EQ(b.SzamsorSorszam(), 2) << "a full first row moves on";
    EXPECT_FALSE(b.RendbenLehet());
    for (int n = 7; n >= 1; --n) b.Kattintas(n);
    EXPECT_TRUE(b.RendbenLehet());
    b.SorValtas(1);
    b.Kattintas(7);
    b.Kattintas(35);
    EXPECT_EQ(b.SzamsorSorszam(), 1) << "correcting row 1 stays there";
    EXPECT_EQ(b.Rekord(2020, 1).Szamok[6], 35);
    EXPECT_EQ(b.Rekord(2020, 1).Szamok[13], 7);
}

} // namespace
} // namespace varion
