// The draw entry dialog as the player meets it: its ticket takes clicks while the dialog
// blocks the rest of the program, every way out of it cancels cleanly, a Hatoslottó draw of
// the years without a plus number takes six numbers, and unsaved draws outlive a failed save.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>

#include "akadalymentes/Nevadas.h"
#include "app/UAdatbazisParancsok.h"
#include "app/UVarion.h"
#include "draws/UHuzBe.h"
#include "draws/UHuzLista.h"
#include "game/USzelveny.h"
#include "io/FajlMentes.h"
#include "support/KeziAdatok.h"
#include "ui/draws/HuzasProgram.h"

namespace varion::ui {
namespace {

using namespace teszt_huzas;
using enum UzenetTipus;

// A click as the window system delivers it: a window that a modal dialog blocks never sees
// it. (QTest's clicks on a widget go around modality.)
void AblakKatt(TSzelveny& sz, int n) {
    QWindow* w = sz.windowHandle();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, sz.CellaTer()->mapTo(&sz, sz.CellaKozep(n)));
}

HuzasAdatbazis Beolvasott(const fs::path& fajl, int jatek) {
    HuzasAdatbazis db(jatek);
    EXPECT_TRUE(db.Beolvasas(*io::FajlBeolvasas(fajl), jatek));
    return db;
}

// The dialog was application-modal and its ticket another window of the main window: real
// clicks on the ticket were blocked, so no draw could be entered by hand.
TEST(HuzBe, AJegyModalisDialogusMellettKattinthatoEsAHuzasMegmarad) {
    Program p;
    p.ablak->show();
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.L().Gomb("BovitesGomb")->click();
    ASSERT_TRUE(p.B().isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &p.B()) << "the rest of the program waits";
    TSzelveny& sz = *p.B().BeSzelveny();
    ASSERT_TRUE(sz.isVisible());
    EXPECT_FALSE(sz.geometry().intersects(p.B().geometry())) << "the ticket is not covered";
    for (int n : {44, 3, 17, 90, 25}) AblakKatt(sz, n);
    EXPECT_EQ(p.B().Szamsor(1)->item(0, 0)->text(), QStringLiteral("3"));
    ASSERT_TRUE(p.B().RendbenGomb()->isEnabled());
    p.B().RendbenGomb()->click();
    EXPECT_FALSE(sz.isVisible());
    ASSERT_EQ(p.ablak->Huzasok().HuzasDb(), 4);

    p.u.Var(Informacio, "Adatbázis elmentve.");
    p.L().Gomb("MentesGomb")->click();
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());
    const auto db = Beolvasott(p.mappa.Utvonal / "Dat/Huzas5.ldb", 5);
    ASSERT_EQ(db.HuzasDb(), 4);
    EXPECT_EQ(std::vector<int>(db.Szamok(3).begin(), db.Szamok(3).end()),
              (std::vector<int>{3, 17, 25, 44, 90}));
    EXPECT_EQ(db.Ertek(3, 2), 4) << "the week after the last draw";
}

// Esc went around the dialog's own close handling: the blank row stayed in the table as
// "0. 0. 0. 0 0 0 0 0", the ticket stayed on screen and every later save failed on that row.
TEST(HuzBe, EscEsZarodobozIsMegse) {
    Program p;
    p.ablak->show();
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    const std::vector<std::pair<const char*, std::function<void()>>> modok{
        {"Esc", [&] { QTest::keyClick(&p.B(), Qt::Key_Escape); }},
        // The ticket is a window of its own; Esc there closed nothing.
        {"Esc on the ticket",
         [&] {
             AkadalymentesTelepites();
             QTest::keyClick(p.B().BeSzelveny(), Qt::Key_Escape);
         }},
        {"close box", [&] { p.B().close(); }},
        {"Mégse", [&] { p.B().MegsemGomb()->click(); }}};
    for (const auto& [nev, kilepes] : modok) {
        p.L().Gomb("BovitesGomb")->click();
        ASSERT_TRUE(p.B().isVisible()) << nev;
        AblakKatt(*p.B().BeSzelveny(), 10);
        AblakKatt(*p.B().BeSzelveny(), 20);
        kilepes();
        EXPECT_FALSE(p.B().isVisible()) << nev;
        EXPECT_FALSE(p.B().BeSzelveny()->isVisible()) << nev;
        EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 3) << nev;
        EXPECT_EQ(p.L().HuzTabla()->model()->rowCount(), 3) << nev;
        EXPECT_FALSE(p.ablak->Huzasok().MuveletFolyamatban()) << nev;
        EXPECT_FALSE(p.ablak->Akcio(Parancs::AdbMentes)->isEnabled()) << nev;
    }
    // The next edit saves.
    p.L().Gomb("BovitesGomb")->click();
    for (int n : {1, 2, 3, 4, 7}) AblakKatt(*p.B().BeSzelveny(), n);
    QTest::keyClick(&p.B(), Qt::Key_Return);
    ASSERT_EQ(p.ablak->Huzasok().HuzasDb(), 4);
    p.u.Var(Informacio, "Adatbázis elmentve.");
    EXPECT_TRUE(p.A().Mentes());
    EXPECT_EQ(Beolvasott(p.mappa.Utvonal / "Dat/Huzas5.ldb", 5).HuzasDb(), 4);
}

