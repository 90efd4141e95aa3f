#include <QApplication>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>

#include "app/UAdatbazisParancsok.h"
#include "app/UBontasParancsok.h"
#include "app/UListaParancsok.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UPeldaParancsok.h"
#include "app/UVarion.h"
#include "breakdown/UBontLista.h"
#include "draws/HuzasImport.h"
#include "draws/UHuzBe.h"
#include "draws/UHuzKeresSzelveny.h"
#include "draws/UHuzLista.h"
#include "draws/UHuzSzama.h"
#include "game/UFoszelveny.h"
#include "game/USzelveny.h"
#include "io/FajlMentes.h"
#include "support/BontasSegito.h"
#include "ui/draws/HuzasProgram.h"

namespace varion::ui {
namespace {

using namespace teszt_huzas;

namespace fs = std::filesystem;
using enum UzenetTipus;

TEST(HuzLista, BovitesVisszavonasEsMentesiKerdesJatekValtaskor) {
    Program p;
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    ASSERT_TRUE(p.L().isVisible()) << p.ablak->Akcio(Parancs::AdbListazas)->isEnabled() << " "
                                   << p.ablak->VanAdatbazis() << " " << p.u.Szovegek().size();
    EXPECT_EQ(p.L().HuzTabla()->model()->rowCount(), 3);
    EXPECT_EQ(p.L().HuzTabla()->model()->data(p.L().HuzTabla()->model()->index(2, 0)).toString(),
              QStringLiteral("3."));
    EXPECT_EQ(p.L().SegedSzelveny()->windowTitle(), QStringLiteral("  A(z) 1. húzás számsora"));
    EXPECT_FALSE(p.ablak->Akcio(Parancs::AdbMentes)->isEnabled());

    p.L().Gomb("BovitesGomb")->click();
    ASSERT_TRUE(p.B().isVisible());
    EXPECT_EQ(p.B().windowTitle(), QStringLiteral("  Új húzás beolvasása"));
    EXPECT_EQ(p.B().EvBe()->value(), 2020);
    EXPECT_FALSE(p.B().EvBe()->isEnabled());
    EXPECT_EQ(p.B().HetBe()->minimum(), 3);
    EXPECT_EQ(p.B().HetBe()->value(), 4);
    for (int n : {40, 20, 30, 10}) p.Katt(*p.B().BeSzelveny(), n);
    EXPECT_FALSE(p.B().RendbenGomb()->isEnabled());
    p.Katt(*p.B().BeSzelveny(), 50);
    p.Katt(*p.B().BeSzelveny(), 60); // a sixth number is refused
    EXPECT_EQ(p.B().Szamsor(1)->item(0, 4)->text(), QStringLiteral("50"));
    ASSERT_TRUE(p.B().RendbenGomb()->isEnabled());
    p.B().RendbenGomb()->click();
    EXPECT_FALSE(p.B().isVisible());
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 4);
    EXPECT_EQ(p.ablak->Huzasok().Ertek(3, 3), 10);
    EXPECT_TRUE(p.ablak->Akcio(Parancs::AdbMentes)->isEnabled());
    EXPECT_EQ(p.ablak->Tartomanyok().Get(TartomanyFajta::Statisztika), (Tartomany{1, 4}));
    EXPECT_TRUE(p.L().Gomb("VisszaGomb")->isEnabled());
    EXPECT_EQ(p.L().Gomb("VisszaGomb")->toolTip(), QStringLiteral("Előző módosítás visszavonása."));

    p.L().Gomb("VisszaGomb")->click();
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 3);
    EXPECT_EQ(p.L().HuzTabla()->model()->rowCount(), 3);
    EXPECT_TRUE(p.L().Gomb("MegseGomb")->isEnabled());
    p.L().Gomb("MegseGomb")->click();
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 4);

    // The game switch asks to save the changed draws; yes writes them.
    p.u.Var(FigyelmeztetoKerdes,
            "Módosította, de nem mentette a lottóhúzások adatbázisát!\r\rMenti a módosításokat?",
            true)
        .Var(Informacio, "Adatbázis elmentve.");
    p.ablak->JatekValtas(6);
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());
    EXPECT_FALSE(p.L().isVisible());
    HuzasAdatbazis ujra(5);
    ASSERT_TRUE(ujra.Beolvasas(*io::FajlBeolvasas(p.mappa.Utvonal / "Dat/Huzas5.ldb"), 5));
    EXPECT_EQ(ujra.HuzasDb(), 4);
}

