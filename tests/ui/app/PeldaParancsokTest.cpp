// The "Példabontás" menu on the operator's real draw history: each command makes its
// breakdown through the normal run flow, the example row is among the stored rows and every
// stored row meets the derived conditions by the plain condition test.
#include <QAction>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <numeric>

#include "app/PeldaFeltetelek.h"
#include "app/UAdatbazisParancsok.h"
#include "app/UBontasParancsok.h"
#include "app/UListaParancsok.h"
#include "app/UNevjegy.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UVarion.h"
#include "breakdown/UBontasAblak.h"
#include "conditions/UFeltetelek.h"
#include "draws/HuzasImport.h"
#include "draws/UHuzLista.h"
#include "files/BontasAtadas.h"
#include "game/Jatek.h"
#include "game/UFoszelveny.h"
#include "game/USzelveny.h"
#include "printing/BontRiport.h"
#include "support/FeltetelOrakulum.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;
using teszt::RogzitoUzenetek;

std::string S(const QString& q) {
    return q.toStdString();
}

// The operator's history of game `jatek` as the program folder's draw file.
bool ValodiHuzasok(const fs::path& programKonyvtar, int jatek) {
    const char* nev = jatek == 5 ? "otos.csv" : jatek == 6 ? "hatos.csv" : "skandi.csv";
    std::ifstream be(fs::path(VARION_SHARED_DATA) / nev, std::ios::binary);
    if (!be) return false;
    const std::string szoveg{std::istreambuf_iterator<char>(be), {}};
    HuzasAdatbazis db(jatek);
    if (!HuzasImport(db, szoveg).has_value()) return false;
    RogzitoUzenetek csendes;
    csendes.MindentElfogad();
    return db.AdatbazisMentese(programKonyvtar / AdatbazisFajl(jatek), SajatVerzio(), csendes);
}

// Random numbers 7, 23, 42, 59, 84 (and 11, 30 for game 7).
struct Program : proba::Program {
    bool van = true;

    explicit Program(int jatek) : proba::Program({6, 22, 41, 58, 83, 10, 29}) {
        proba::ProgramFajlok(mappa.Utvonal);
        van = ValodiHuzasok(mappa.Utvonal, jatek);
        if (!van) return;
        Epites();
        u.MindentElfogad();
        EXPECT_TRUE(ablak->Inditas());
        if (jatek != 5)
            ablak->Akcio(jatek == 6 ? Parancs::Hatoslotto : Parancs::Skandinav)->trigger();
        EXPECT_EQ(ablak->Jatek(), jatek);
        EXPECT_TRUE(ablak->VanAdatbazis());
        u.Torles();
    }
    TSzelveny& Sz() { return ablak->Foszelveny()->Szelveny(); }
    void Katt(int n, Qt::KeyboardModifiers m = {}) {
        QTest::mouseClick(Sz().CellaTer(), Qt::LeftButton, m, Sz().CellaKozep(n));
    }
    TBontasAblak& B() { return ablak->BontasParancsai().BontasAblak(); }
    TFeltetelek& F() { return ablak->BontasParancsai().FeltetelAblak(); }
    // Once the run is over, "Listázás" closes the breakdown window.
    void VegenListazas() {
        auto* t = new QTimer;
        t->setInterval(5);
        QObject::connect(t, &QTimer::timeout, t, [this, t] {
            if (!B().isVisible() || B().Fut()) return;
            t->stop();
            t->deleteLater();
            B().Gomb(BontasMuvelet::Lista)->click();
        });
        t->start();
    }
};

#define VALODI_ADATOK(p)                                                                           \
    if (!(p).van) GTEST_SKIP() << "no draw history in " VARION_SHARED_DATA

