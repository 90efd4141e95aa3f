#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/USugo.h"
#include "app/UVarion.h"
#include "draws/HuzasImport.h"
#include "game/UFoszelveny.h"
#include "game/UVelSzam.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;
using teszt::RogzitoUzenetek;

// A program folder with the help files and the draw files of the build.
struct Program : proba::Program {
    explicit Program(bool sugo = true, bool huzasok = true)
        : proba::Program({7, 13, 30, 21, 2, 31, 11, 32, 33, 34}) {
        const fs::path res = VARION_RESOURCES;
        if (sugo) fs::copy(res / "Help", mappa.Utvonal / "Help");
        if (huzasok) fs::copy(res / "Dat", mappa.Utvonal / "Dat");
    }
    bool Indit() { return Epites().Inditas(); }
    TFoszelvenyAblak& F() { return *ablak->Foszelveny(); }
    void Katt(int n, Qt::KeyboardModifiers m = {}) {
        auto& sz = F().Szelveny();
        QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, m, sz.CellaKozep(n));
    }
    void Parancs(varion::Parancs p) { ablak->Akcio(p)->trigger(); }
    std::string Ini() {
        std::ifstream be(mappa.Utvonal / "Varion.ini");
        return {std::istreambuf_iterator<char>(be), {}};
    }
};

TEST(Foablak, InditasSerultBeallitasFajllal) {
    Program p;
    {
        std::ofstream ki(p.mappa.Utvonal / "Varion.ini");
        ki << "[Varion]\nJatek=9\n";
    }
    p.u.Var(UzenetTipus::HibaUzenet, "Sérült a Varion.ini állomány!");
    ASSERT_TRUE(p.Indit());
    EXPECT_EQ(p.ablak->Jatek(), 5);
    EXPECT_EQ(p.ablak->windowTitle(), QStringLiteral(" Varion  -  Ötöslottó"));
    EXPECT_NE(p.Ini().find("Jatek=5"), std::string::npos) << p.Ini();
    EXPECT_TRUE(p.ablak->Akcio(Parancs::Otoslotto)->isChecked());
    EXPECT_TRUE(p.ablak->VanAdatbazis());
    EXPECT_TRUE(fs::is_directory(p.mappa.Utvonal / "Otos"));
}

TEST(Foablak, HianyzoSugoEsHianyzoAdatbazis) {
    Program p(false, false);
    p.u.Var(UzenetTipus::HibaUzenet,
            "Hiányzik a Varion program Súgó állománya!\r\rJavaslat: telepítse újra a programot.");
    p.u.Var(UzenetTipus::HibaUzenet, std::string(NincsAdatbazisSzoveg));
    ASSERT_TRUE(p.Indit());
    QAction* sugo = p.ablak->Akcio(Parancs::Temakorok);
    EXPECT_FALSE(sugo->isEnabled());
    EXPECT_EQ(sugo->statusTip(), QStringLiteral(" Hiányzik a Súgó állománya! "));
    EXPECT_FALSE(p.ablak->MenuObj(Menu::Adatbazis)->menuAction()->isEnabled());
    EXPECT_FALSE(p.ablak->Akcio(Parancs::HanyszorHuztak)->isEnabled());
    EXPECT_TRUE(fs::is_directory(p.mappa.Utvonal / "Dat")) << "created when missing";
}