// After 2007 week 29 the Hatoslottó draws no plus number. Selecting the blank row of the
// append made the list ask for one anyway: seven cells and the plus-number note.
TEST(HuzBe, HatoslottoHuzasaPluszSzamNelkul) {
    Program p;
    HuzasAdatbazis hatos(6);
    ASSERT_TRUE(
        hatos.Hozzaadas(std::vector<Huzas>{teszt::H(2007, 28, {1, 2, 3, 4, 5, 6, 7}),
                                           teszt::H(2007, 29, {8, 9, 10, 11, 12, 13, 14})}));
    ASSERT_TRUE(io::BiztosMentes(p.mappa.Utvonal / "Dat/Huzas6.ldb", *hatos.Kodolas({1, 0, 0, 0})));
    p.ablak->JatekValtas(6);
    p.ablak->show();
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.u.Torles();
    p.L().Gomb("BovitesGomb")->click();
    EXPECT_EQ(p.B().Szamsor(1)->columnCount(), 6);
    EXPECT_TRUE(p.u.Lathato().empty()) << p.u.Lathato().front().Szoveg;
    for (int n : {40, 30, 20, 10, 5, 1}) AblakKatt(*p.B().BeSzelveny(), n);
    AblakKatt(*p.B().BeSzelveny(), 45); // a seventh number is refused
    ASSERT_TRUE(p.B().RendbenGomb()->isEnabled());
    p.B().RendbenGomb()->click();
    const auto& db = p.ablak->Huzasok();
    ASSERT_EQ(db.HuzasDb(), 3);
    EXPECT_EQ(std::vector<int>(db.Szamok(2).begin(), db.Szamok(2).end()),
              (std::vector<int>{1, 5, 10, 20, 30, 40, 0}));
    EXPECT_EQ(db.Ertek(2, 2), 30);
}

// "Igen" to the question about unsaved draws at the end used to end the program even when
// the save failed, and the draws were lost.
TEST(HuzBe, KilepeskorSikertelenMentesNyitvaTartja) {
    Program p;
    p.ablak->show();
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.L().Gomb("BovitesGomb")->click();
    for (int n : {11, 22, 33, 44, 55}) AblakKatt(*p.B().BeSzelveny(), n);
    p.B().RendbenGomb()->click();
    ASSERT_EQ(p.ablak->Huzasok().HuzasDb(), 4);

    // A folder where the file should be: the save cannot replace it.
    const fs::path fajl = p.mappa.Utvonal / "Dat/Huzas5.ldb";
    fs::remove(fajl);
    fs::create_directories(fajl / "foglalt");
    p.u.Var(JovahagyasKeres, "Biztos kilép a programból?")
        .Var(FigyelmeztetoKerdes,
             "Módosította, de nem mentette a lottóhúzások adatbázisát!\r\rMenti a módosításokat?")
        .Var(HibaUzenet, "Hiba történt az adatbázis állományának írása során!");
    EXPECT_FALSE(p.ablak->close());
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());
    EXPECT_TRUE(p.ablak->isVisible());
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 4);
    EXPECT_TRUE(p.ablak->Huzasok().AdatbazisModositva);

    fs::remove_all(fajl);
    p.u.Var(JovahagyasKeres, "Biztos kilép a programból?")
        .Var(FigyelmeztetoKerdes,
             "Módosította, de nem mentette a lottóhúzások adatbázisát!\r\rMenti a módosításokat?")
        .Var(Informacio, "Adatbázis elmentve.");
    EXPECT_TRUE(p.ablak->close());
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());
    EXPECT_EQ(Beolvasott(fajl, 5).HuzasDb(), 4);
}

} // namespace
} // namespace varion::ui