// What every example breakdown must show, for the row `sor` taken from draw `huzas`.
void PeldaEllenorzes(Program& p, const Szamsor& sor, int huzas, const std::string& cim) {
    const int jatek = p.ablak->Jatek();
    const int maxSzam = MaxSzamJatek(jatek);
    const auto& b = p.ablak->Bontas();
    const auto& db = p.ablak->Huzasok();
    EXPECT_EQ(S(p.B().windowTitle()), cim);
    Szamsor mind(static_cast<std::size_t>(maxSzam));
    std::iota(mind.begin(), mind.end(), std::uint8_t{1});
    EXPECT_EQ(b.BontasSzamok(), mind) << "every number of the game, ascending";
    ASSERT_GT(b.GetTaroltNyerSzelv(), 0);

    // The conditions the program ran with are the core's for this row and range.
    const Tartomany t = p.ablak->Tartomanyok().Get(TartomanyFajta::Bontas);
    const auto pelda = PeldaFeltetelek(sor, jatek, PeldaTalalatMax(db, t, sor, huzas));
    ASSERT_TRUE(pelda);
    FeltetelAdatok futott = p.ablak->Feltetelek().Adatok;
    FeltetelAdatok varhato = futott;
    PeldaFeltetelekMasolasa(pelda->Adatok, varhato);
    EXPECT_EQ(futott, varhato);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(p.F().Doboz(static_cast<Feltetel>(i))->isChecked(),
                  pelda->Dobozok[static_cast<std::size_t>(i)])
            << "box " << i;

    std::vector<std::uint8_t> peldaPoz;
    for (auto x : sor) peldaPoz.push_back(static_cast<std::uint8_t>(x - 1));
    teszt::Vizsgalo v(pelda->Adatok, mind, jatek, jatek, HuzasNezet(db), t.Utolso);
    bool benne = false;
    int hibas = 0;
    for (std::int32_t r = 0; r < b.GetTaroltNyerSzelv(); ++r) {
        const auto s = b.Sor(r);
        std::vector<std::uint8_t> poz(s.begin(), s.end());
        benne = benne || poz == peldaPoz;
        if (!v(poz, t.Elso - 1)) ++hibas;
    }
    EXPECT_TRUE(benne) << "the example row itself";
    EXPECT_EQ(hibas, 0) << "of " << b.GetTaroltNyerSzelv() << " rows";

    // The list and the reports tell the example by the caption.
    auto& lista = p.ablak->ListaParancsok()->Lista();
    EXPECT_TRUE(lista.isVisible());
    EXPECT_EQ(S(lista.windowTitle()), "  Példabontás listája");
    EXPECT_NE(BontasCimsor(p.ablak->Nyomtatas()->RiportAdatok()).find(" hibapontos példabontása "),
              std::string::npos);
}

TEST(PeldaParancsok, VeletlenSzamokkalOtoslottoMindenSzamra) {
    Program p(5);
    VALODI_ADATOK(p);
    p.Katt(5);
    // Declining the clearing question ends the command with the ticket as it was.
    p.u.Var(UzenetTipus::JovahagyasKeres, "Biztos törli a kijelölt számokat?", false);
    p.ablak->Akcio(Parancs::VeletlenSzamokkal)->trigger();
    EXPECT_TRUE(p.Sz().GetCella(5).Emelt);
    EXPECT_EQ(p.ablak->Bontas().GetBontStatus(), 0);
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());

    p.u.MindentElfogad();
    p.VegenListazas();
    const auto kezd = std::chrono::steady_clock::now();
    p.ablak->Akcio(Parancs::VeletlenSzamokkal)->trigger();
    std::cout << "[ measured ] game 5 random example: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now() - kezd)
                     .count()
              << " ms, " << p.ablak->Bontas().GetTaroltNyerSzelv() << " rows\n";
    // The ticket was cleared first: the random numbers are the row, 5 is a plain mark now.
    Szamsor vel = p.ablak->Foszelveny()->Foszelveny().Szamok().VeletlenSzamok();
    std::sort(vel.begin(), vel.end());
    EXPECT_EQ(vel, (Szamsor{7, 23, 42, 59, 84}));
    EXPECT_EQ(p.ablak->Tartomanyok().Get(TartomanyFajta::Bontas),
              TeljesTartomany(p.ablak->Huzasok().HuzasDb()));
    PeldaEllenorzes(p, {7, 23, 42, 59, 84}, p.ablak->Huzasok().HuzasDb(),
                    "  Példabontás készítése véletlen számok alapján");
}