// The auxiliary ticket goes with the list and the next opening makes it for the game then
// current; a game switch used to leave the old game's 90 numbers beside the Hatoslottó list.
TEST(HuzLista, SegedszelvenyAJatekValtasUtanAzUjJateke) {
    Program p;
    p.ablak->show();
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    ASSERT_NE(p.L().SegedSzelveny(), nullptr);
    EXPECT_EQ(p.L().SegedSzelveny()->MaxSzam(), 90);
    p.ablak->JatekValtas(6);
    EXPECT_EQ(p.L().SegedSzelveny(), nullptr) << "hidden with the list";
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    ASSERT_NE(p.L().SegedSzelveny(), nullptr);
    EXPECT_EQ(p.L().SegedSzelveny()->MaxSzam(), 45);
    EXPECT_TRUE(p.L().SegedSzelveny()->isVisible());
    p.L().close();
    EXPECT_EQ(p.L().SegedSzelveny(), nullptr);
}

// The list's print button was connected to nothing; it is the menu's "Nyomtatás...".
TEST(HuzLista, NyomtatasGombAHuzasListatIrjaKi) {
    Program p;
    auto& np = *p.ablak->Nyomtatas();
    np.VanNyomtato = [] { return true; };
    std::vector<QUrl> megnyitva;
    std::mutex zar;
    np.Megnyitas = [&](const QUrl& u) {
        std::lock_guard l(zar);
        megnyitva.push_back(u);
    };
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.L().Gomb("NyomtatasGomb")->click();
    const fs::path fajl = p.mappa.Utvonal / "huzlist.rtf";
    ASSERT_TRUE(fs::exists(fajl));
    const auto rtf = io::FajlBeolvasas(fajl);
    const std::string szoveg(rtf->begin(), rtf->end());
    EXPECT_NE(szoveg.find("Lista v"), std::string::npos);
    for (int i = 0; i < 100; ++i) {
        {
            std::lock_guard l(zar);
            if (!megnyitva.empty()) break;
        }
        QTest::qWait(20);
    }
    std::lock_guard l(zar);
    ASSERT_EQ(megnyitva.size(), 1u);
    EXPECT_EQ(megnyitva[0].toLocalFile().toStdString(), fajl.string());
}

TEST(HuzLista, UresAdatbazisbolIsBovithetoAMaiHettel) {
    Program p("");
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    EXPECT_FALSE(p.L().Gomb("TorlesGomb")->isEnabled());
    EXPECT_FALSE(p.L().Gomb("ModositasGomb")->isEnabled());
    p.B().Ma = {2024, 17};
    p.L().Gomb("BovitesGomb")->click();
    EXPECT_EQ(p.B().EvBe()->value(), 2024);
    EXPECT_EQ(p.B().HetBe()->value(), 17);
    p.B().MegsemGomb()->click();
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 0);
    EXPECT_FALSE(p.ablak->Akcio(Parancs::AdbMentes)->isEnabled());
}