TEST(Foablak, KattintasokModositokkalEsFixHatar) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Katt(1, Qt::ShiftModifier);
    p.Katt(2, Qt::ShiftModifier);
    p.Katt(3, Qt::ShiftModifier);
    p.u.Var(UzenetTipus::Figyelmeztetes, "Nem lehetséges több fix szám kijelölése.");
    p.Katt(4, Qt::ShiftModifier);
    p.Katt(10, Qt::ControlModifier);
    p.Katt(20);
    auto& sz = p.F().Szelveny();
    EXPECT_TRUE(sz.GetCella(1).Emelt);
    EXPECT_FALSE(sz.GetCella(4).Emelt);
    EXPECT_EQ(sz.GetCella(1).SzovegSzin, SzelvBejegyzes::FixSzam);
    EXPECT_EQ(sz.GetCella(10).SzovegSzin, SzelvBejegyzes::AllandoSzam);
    EXPECT_TRUE(sz.GetCella(20).Felkover);
    EXPECT_EQ(p.F().Foszelveny().ValtozoSzamDb(), 2);
    EXPECT_EQ(sz.RiportCimke()->text(),
              QStringLiteral(" Kijelölve  :  5 szám\n  - fix     :  3\n  - állandó :  1\n"
                             "  - véletlen:  0\n Számsorrend: Változatlan"));
    // The hint of the cell under the mouse is in the status bar.
    QMouseEvent folotte(QEvent::MouseMove, QPointF(sz.CellaKozep(20)), QPointF(sz.CellaKozep(20)),
                        Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(sz.CellaTer(), &folotte);
    EXPECT_EQ(p.ablak->statusBar()->currentMessage(),
              QStringLiteral(" Kijelölt szám (20) törlése. "));
    // A click on the gap between two cells marks nothing.
    const auto c = CellaHelye(sz.Meretek(), 30);
    QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, {}, QPoint(c.Bal + c.Szelesseg, c.Felso + 4));
    EXPECT_EQ(p.F().Foszelveny().Szamok().Kijelolve(), 5);
    // Right-button painting marks every cell it passes once.
    QTest::mousePress(sz.CellaTer(), Qt::RightButton, {}, sz.CellaKozep(41));
    for (int n : {41, 42, 42, 43}) {
        QMouseEvent mozgas(QEvent::MouseMove, QPointF(sz.CellaKozep(n)), QPointF(sz.CellaKozep(n)),
                           Qt::NoButton, Qt::RightButton, {});
        QApplication::sendEvent(sz.CellaTer(), &mozgas);
    }
    QTest::mouseRelease(sz.CellaTer(), Qt::RightButton, {}, sz.CellaKozep(43));
    EXPECT_EQ(p.F().Foszelveny().Szamok().JeloltSzamok(), (Szamsor{10, 20, 41, 42, 43}));
}

TEST(Foablak, FelteteleBontasMenuEsJatekValtas) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Parancs(Parancs::Hatoslotto); // empty ticket: no question
    ASSERT_EQ(p.ablak->Jatek(), 6);
    EXPECT_EQ(p.ablak->windowTitle(), QStringLiteral(" Varion  -  Hatoslottó"));
    EXPECT_EQ(p.F().Szelveny().MaxSzam(), 45);
    for (int n = 1; n <= 6; ++n) p.Katt(n);
    QMenu* felt = p.ablak->MenuObj(Menu::Feltetelek);
    EXPECT_FALSE(felt->menuAction()->isEnabled());
    p.Katt(7, Qt::ShiftModifier);
    EXPECT_TRUE(felt->menuAction()->isEnabled());
    EXPECT_TRUE(p.ablak->MenuObj(Menu::Bontas)->menuAction()->isEnabled());
    EXPECT_EQ(p.ablak->Akcio(Parancs::Start)->statusTip(), QStringLiteral(" Bontás készítése. "));

    p.Parancs(Parancs::Hatoslotto); // the current game: nothing at all
    EXPECT_EQ(p.F().Foszelveny().Szamok().Kijelolve(), 7);

    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", false);
    p.Parancs(Parancs::Skandinav);
    EXPECT_EQ(p.ablak->Jatek(), 6);
    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", true);
    p.Parancs(Parancs::Skandinav);
    EXPECT_EQ(p.ablak->Jatek(), 7);
    EXPECT_EQ(p.F().Foszelveny().Szamok().Kijelolve(), 0);
    EXPECT_EQ(p.F().Szelveny().Oszlopok(), 5);
    EXPECT_FALSE(felt->menuAction()->isEnabled());
}