TEST(PeldaParancsok, LottohuzasokAlapjanSkandinavMasodikHuzas) {
    Program p(7);
    VALODI_ADATOK(p);
    const auto& db = p.ablak->Huzasok();
    const int d = db.HuzasDb() - 10;
    auto& lista = p.ablak->Adatbazis().Lista();
    p.ablak->Akcio(Parancs::LottohuzasokAlapjan)->trigger();
    ASSERT_TRUE(lista.isVisible());
    EXPECT_EQ(lista.Mod(), ListaMod::Peldabontas);
    EXPECT_EQ(S(lista.Gomb("ProbabontasGomb")->text()), "  Példabontás készítése   ");
    lista.Kijeloles(d, 12); // a cell of the week's second draw
    Szamsor sor;
    for (int i = 7; i < 14; ++i) sor.push_back(static_cast<std::uint8_t>(db.Szamok(d - 1)[i]));
    std::sort(sor.begin(), sor.end());

    p.u.MindentElfogad();
    p.VegenListazas();
    QTest::mouseClick(lista.Gomb("ProbabontasGomb"), Qt::LeftButton);
    EXPECT_FALSE(lista.isVisible());
    EXPECT_EQ(p.ablak->Tartomanyok().Get(TartomanyFajta::Bontas), (Tartomany{1, d - 1}));
    for (auto n : sor) EXPECT_TRUE(p.ablak->Foszelveny()->Foszelveny().Allando(n)) << int(n);
    EXPECT_TRUE(p.ablak->Feltetelek().Adatok.TalArBe);
    PeldaEllenorzes(p, sor, d,
                    "  Példabontás készítése a(z) " + std::to_string(d) +
                        ". lottóhúzás számsora alapján");
}

TEST(PeldaParancsok, SajatSzamokkalCsakFixSzamNelkul) {
    Program p(6);
    VALODI_ADATOK(p);
    QAction* sajat = p.ablak->Akcio(Parancs::SajatSzamokkal);
    EXPECT_FALSE(sajat->isEnabled());
    p.Katt(45, Qt::ShiftModifier);
    const Szamsor sor{3, 12, 21, 27, 34, 40};
    for (int n : sor) p.Katt(n, Qt::ControlModifier);
    EXPECT_FALSE(sajat->isEnabled()) << "a fixed number would shorten the rows";
    EXPECT_NE(S(sajat->toolTip()).find("Fix számokkal nem készíthető példabontás"),
              std::string::npos)
        << S(sajat->toolTip());
    p.Katt(45, Qt::ShiftModifier);
    ASSERT_TRUE(sajat->isEnabled());

    p.u.MindentElfogad();
    p.VegenListazas();
    sajat->trigger();
    for (int n : sor) EXPECT_TRUE(p.ablak->Foszelveny()->Foszelveny().Allando(n)) << n;
    EXPECT_TRUE(p.ablak->Foszelveny()->Foszelveny().Jelolt(1)) << "every number marked";
    PeldaEllenorzes(p, sor, p.ablak->Huzasok().HuzasDb(),
                    "  Példabontás készítése saját számok alapján");

    // A plain breakdown afterwards has the plain caption and list again.
    p.u.MindentElfogad();
    p.Katt(1);
    EXPECT_EQ(p.ablak->Bontas().GetBontStatus(), 0);
    EXPECT_TRUE(p.B().windowTitle().isEmpty());
    EXPECT_FALSE(p.ablak->BontasParancsai().PeldaFelirat());
}

TEST(PeldaParancsok, Nevjegy) {
    proba::Program p({1});
    TFoablak& ablak = p.Inditas();
    ablak.Akcio(Parancs::Nevjegy)->trigger();
    TNevjegy& n = *ablak.Nevjegy();
    ASSERT_TRUE(n.isVisible());
    EXPECT_EQ(S(n.windowTitle()), "  Névjegy");
    EXPECT_EQ(S(n.Nev()->text()), "Varion");
    const std::string ev = std::to_string(QDate::currentDate().year());
    EXPECT_EQ(S(n.Szoveg()->text()),
              "Verzió: " + VerzioSzoveg(SajatVerzio()) +
                  "\n\nLottóváltozatok tervezője és készítője\naz Ötöslottóhoz, a Hatoslottóhoz "
                  "és a Skandináv lottóhoz.\n\n© " +
                  ev + " Varion");
    n.RendbenGomb()->click();
    EXPECT_FALSE(n.isVisible());
}

} // namespace
} // namespace varion::ui