TEST(HuzLista, KeresesEsTartomanyDialogus) {
    Program p;
    EXPECT_EQ(p.L().KeresGomb(KeresIrany::Elozo)->toolTip(), QStringLiteral("Előző találat."));
    EXPECT_EQ(p.L().KeresGomb(KeresIrany::Utolso)->toolTip(),
              QStringLiteral("Ugrás az utolsó találatra."));
    p.ablak->Akcio(Parancs::Kereses)->trigger();
    // Search mode: the list's own commands are off and say nothing.
    EXPECT_FALSE(p.L().Gomb("BovitesGomb")->isEnabled());
    EXPECT_TRUE(p.L().Gomb("BovitesGomb")->toolTip().isEmpty());
    EXPECT_TRUE(p.L().Gomb("VisszaGomb")->toolTip().isEmpty());
    EXPECT_TRUE(p.L().Gomb("NyomtatasGomb")->isEnabled());
    EXPECT_FALSE(p.L().Gomb("NyomtatasGomb")->toolTip().isEmpty());
    auto* k = p.A().Kereses();
    ASSERT_NE(k, nullptr);
    for (int n : {1, 2, 3, 4, 5}) k->Jeloles(n);
    EXPECT_EQ(k->Szamlalo().Db, (std::array<int, 4>{0, 0, 1, 1}));
    // The status line shows a cell's hint as it stands, framed by blanks like every hint.
    EXPECT_EQ(k->Szelveny().GetCella(3).Sugo, QStringLiteral(" Keresett szám. "));
    ASSERT_TRUE(p.L().KeresPanelObj()->isVisible());
    EXPECT_EQ(p.L().KeresBox()->count(), 3);
    EXPECT_EQ(p.L().Allapot().KijeloltHuzas, 1) << "the first hit";
    p.L().KeresGomb(KeresIrany::Kovetkezo)->click();
    EXPECT_EQ(p.L().Allapot().KijeloltHuzas, 2);
    EXPECT_FALSE(p.L().KeresGomb(KeresIrany::Kovetkezo)->isEnabled());
    EXPECT_EQ(p.L().KeresGomb(KeresIrany::Kovetkezo)->toolTip(),
              QStringLiteral("Az utolsó n találatos számsor van kiválasztva."));

    // The range dialog: a 0 typed as first draw becomes 1, too large a last the count.
    auto& d = p.A().HuzSzama();
    d.Elokeszites(TartomanyFajta::Kereses);
    d.show();
    EXPECT_EQ(d.Cim()->text(), QStringLiteral("Számsor keresése az adatbázisban"));
    // Unticking "Minden húzás" over the whole database leaves it unticked.
    ASSERT_TRUE(d.MindHuzBox()->isChecked());
    d.MindHuzBox()->click();
    EXPECT_FALSE(d.MindHuzBox()->isChecked());
    d.MindHuzBox()->click();
    EXPECT_TRUE(d.MindHuzBox()->isChecked());
    d.UtolsoHuzBe()->setText(QStringLiteral("2"));
    p.u.Var(ParameterHiba);
    d.ElsoHuzBe()->setText(QStringLiteral("0"));
    emit d.ElsoHuzBe()->editingFinished();
    EXPECT_EQ(d.ElsoHuzBe()->text(), QStringLiteral("1"));
    EXPECT_FALSE(d.MindHuzBox()->isChecked());
    EXPECT_EQ(d.UtolsoFelirat()->text(), QStringLiteral("Beállított utolsó húzás"));
    d.RendbenGomb()->click();
    EXPECT_EQ(p.ablak->Tartomanyok().Get(TartomanyFajta::Kereses), (Tartomany{1, 2}));
    EXPECT_EQ(k->Szamlalo().Db, (std::array<int, 4>{0, 0, 1, 1}));
    p.L().KeresGomb(KeresIrany::Utolso)->click();
    EXPECT_EQ(p.L().Allapot().KijeloltHuzas, 2);
    k->Szelveny().move(137, 91);
    const QPoint hely = k->Szelveny().pos();
    p.A().KeresesBezaras();
    EXPECT_TRUE(p.L().Gomb("BovitesGomb")->isEnabled());
    EXPECT_EQ(p.L().Gomb("BovitesGomb")->toolTip(),
              QStringLiteral("Új húzás hozzáadása az adatbázishoz."));
    // The next search ticket stands where the player left the last one.
    p.ablak->Akcio(Parancs::Kereses)->trigger();
    ASSERT_NE(p.A().Kereses(), nullptr);
    EXPECT_EQ(p.A().Kereses()->Szelveny().pos(), hely);
}