TEST(Foablak, VeletlenSzamokAblakHatarai) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Parancs(Parancs::Skandinav);
    for (int n = 1; n <= 30; ++n) p.Katt(n);
    TVelSzam& d = *p.ablak->VelSzam();
    d.Elokeszites(p.F(), [] { return true; });
    EXPECT_EQ(d.Tartomany().Minimum, 2);
    EXPECT_EQ(d.Tartomany().Maximum, 3);
    EXPECT_EQ(d.VelszamBeEdit()->toolTip(), QStringLiteral(" Minimum  : 2\n Maximum : 3 "));
    d.VelszamBeEdit()->setText(QString());
    QTest::keyClicks(d.VelszamBeEdit(), QStringLiteral("45"));
    EXPECT_EQ(d.VelszamBeEdit()->text(), QString()) << "45 is above the maximum";
    QTest::keyClicks(d.VelszamBeEdit(), QStringLiteral("x3"));
    EXPECT_EQ(d.VelszamBeEdit()->text(), QStringLiteral("3"));
    // Leaving the edit with a count below the minimum corrects it, with the message.
    d.show();
    d.VelszamBeEdit()->setText(QStringLiteral("1"));
    p.u.Var(UzenetTipus::ParameterHiba);
    emit d.VelszamBeEdit()->editingFinished();
    EXPECT_EQ(d.VelszamBeEdit()->text(), QStringLiteral("2"));
    d.VelszamBeEdit()->setText(QStringLiteral("3"));
    d.KijelolesGomb()->click();
    EXPECT_FALSE(d.isVisible());
    const auto& sz = p.F().Foszelveny().Szamok();
    EXPECT_EQ(sz.Kijelolve(), 33);
    EXPECT_EQ(sz.VeletlenSzamok().size(), 3u);
    for (auto n : sz.VeletlenSzamok()) EXPECT_GT(n, 30);
    EXPECT_FALSE(p.ablak->Akcio(Parancs::VeletlenSzamok)->isEnabled()) << "33 >= 35 - 2";
    EXPECT_FALSE(p.ablak->Akcio(Parancs::VeletlenSzam)->isEnabled());
    p.Katt(sz.VeletlenSzamok().front()); // a random number taken back
    EXPECT_EQ(sz.VeletlenSzamok().size(), 2u);
    EXPECT_TRUE(p.ablak->Akcio(Parancs::VeletlenSzamok)->isEnabled());
}

TEST(Foablak, ZarolasF9EsFeloldas) {
    Program p;
    ASSERT_TRUE(p.Indit());
    EXPECT_FALSE(p.ablak->Akcio(Parancs::Zarol)->isEnabled()) << "nothing to lock";
    p.Katt(5);
    p.Parancs(Parancs::Zarol);
    auto& sz = p.F().Szelveny();
    EXPECT_EQ(sz.windowTitle(), QStringLiteral("  Főszelvény zárolva"));
    EXPECT_FALSE(sz.isEnabled());
    EXPECT_EQ(p.ablak->Akcio(Parancs::Zarol)->text(), QStringLiteral("Felold"));
    EXPECT_FALSE(p.ablak->MenuObj(Menu::Szamsor)->menuAction()->isEnabled());
    EXPECT_FALSE(p.ablak->MenuObj(Menu::Jatek)->menuAction()->isEnabled());
    EXPECT_FALSE(p.ablak->Akcio(Parancs::Hatoslotto)->isEnabled()) << "F6 must not switch";
    EXPECT_FALSE(p.ablak->Akcio(Parancs::MindenSzam)->isEnabled());
    p.Parancs(Parancs::Zarol);
    EXPECT_EQ(sz.windowTitle(), QStringLiteral("  Főszelvény"));
    EXPECT_TRUE(sz.isEnabled());
    EXPECT_EQ(p.ablak->Akcio(Parancs::Zarol)->text(), QStringLiteral("Zárol"));
    EXPECT_TRUE(p.ablak->Akcio(Parancs::MindenSzam)->isEnabled());
    EXPECT_TRUE(p.ablak->Akcio(Parancs::Hatoslotto)->isEnabled());
}

// The operator's Ötöslottó history as the game-5 draw file of the program folder.
bool ValodiOtoslotto(const fs::path& programKonyvtar) {
    const fs::path csv = fs::path(VARION_SHARED_DATA) / "otos.csv";
    if (!fs::exists(csv)) return false;
    HuzasAdatbazis db(5);
    std::ifstream be(csv, std::ios::binary);
    const std::string szoveg{std::istreambuf_iterator<char>(be), {}};
    if (!HuzasImport(db, szoveg).has_value()) return false;
    RogzitoUzenetek csendes;
    csendes.MindentElfogad();
    fs::create_directories(programKonyvtar / "Dat");
    return db.AdatbazisMentese(programKonyvtar / AdatbazisFajl(5), SajatVerzio(), csendes);
}

TEST(Foablak, StatisztikaNezetekValodiOtoslottoHuzasokkal) {
    Program p;
    if (!ValodiOtoslotto(p.mappa.Utvonal)) GTEST_SKIP() << "no draw history in " VARION_SHARED_DATA;
    ASSERT_TRUE(p.Indit());
    const auto& db = p.ablak->Huzasok();
    ASSERT_GT(db.HuzasDb(), 100);
    const int utolso = db.HuzasDb() - 1;
    p.Parancs(Parancs::HanyszorHuztak);
    auto& sz = p.F().Szelveny();
    EXPECT_EQ(sz.windowTitle(), QStringLiteral("  Hányszor húzták..."));
    // Every draw holds five numbers: the counts add up to five times the draws.
    int osszeg = 0;
    for (int n = 1; n <= 90; ++n) osszeg += sz.GetCella(n).Szoveg.toInt();
    EXPECT_EQ(osszeg, 5 * db.HuzasDb());
    p.Parancs(Parancs::HanyHuzasOta);
    EXPECT_EQ(sz.windowTitle(), QStringLiteral("  Hány húzás óta nem került elő..."));
    for (auto n : db.Szamok(utolso))
        EXPECT_EQ(sz.GetCella(n).Szoveg, QStringLiteral("-")) << "drawn last: " << n;
    p.Parancs(Parancs::NormalAlak);
    EXPECT_EQ(sz.GetCella(17).Szoveg, QStringLiteral("17"));
}

TEST(Foablak, KilepesKerdeseEsSugo) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos kilép a programból?", false);
    EXPECT_FALSE(p.ablak->close());
    p.Parancs(Parancs::Temakorok);
    ASSERT_NE(p.ablak->SugoAblak(), nullptr);
    EXPECT_TRUE(p.ablak->SugoAblak()->isVisible());
    EXPECT_GT(p.ablak->SugoAblak()->Fa()->topLevelItemCount(), 0);
    emit p.F().Szelveny().MiEz(20);
    EXPECT_EQ(p.ablak->SugoAblak()->AktualisTema(), 20);
    EXPECT_TRUE(
        p.ablak->SugoAblak()->Szoveg()->toPlainText().contains(QStringLiteral("információs mező")));
    p.Katt(3);
    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos kilép a programból?", true);
    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", true);
    EXPECT_TRUE(p.ablak->close());
}

// A ticket refuses to close, so a quit that hid only the main window left the tickets and the
// lists on screen and the application running.
TEST(Foablak, ElfogadottKilepesMindenAblakotElrejt) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.ablak->show();
    p.Parancs(Parancs::AdbListazas);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.F().Szelveny().isVisible(); }));
    const auto lathatok = [] {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) n += w->isVisible();
        return n;
    };
    const int elotte = lathatok();
    ASSERT_GE(elotte, 3); // the main window, its ticket and the draw list

    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos kilép a programból?", false);
    EXPECT_FALSE(p.ablak->close());
    EXPECT_EQ(lathatok(), elotte);

    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos kilép a programból?", true);
    EXPECT_TRUE(p.ablak->close());
    EXPECT_EQ(lathatok(), 0);
}

TEST(Foablak, KeszBontasKerdeseEsMentese) {
    Program p;
    ASSERT_TRUE(p.Indit());
    for (int n : {1, 2, 3, 4, 5, 6}) p.Katt(n);
    RogzitoUzenetek csendes;
    csendes.MindentElfogad();
    ASSERT_TRUE(
        teszt::Bontas(p.ablak->Bontas(), csendes, 5, p.F().Foszelveny().Szamok().JeloltSzamok()));
    ASSERT_NE(p.ablak->Bontas().GetBontStatus(), 0);

    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kész bontás listáját?", false);
    p.Katt(7);
    EXPECT_FALSE(p.F().Szelveny().GetCella(7).Emelt) << "no keeps the breakdown and the ticket";
    EXPECT_NE(p.ablak->Bontas().GetBontStatus(), 0);

    p.u.Var(UzenetTipus::JovahagyasKeres,
            "Biztos törli a kijelölt számokat és a kész bontás listáját?", false);
    p.Parancs(Parancs::Hatoslotto);
    EXPECT_EQ(p.ablak->Jatek(), 5);

    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kész bontás listáját?", true);
    p.Katt(7);
    EXPECT_TRUE(p.F().Szelveny().GetCella(7).Emelt);
    EXPECT_EQ(p.ablak->Bontas().GetBontStatus(), 0);
    EXPECT_TRUE(fs::exists(p.mappa.Utvonal / "back5.tip")) << "the breakdown's row is kept";
    EXPECT_EQ(p.ablak->Akcio(Parancs::Visszatoltes)->statusTip(),
              QStringLiteral(" Az előző bontás számsorának és feltételeinek visszatöltése. "));
}