// "Keresés..." of the breakdown list searches the selected variation among the draws.
TEST(HuzLista, KeresesABontasListajabol) {
    Program p;
    auto& sz = p.ablak->Foszelveny()->Szelveny();
    for (int n : {1, 2, 3, 4, 6, 11})
        QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, {}, sz.CellaKozep(n));
    const auto& szamok = p.ablak->Foszelveny()->Foszelveny().Szamok();
    ASSERT_TRUE(teszt::Bontas(p.ablak->Bontas(), p.u, 5, szamok.JeloltSzamok(), nullptr,
                              szamok.FixSzamok()));
    p.ablak->BontasParancsai().VanNincsBontas(true);
    p.ablak->ParancsokSzinkron();
    p.ablak->Akcio(Parancs::BontListazas)->trigger();
    auto& bl = p.ablak->ListaParancsok()->Lista();
    ASSERT_TRUE(bl.isVisible());
    bl.Kivalaszt(0);
    const auto valasztott = bl.KivalasztottSzamsor();
    ASSERT_EQ(valasztott.size(), 5u);
    auto* g = bl.ParancsGomb(Parancs::Kereses);
    ASSERT_TRUE(g->isEnabled());
    g->click();
    auto* k = p.A().Kereses();
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Keresett().Szamok, valasztott);
    EXPECT_TRUE(p.L().isVisible());
    EXPECT_EQ(p.L().Mod(), ListaMod::Kereses);
}

TEST(HuzLista, ImportFajlbolEgyVisszavonhatoLepes) {
    Program p(Otos.substr(Otos.find("2020;2")));
    teszt::IdeiglenesMappa m;
    const std::string csv = "2020;4;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;21;22;23;24;25\r\n" + Otos;
    ASSERT_TRUE(io::BiztosMentes(
        m / "otos.csv", std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size())));
    p.u.Var(Informacio, "2 húzás hozzáadva.");
    p.A().Importalas(QString::fromStdString((m / "otos.csv").string()));
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 4);
    p.u.Var(Informacio, "Az állományban nincs az adatbázisénál újabb húzás, az adatbázis nem "
                        "változott.");
    p.A().Importalas(QString::fromStdString((m / "otos.csv").string()));
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.L().Gomb("VisszaGomb")->click();
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 2);
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());
}

TEST(HuzLista, PeldaModbanCsakAPeldabontasGombjaLathato) {
    Program p;
    p.L().PeldabontasAktiv();
    p.L().Start();
    p.L().Kijeloles(2, 4);
    auto* g = p.L().Gomb("ProbabontasGomb");
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(g->text(), QStringLiteral("  Példabontás készítése   "));
    for (const char* n : {"BovitesGomb", "TorlesGomb", "VisszaGomb", "KeresesGomb", "ToolButton4"})
        EXPECT_FALSE(p.L().Gomb(n)->isVisible()) << n;
    // No separator comes back with a selection either.
    for (const QAction* a : p.L().findChild<QToolBar*>()->actions())
        EXPECT_EQ(a->isVisible(), a->objectName() == QStringLiteral("ProbabontasGombAkcio"))
            << a->objectName().toStdString();
    int huzas = 0, oszlop = 0;
    // Only what the list tells; the main window's example command would start a breakdown.
    QObject::disconnect(&p.L(), &THuzLista::Peldabontas, p.ablak->PeldaParancsok(), nullptr);
    QObject::connect(&p.L(), &THuzLista::Peldabontas, [&](int h, int o) {
        huzas = h;
        oszlop = o;
    });
    g->click();
    EXPECT_EQ(huzas, 2);
    EXPECT_EQ(oszlop, 3);
    p.L().ListaAktiv();
    QApplication::processEvents(); // the toolbar lays its buttons out on the next pass
    EXPECT_FALSE(g->isVisible());
    EXPECT_TRUE(p.L().Gomb("BovitesGomb")->isVisible());
}