// The ticket is shown only after the main window is mapped: mapped earlier, it does not
// belong to the main window yet and openbox stacks it under the maximised main window.
TEST(Foablak, AFoszelvenyAFoablakUtanJelenikMeg) {
    Program p;
    ASSERT_TRUE(p.Indit());
    auto& sz = p.F().Szelveny();
    EXPECT_FALSE(sz.isVisible());
    p.ablak->show();
    EXPECT_FALSE(sz.isVisible()); // not inside the main window's show event
    ASSERT_TRUE(QTest::qWaitFor([&] { return sz.isVisible(); }));
    ASSERT_NE(sz.windowHandle(), nullptr);
    EXPECT_EQ(sz.windowHandle()->transientParent(), p.ablak->windowHandle());
    EXPECT_FALSE(sz.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(Foablak, GyorsbillentyukASzelvenyAblakbanIs) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.ablak->show();
    auto& sz = p.F().Szelveny();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sz.isVisible(); }));
    p.Katt(8);
    sz.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sz));
    QTest::keyClick(&sz, Qt::Key_F9);
    EXPECT_TRUE(p.F().Foszelveny().Zarolt());
    QTest::keyClick(&sz, Qt::Key_F9);
    EXPECT_FALSE(p.F().Foszelveny().Zarolt());
    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", true);
    QTest::keyClick(&sz, Qt::Key_T, Qt::ControlModifier); // "Minden szám"
    EXPECT_EQ(p.F().Foszelveny().Szamok().Kijelolve(), 0);
    EXPECT_EQ(sz.JelolesFajta(), 0);
}

// Pictures of the windows for a person to look at: VARION_KEPEK=<folder>.
TEST(Foablak, Kepernyokepek) {
    const QString mappa = qEnvironmentVariable("VARION_KEPEK");
    if (mappa.isEmpty()) GTEST_SKIP() << "set VARION_KEPEK to a folder";
    Program p;
    p.u.MindentElfogad();
    ValodiOtoslotto(p.mappa.Utvonal);
    ASSERT_TRUE(p.Indit());
    p.ablak->resize(1100, 760);
    p.ablak->show();
    const auto kep = [&](const QString& nev) {
        QApplication::processEvents();
        p.ablak->grab().save(mappa + QStringLiteral("/foablak-") + nev + QStringLiteral(".png"));
        p.F().Szelveny().grab().save(mappa + QStringLiteral("/szelveny-") + nev +
                                     QStringLiteral(".png"));
    };
    for (int n : {3, 17, 25, 48}) p.Katt(n);
    p.Katt(60, Qt::ShiftModifier);
    p.Katt(71, Qt::ControlModifier);
    p.ablak->Akcio(Parancs::VeletlenSzam)->trigger();
    kep(QStringLiteral("otos"));
    QGuiApplication::primaryScreen()->grabWindow(0).save(mappa + QStringLiteral("/kepernyo.png"));
    p.Parancs(Parancs::Zarol);
    kep(QStringLiteral("zarolt"));
    p.Parancs(Parancs::Zarol);
    p.Parancs(Parancs::HanyszorHuztak);
    kep(QStringLiteral("hanyszor"));
    p.Parancs(Parancs::HanyHuzasOta);
    kep(QStringLiteral("hanyota"));
    p.Parancs(Parancs::SzamokSorrendje);
    kep(QStringLiteral("sorrend"));
    p.Parancs(Parancs::Hatoslotto);
    for (int n : {4, 9, 23, 45}) p.Katt(n);
    kep(QStringLiteral("hatos"));
    p.Parancs(Parancs::Skandinav);
    for (int n : {1, 12, 35}) p.Katt(n);
    kep(QStringLiteral("skandi"));
    p.ablak->VelSzam()->Elokeszites(p.F(), [] { return true; });
    p.ablak->VelSzam()->show();
    QApplication::processEvents();
    p.ablak->VelSzam()->grab().save(mappa + QStringLiteral("/velszam.png"));
    p.ablak->VelSzam()->hide();
    p.Parancs(Parancs::Temakorok);
    QApplication::processEvents();
    p.ablak->SugoAblak()->grab().save(mappa + QStringLiteral("/sugo.png"));
    p.ablak->MenuObj(Menu::Szamsor)->popup(QPoint(0, 0));
    QApplication::processEvents();
    p.ablak->MenuObj(Menu::Szamsor)->grab().save(mappa + QStringLiteral("/menu-szamsor.png"));
    p.ablak->MenuObj(Menu::Szamsor)->hide();
}

} // namespace
} // namespace varion::ui