// The whole Ötöslottó history: stepping forward from the first hit visits every counted
// draw once, in order, each with at least two of the marked numbers; stepping back from the
// last visits the same draws in reverse.
TEST(HuzLista, KeresesAValodiTortenetbenElooreEsHatra) {
    const auto csv = io::FajlBeolvasas(fs::path(VARION_SHARED_DATA) / "otos.csv");
    if (!csv) GTEST_SKIP() << "no draw history in " VARION_SHARED_DATA;
    Program p(std::string(csv->begin(), csv->end()));
    const auto& db = p.ablak->Huzasok();
    ASSERT_GT(db.HuzasDb(), 3000);
    const int minta = 1000; // a draw whose numbers are searched for
    std::vector<int> szamok;
    for (int k = 0; k < 5; ++k) szamok.push_back(db.Ertek(minta - 1, 3 + k));
    p.ablak->Akcio(Parancs::Kereses)->trigger();
    auto* k = p.A().Kereses();
    ASSERT_NE(k, nullptr);
    for (int n : szamok) k->Jeloles(n);
    const auto db4 = k->Szamlalo().Db;
    EXPECT_GE(db4[3], 1) << "the draw itself";
    const int osszes = db4[0] + db4[1] + db4[2] + db4[3];
    const auto talalat = [&](int huzas) {
        int t = 0;
        for (int kk = 0; kk < 5; ++kk) t += std::ranges::count(szamok, db.Ertek(huzas - 1, 3 + kk));
        return t;
    };
    std::vector<int> elore;
    p.L().KeresGomb(KeresIrany::Elso)->click();
    elore.push_back(p.L().Allapot().KijeloltHuzas);
    while (p.L().KeresGomb(KeresIrany::Kovetkezo)->isEnabled() && elore.size() <= 4000) {
        p.L().KeresGomb(KeresIrany::Kovetkezo)->click();
        elore.push_back(p.L().Allapot().KijeloltHuzas);
    }
    EXPECT_EQ(static_cast<int>(elore.size()), osszes);
    EXPECT_TRUE(std::ranges::is_sorted(elore));
    EXPECT_TRUE(std::ranges::all_of(elore, [&](int h) { return talalat(h) >= 2; }));
    EXPECT_TRUE(std::ranges::find(elore, minta) != elore.end());
    std::vector<int> hatra;
    p.L().KeresGomb(KeresIrany::Utolso)->click();
    hatra.push_back(p.L().Allapot().KijeloltHuzas);
    while (p.L().KeresGomb(KeresIrany::Elozo)->isEnabled() && hatra.size() <= 4000) {
        p.L().KeresGomb(KeresIrany::Elozo)->click();
        hatra.push_back(p.L().Allapot().KijeloltHuzas);
    }
    std::ranges::reverse(hatra);
    EXPECT_EQ(hatra, elore);
}

// Screenshots of the draw windows with the real Ötöslottó history, for a look by eye. Runs
// only with VARION_KEPEK set to a folder (and a real display for the window frames).
TEST(HuzLista, Kepernyokepek) {
    const QString mappa = qEnvironmentVariable("VARION_KEPEK");
    if (mappa.isEmpty()) GTEST_SKIP() << "set VARION_KEPEK to a folder";
    const auto csv = io::FajlBeolvasas(fs::path(VARION_SHARED_DATA) / "otos.csv");
    if (!csv) GTEST_SKIP() << "no draw history in " VARION_SHARED_DATA;
    Program p(std::string(csv->begin(), csv->end()));
    p.u.MindentElfogad();
    p.ablak->resize(1100, 760);
    p.ablak->move(40, 30);
    p.ablak->show();
    const auto kep = [&](const char* nev) {
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents();
            QTest::qWait(50);
        }
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            mappa + QLatin1Char('/') + QLatin1String(nev) + QStringLiteral(".png"));
    };
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.L().Kijeloles(p.ablak->Huzasok().HuzasDb() - 2, 5);
    kep("lista");
    p.L().Gomb("ModositasGomb")->click();
    kep("bevitel");
    p.B().MegsemGomb()->click();
    p.ablak->Akcio(Parancs::Kereses)->trigger();
    for (int n : {7, 21, 33, 48, 62}) p.A().Kereses()->Jeloles(n);
    kep("kereses");
    p.A().KeresesBezaras();
    p.L().PeldabontasAktiv();
    p.L().Start();
    kep("peldabontas");
    auto& d = p.A().HuzSzama();
    const std::pair<TartomanyFajta, const char*> modok[] = {
        {TartomanyFajta::Statisztika, "tartomany-statisztika"},
        {TartomanyFajta::Bontas, "tartomany-bontas"},
        {TartomanyFajta::Kereses, "tartomany-kereses"}};
    for (const auto& [t, nev] : modok) {
        d.Elokeszites(t);
        d.show();
        kep(nev);
        d.hide();
    }
}

} // namespace
} // namespace varion::ui
