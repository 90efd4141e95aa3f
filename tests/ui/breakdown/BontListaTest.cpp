#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <numeric>

#include "app/UListaParancsok.h"
#include "app/UUzenetek.h"
#include "breakdown/UBontEllSzelveny.h"
#include "breakdown/UBontLista.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion::ui {
namespace {

std::string S(const QString& q) {
    return q.toStdString();
}

using teszt::RogzitoUzenetek;
using U = UzenetTipus;

Szamsor Sorozat(int n, int elso = 1) {
    Szamsor s(static_cast<std::size_t>(n));
    std::iota(s.begin(), s.end(), static_cast<std::uint8_t>(elso));
    return s;
}

// The first `sorok` variations of `szamDb` numbers (from 21) taken 5 at a time, installed as
// a loaded file.
void ElsoSorok(TBontas& b, std::int32_t sorok, int szamDb = 20) {
    BetoltottBontas be;
    be.Jatek = 5;
    be.SorHossz = be.MatrixSzelesseg = 5;
    be.BontasSzamok = Sorozat(szamDb, 21);
    be.BontMutStat.assign(static_cast<std::size_t>(szamDb), 1);
    std::array<std::uint8_t, 5> c{0, 1, 2, 3, 4};
    for (std::int32_t r = 0; r < sorok; ++r) {
        be.Matrix.insert(be.Matrix.end(), c.begin(), c.end());
        int i = 4;
        while (c[static_cast<std::size_t>(i)] == szamDb - 5 + i) --i;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < 5; ++j)
            c[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(c[j - 1U] + 1);
    }
    be.Sorok = sorok;
    ASSERT_TRUE(b.BontasBetoltve(std::move(be)));
}

QString Szoveg(const TBontListaModell& m, std::int64_t r, int c) {
    return m.Szoveg(r, c);
}

// The colour the player sees in a cell of the grid (its corner, clear of the text); invalid
// while the row is off screen.
QColor Festett(const TBontRacs& racs, std::int64_t sor, int oszlop) {
    const QRect r = racs.CellaTeglalap(sor, oszlop);
    if (r.isEmpty()) return {};
    return racs.viewport()->grab().toImage().pixelColor(r.topLeft() + QPoint(1, 1));
}

struct Lista {
    QWidget foablak;
    SzelvSzinTabla szinek;
    TBontLista lista{&foablak};
    void Nyit(const TBontas& b, const ListaTicket& t = {}) {
        lista.BontListaStart(b, t, false, {&szinek, 0});
    }
    // The selected row stands inside the visible part of the table.
    bool Latszik() {
        const QRect r = lista.Tabla()->CellaTeglalap(lista.Kivalasztott(), 0);
        return !r.isEmpty() && lista.Tabla()->viewport()->rect().contains(r);
    }
    QString SegedFelirat() { return lista.Seged()->Szelveny().windowTitle(); }
    QString SegedRiport() { return lista.Seged()->Szelveny().RiportCimke()->text(); }
};

// Every row is a row of the table, however far the player jumps: no text window that can
// start on the header and show variation -1 after a far jump.
TEST(BontLista, OtezerEsOtezeregySorMindenSoraElerhetoAKivalasztottMindigLatszik) {
    for (const std::int32_t n : {5000, 5001}) {
        TBontas b;
        ElsoSorok(b, n);
        Lista l;
        l.Nyit(b);
        auto& m = l.lista.Modell();
        ASSERT_EQ(m.Sorok(), n);
        EXPECT_EQ(m.OszlopDb(), 6);
        EXPECT_EQ(Szoveg(m, 0, 0), QStringLiteral("1."));
        EXPECT_EQ(Szoveg(m, 0, 1), QStringLiteral("21"));
        EXPECT_EQ(Szoveg(m, n - 1, 0), QString::number(n) + QLatin1Char('.'));
        EXPECT_EQ(l.SegedFelirat(), QStringLiteral("  Bontás 1. szelvénye"));
        EXPECT_FALSE(l.lista.LapozoGomb(0)->isEnabled());
        EXPECT_TRUE(l.lista.LapozoGomb(3)->isEnabled());

        QTest::mouseClick(l.lista.LapozoGomb(3), Qt::LeftButton); // last
        EXPECT_EQ(l.lista.Kivalasztott(), n - 1);
        EXPECT_TRUE(l.Latszik());
        EXPECT_EQ(l.SegedFelirat(), QStringLiteral("  Bontás %1. szelvénye").arg(n));
        EXPECT_FALSE(l.lista.LapozoGomb(2)->isEnabled());
        QTest::mouseClick(l.lista.LapozoGomb(1), Qt::LeftButton); // page up
        EXPECT_LT(l.lista.Kivalasztott(), n - 1);
        EXPECT_GT(l.lista.Kivalasztott(), n - 20);
        EXPECT_TRUE(l.Latszik());
        QTest::mouseClick(l.lista.LapozoGomb(0), Qt::LeftButton); // first
        EXPECT_EQ(l.lista.Kivalasztott(), 0);
        EXPECT_TRUE(l.Latszik());
        EXPECT_EQ(Festett(*l.lista.Tabla(), 0, 1), QColor(0, 128, 192));
        EXPECT_EQ(Festett(*l.lista.Tabla(), 1, 1), QColor(255, 210, 170));
    }
    // a list that fits needs no paging
    TBontas kicsi;
    RogzitoUzenetek u;
    ASSERT_TRUE(teszt::Bontas(kicsi, u, 5, Sorozat(6)));
    Lista l;
    l.Nyit(kicsi);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(l.lista.LapozoGomb(i)->isEnabled());
}

// The grid as the player drives it: keys move the selection (and the auxiliary ticket with
// it), the wheel and the scroll bar move only the view, a click selects the row under it.
TEST(BontLista, BillentyukEgerGorgoEsGorgetosav) {
    TBontas b;
    ElsoSorok(b, 5001);
    Lista l;
    l.Nyit(b);
    TBontRacs& racs = *l.lista.Tabla();
    const int V = racs.LathatoSorok();
    EXPECT_EQ(V, 15);
    const auto kivalasztva = [&](std::int64_t sor) {
        EXPECT_EQ(l.lista.Kivalasztott(), sor);
        EXPECT_TRUE(l.Latszik());
        EXPECT_EQ(Festett(racs, sor, 2), QColor(0, 128, 192));
        EXPECT_EQ(l.SegedFelirat(), QStringLiteral("  Bontás %1. szelvénye").arg(sor + 1));
    };
    QTest::keyClick(&racs, Qt::Key_Down);
    kivalasztva(1);
    QTest::keyClick(&racs, Qt::Key_PageDown);
    kivalasztva(1 + V);
    EXPECT_EQ(racs.ElsoSor(), 2); // just far enough to show it at the bottom
    QTest::keyClick(&racs, Qt::Key_End, Qt::ControlModifier);
    kivalasztva(5000);
    EXPECT_EQ(racs.verticalScrollBar()->value(), racs.verticalScrollBar()->maximum());
    EXPECT_EQ(S(Szoveg(l.lista.Modell(), 5000, 0)), "5001.");
    QTest::keyClick(&racs, Qt::Key_Down); // nothing below the last row
    kivalasztva(5000);
    QTest::keyClick(&racs, Qt::Key_PageUp);
    kivalasztva(5000 - V);
    QTest::keyClick(&racs, Qt::Key_Home);
    kivalasztva(0);
    QTest::keyClick(&racs, Qt::Key_Up);
    kivalasztva(0);
    QTest::keyClick(&racs, Qt::Key_End);
    kivalasztva(5000);
    QTest::keyClick(&racs, Qt::Key_Home, Qt::ControlModifier);
    kivalasztva(0);

    // a notch of the wheel down: three rows further, the selection stays
    QWheelEvent gorgo(QPointF(50, 100), racs.viewport()->mapToGlobal(QPointF(50, 100)), {},
                      QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(racs.viewport(), &gorgo);
    EXPECT_EQ(racs.ElsoSor(), 3);
    EXPECT_EQ(l.lista.Kivalasztott(), 0);
    EXPECT_FALSE(Festett(racs, 0, 1).isValid()); // scrolled out of view
    EXPECT_EQ(Festett(racs, 3, 0), QColor(255, 251, 240));

    // the bar dragged to its end shows the last rows; a click on one selects it
    racs.verticalScrollBar()->setValue(racs.verticalScrollBar()->maximum());
    EXPECT_EQ(racs.ElsoSor(), 5001 - V);
    EXPECT_TRUE(racs.CellaTeglalap(5000, 0).isValid());
    EXPECT_EQ(l.lista.Kivalasztott(), 0);
    QTest::mouseClick(racs.viewport(), Qt::LeftButton, {},
                      racs.CellaTeglalap(5001 - V + 2, 3).center());
    kivalasztva(5001 - V + 2);
    EXPECT_EQ(racs.ElsoSor(), 5001 - V);
    // the header is no row
    QTest::mouseClick(racs.viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(l.lista.Kivalasztott(), 5001 - V + 2);
    EXPECT_TRUE(l.lista.LapozoGomb(0)->isEnabled());
    EXPECT_TRUE(l.lista.LapozoGomb(3)->isEnabled());
}

TEST(BontLista, FixSzamokAMasodikSzinbenASegedszelvenyenIs) {
    TBontas b;
    RogzitoUzenetek u;
    const Szamsor jelolt{4, 17, 33, 50, 61, 72};
    ASSERT_TRUE(teszt::Bontas(b, u, 5, jelolt, nullptr, {88, 9}));
    Lista l;
    l.Nyit(b, {{88, 9}, {17}, {50}});
    auto& m = l.lista.Modell();
    ASSERT_EQ(m.OszlopDb(), 6); // row number, K = 3, F = 2
    EXPECT_EQ(S(m.Fejlec(0)), "Számsor");
    EXPECT_EQ(S(m.Fejlec(4)), "4.");
    const TBontRacs& racs = *l.lista.Tabla();
    for (int r : {1, 7}) {
        EXPECT_EQ(S(Szoveg(m, r, 4)), "88");
        EXPECT_EQ(S(Szoveg(m, r, 5)), "9");
        EXPECT_EQ(Festett(racs, r, 4), QColor(230, 220, 180));
        EXPECT_EQ(Festett(racs, r, 3), QColor(255, 210, 170));
        EXPECT_EQ(Festett(racs, r, 0), QColor(255, 251, 240));
    }
    // the selected row: number columns, the fixed ones too, in the selection colour
    EXPECT_EQ(Festett(racs, 0, 5), QColor(0, 128, 192));
    EXPECT_EQ(Festett(racs, 0, 0), QColor(255, 251, 240));
    EXPECT_EQ(S(Szoveg(m, 0, 1) + Szoveg(m, 0, 2) + Szoveg(m, 0, 3)), "41733");
    // the first row holds 4, 17 (constant) and 33; the fixed numbers are marked too
    auto& sz = l.lista.Seged()->Szelveny();
    EXPECT_EQ(sz.GetCella(17).SzovegSzin, SzelvBejegyzes::AllandoSzam);
    EXPECT_EQ(sz.GetCella(4).SzovegSzin, SzelvBejegyzes::KijeloltSzam);
    EXPECT_EQ(sz.GetCella(88).SzovegSzin, SzelvBejegyzes::FixSzam);
    EXPECT_TRUE(sz.GetCella(9).Emelt);
    EXPECT_FALSE(sz.GetCella(50).Emelt);
    l.lista.Kivalaszt(19); // 50, 61, 72 (random 50)
    EXPECT_EQ(sz.GetCella(50).SzovegSzin, SzelvBejegyzes::VeletlenSzam);
    EXPECT_FALSE(sz.GetCella(4).Emelt);
    EXPECT_TRUE(l.SegedRiport().endsWith(QStringLiteral(" Számsor összege: 183")));

    QTest::mouseClick(l.lista.SegedGomb(), Qt::LeftButton);
    EXPECT_FALSE(sz.isVisible());
    EXPECT_EQ(S(l.lista.SegedGomb()->statusTip()), " Segédszelvény megjelenítése. ");
}

TEST(BontLista, AzEloszlasCsakFeltetelNelkuliTeljesBontasbanKeszulEgyszer) {
    const Szamsor jelolt{3, 9, 14, 22, 27, 35, 41, 48, 56};
    RogzitoUzenetek u;
    u.MindentElfogad();
    TBontas teljes;
    ASSERT_TRUE(teszt::Bontas(teljes, u, 5, jelolt, nullptr, {80}));
    Lista l;
    l.Nyit(teljes, {{80}, {}, {}});
    const QString vart = QStringLiteral(" Telitalálat esetén \n  -5 találat:       1\n"
                                        "  -4 találat:      20\n  -3 találat:      60\n"
                                        "  -2 találat:      40\n Számsor összege:  48");
    EXPECT_EQ(l.SegedRiport(), vart);
    for (int r : {5, 60, 125}) l.lista.Kivalaszt(r);
    EXPECT_EQ(l.lista.Seged()->Szamitasok(), 1);
    EXPECT_TRUE(l.lista.Seged()->EloszlasKesz());
    EXPECT_TRUE(l.SegedRiport().startsWith(vart.left(vart.indexOf(QStringLiteral(" Számsor")))));

    // With a sum condition each row has its own distribution: the cached one of the first
    // row (kept "without error points and hit ratio") would be wrong for the others.
    FeltetelAdatok fa;
    fa.EsemOsszegBe = 1;
    fa.EsemOsszFix = 100;
    fa.EsemOsszMax = 160;
    const FeltetelKeszlet f = teszt::Keszlet(fa, jelolt, 5);
    TBontas feltetelles;
    ASSERT_TRUE(teszt::Bontas(feltetelles, u, 5, jelolt, &f, {80}));
    Lista k;
    k.Nyit(feltetelles, {{80}, {}, {}});
    const QString elso = k.SegedRiport();
    QStringList latott{elso};
    for (int r = 1; r < k.lista.Modell().Sorok(); ++r) {
        k.lista.Kivalaszt(r);
        latott << k.SegedRiport().left(k.SegedRiport().indexOf(QStringLiteral(" Számsor")));
    }
    EXPECT_FALSE(k.lista.Seged()->EloszlasKesz());
    EXPECT_EQ(k.lista.Seged()->Szamitasok(), k.lista.Modell().Sorok());
    latott.removeDuplicates();
    EXPECT_GT(latott.size(), 2);
}

TEST(BontLista, HuzasModbanAHuzasAzonositojaEsSzamai) {
    TBontas b;
    BetoltottBontas be;
    be.Jatek = 5;
    be.SorHossz = 5;
    be.MatrixSzelesseg = 5;
    be.HuzasMod = true;
    be.BontasSzamok = Sorozat(10);
    be.BontMutStat.assign(10, 0);
    be.Matrix = {3, 18, 40, 61, 89, 7, 8, 22, 54, 90};
    be.Sorok = 2;
    be.TaroltHuzasok = {1412, 2871, -1};
    ASSERT_TRUE(b.BontasBetoltve(std::move(be)));
    Lista l;
    l.Nyit(b, {{77}, {}, {}}); // a fixed number has no column in this mode
    auto& m = l.lista.Modell();
    EXPECT_EQ(m.ListaMod(), 2);
    ASSERT_EQ(m.OszlopDb(), 7);
    EXPECT_EQ(S(m.Fejlec(1)), "Húzás");
    EXPECT_EQ(S(m.Fejlec(2)), "1.");
    EXPECT_EQ(S(Szoveg(m, 1, 1)), "2871.");
    EXPECT_EQ(S(Szoveg(m, 1, 6)), "90");
    EXPECT_EQ(Festett(*l.lista.Tabla(), 1, 1), QColor(255, 255, 225));
    EXPECT_EQ(Festett(*l.lista.Tabla(), 1, 3), QColor(255, 210, 170));
    EXPECT_EQ(l.lista.Tabla()->CellaTeglalap(1, 1).width(), 59); // 60 with the grid line
    EXPECT_TRUE(l.lista.Seged()->Szelveny().GetCella(61).Emelt);
    EXPECT_FALSE(l.lista.Seged()->Szelveny().GetCella(77).Emelt);
}

struct Ellenorzes {
    QWidget foablak;
    SzelvSzinTabla szinek;
    RogzitoUzenetek u;
    TBontas b;
    std::unique_ptr<TBontEllSzelveny> e;
    void Nyit(const Szamsor& fix = {}) {
        EllenorzesTicket t{b.BontasSzamok(), fix, {}, {}, b.BontMutStat()};
        e = std::make_unique<TBontEllSzelveny>(&foablak, BontasAdatai(b, fix), t, u, false,
                                               SzelvenySzinek{&szinek, 0});
    }
    void Katt(int n, Qt::KeyboardModifiers m = {}) {
        auto& sz = e->Szelveny();
        QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, m, sz.CellaKozep(n));
    }
    QString Riport() { return e->Szelveny().RiportCimke()->text(); }
};

TEST(BontEllSzelveny, HatoslottoPluszSzammalElsoSzamitasAHarmadikSzamnal) {
    Ellenorzes t;
    ASSERT_TRUE(teszt::Bontas(t.b, t.u, 6, Sorozat(10)));
    t.Nyit();
    EXPECT_EQ(S(t.e->Szelveny().windowTitle()), "  Bontás ellenőrzés");
    EXPECT_EQ(S(t.e->Szelveny().GetCella(30).Szoveg), "-");
    t.Katt(30);
    EXPECT_TRUE(t.e->EllSzamok().empty());
    t.Katt(1);
    t.Katt(2);
    EXPECT_EQ(S(t.Riport()), " Kijelölve: 2 szám\n");
    EXPECT_FALSE(t.e->Szelveny().TorlesGomb()->isEnabled());
    t.Katt(3); // G - 3: the first count
    EXPECT_EQ(S(t.Riport()), " Kijelölve: 3 szám\n  » 3  találat:    35\n Számsor összege:   6");
    t.Katt(6, Qt::ShiftModifier); // the plus number
    EXPECT_EQ(t.e->PluszSzam(), 6);
    EXPECT_FALSE(t.e->Szelveny().GetCella(6).Emelt);
    EXPECT_TRUE(t.e->Szelveny().GetCella(6).Sugo.startsWith(
        QStringLiteral(" Plusz számként kijelölve. \n")));
    t.Katt(30); // not in the breakdown: not clickable
    for (int n : {4, 5, 7}) t.Katt(n);
    // rows of six out of 1..10; 6 is the plus number: five of the drawn with 6 are "5+1" only
    EXPECT_EQ(S(t.Riport()), " Kijelölve: 6 szám\n  » 6  találat:     1\n  »5+1 találat:     6\n"
                             "  » 5  találat:    18\n  » 4  találat:    90\n  » 3  találat:    80\n"
                             " Számsor összege:  22");
    EXPECT_EQ(t.e->Osztalyok().Plusz, 6);
    // all six chosen: one more changes nothing
    t.Katt(9);
    EXPECT_EQ(t.e->EllSzamok(), (Szamsor{1, 2, 3, 4, 5, 7}));
    t.Katt(6, Qt::ShiftModifier);
    EXPECT_EQ(t.e->PluszSzam(), 0);
    EXPECT_TRUE(t.e->Szelveny().GetCella(6).Emelt);
    // a plus number was chosen in this opening: no hint any more
    t.Katt(9);
    // a new opening with a full ticket and no plus number gives the hint once
    QTest::mouseClick(t.e->Szelveny().TorlesGomb(), Qt::LeftButton);
    EXPECT_EQ(S(t.Riport()), " Kijelölve: 0 szám\n");
    for (int n : {1, 2, 3, 4, 5, 7}) t.Katt(n);
    t.u.Var(U::PluszSzamInfo, std::string(PluszSzamInfoSzoveg));
    t.Katt(9);
    t.Katt(10);
    EXPECT_TRUE(t.u.ElfogyottAForgatokonyv());
    EXPECT_EQ(t.u.Lathato().size(), 1U);
    EXPECT_EQ(t.e->EllSzamok().size(), 6U);
    // unselecting down to G - 4 still counts (and hides the classes)
    t.Katt(7);
    t.Katt(5);
    t.Katt(4);
    EXPECT_EQ(S(t.Riport()), " Kijelölve: 3 szám\n  » 3  találat:    35\n Számsor összege:   6");
    t.Katt(3);
    EXPECT_EQ(S(t.Riport()), " Kijelölve: 2 szám\n Számsor összege:   3");
}

// Counting over more than 100,000 variations shows the waiting toast meanwhile; no toast
// for 100,000, nor while too few numbers are chosen to count at all.
TEST(BontEllSzelveny, SokSorSzamlalasaAlattVarakozoUzenet) {
    for (const std::int32_t n : {100000, 100001}) {
        Ellenorzes t;
        ElsoSorok(t.b, n, 30);
        t.Nyit();
        std::vector<std::string> latott;
        t.e->ToastKi = [&](const QString& s) { latott.push_back(S(s)); };
        t.e->ToastVege = [&] { latott.emplace_back("--"); };
        t.Katt(21);
        EXPECT_TRUE(latott.empty());
        t.Katt(22); // game - 3 numbers: the first count
        EXPECT_GT(t.e->Osztalyok().Osztalyban(2, 5), 0);
        if (n == 100000)
            EXPECT_TRUE(latott.empty());
        else
            EXPECT_EQ(latott, (std::vector<std::string>{"Találati arányok beállítása.", "--"}));
        latott.clear();
        t.Katt(22); // one number left: nothing is counted
        EXPECT_TRUE(latott.empty());
    }
}

TEST(BontEllSzelveny, KivalasztottFixSzamMindenVariacionakTalalat) {
    Ellenorzes t;
    ASSERT_TRUE(teszt::Bontas(t.b, t.u, 5, Sorozat(8), nullptr, {70}));
    t.Nyit({70});
    EXPECT_EQ(t.e->Szelveny().GetCella(70).SzovegSzin, SzelvBejegyzes::FixSzam);
    EXPECT_EQ(S(t.e->Szelveny().GetCella(70).Sugo),
              " Bontásra kijelölt fix szám. \n 9. szám a számsoron belül. ");
    for (int n : {1, 2, 70}) t.Katt(n);
    // every row of 4 out of 1..8 with 70: 1 and 2 in C(6,2) rows reach 3
    EXPECT_EQ(t.e->Osztalyok().Osztalyban(3, 5), 15);
    EXPECT_EQ(t.e->Osztalyok().Osztalyban(2, 5), 40);
}

// Under a real display the windows stay up for a while (VARION_BEMUTATO milliseconds) to be
// looked at.
void Bemutato(TBontLista& lista, TBontEllSzelveny& e) {
    const int ms = qEnvironmentVariableIntValue("VARION_BEMUTATO");
    if (ms <= 0) return;
    lista.move(40, 60);
    lista.Seged()->Szelveny().move(lista.frameGeometry().topRight() + QPoint(10, 0));
    e.Szelveny().move(lista.frameGeometry().bottomLeft() + QPoint(0, 20));
    e.Szelveny().show();
    QTest::qWait(ms);
}

// The main window's commands: the check finds hits, opens the list with its search panel,
// and the panel steps through the hits both ways.
TEST(ListaParancsok, EllenorzesKeresoPanelLepkedesMindketIranyban) {
    RogzitoUzenetek u;
    u.MindentElfogad();
    QWidget fo;
    // The wiring needs the whole main window; here its pieces are driven directly.
    TBontas b;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, Sorozat(12)));
    SzelvSzinTabla szinek;
    TBontLista lista(&fo);
    lista.BontListaStart(b, {}, false, {&szinek, 0});
    TBontEllSzelveny e(&fo, BontasAdatai(b, {}), {b.BontasSzamok(), {}, {}, {}, b.BontMutStat()}, u,
                       false, {&szinek, 0});
    e.VanTalalat = [&](const TalalatSzamlalo& sz, const TalalatOsztalyok& o) {
        lista.KeresPanelBe(TalalatKereses(sz, o));
    };
    e.NincsTalalat = [&] { lista.KeresPanelKi(); };
    e.SzamKlikk(1, false);
    EXPECT_FALSE(lista.KeresPanelLathato());
    e.SzamKlikk(2, false); // game - 3 numbers: rows holding both have two hits
    ASSERT_TRUE(lista.KeresPanelLathato());
    EXPECT_EQ(lista.KeresBox()->count(), 1);
    EXPECT_EQ(S(lista.KeresCimke()->text()), "Keresett számsor");
    for (int n : {3, 4, 50}) e.SzamKlikk(n, false);
    std::vector<std::string> elemek;
    for (int i = 0; i < lista.KeresBox()->count(); ++i)
        elemek.push_back(S(lista.KeresBox()->itemText(i)));
    EXPECT_EQ(elemek, (std::vector<std::string>{"Minden találat", "    4   találat",
                                                "    3   találat", "    2   találat"}));

    lista.KeresBoxSelect(1); // four hits: rows holding 1, 2, 3, 4
    std::vector<std::int32_t> vart;
    for (std::int32_t r = 0; r < b.GetTaroltNyerSzelv(); ++r)
        if (e.Szamlalo().SorTalalat(r) == 4) vart.push_back(r);
    ASSERT_EQ(vart.size(), 8U);
    std::vector<std::int32_t> elore{lista.Kivalasztott()};
    while (lista.KeresGombja(KeresGomb::Tovabb)->isEnabled()) {
        QTest::mouseClick(lista.KeresGombja(KeresGomb::Tovabb), Qt::LeftButton);
        elore.push_back(lista.Kivalasztott());
    }
    EXPECT_EQ(elore, vart);
    Bemutato(lista, e);
    EXPECT_EQ(S(lista.KeresGombja(KeresGomb::Utolso)->statusTip()),
              " Az utolsó 4 találatos számsor van kiválasztva. ");
    EXPECT_EQ(S(lista.KeresCimke()->text()), "Keresett számsor: 4 találat");
    EXPECT_EQ(lista.KeresCimke()->palette().color(QPalette::Window), QColor(0, 128, 128));
    std::vector<std::int32_t> hatra{lista.Kivalasztott()};
    while (lista.KeresGombja(KeresGomb::Vissza)->isEnabled()) {
        QTest::mouseClick(lista.KeresGombja(KeresGomb::Vissza), Qt::LeftButton);
        hatra.insert(hatra.begin(), lista.Kivalasztott());
    }
    EXPECT_EQ(hatra, vart);
    EXPECT_EQ(S(lista.KeresGombja(KeresGomb::Tovabb)->statusTip()),
              " Ugrás a következő 4 találatos számsorra. ");
    // a row picked by hand is not the one found: the label loses its colour
    lista.Kivalaszt(vart[0] + 1);
    EXPECT_NE(lista.KeresCimke()->palette().color(QPalette::Window), QColor(0, 128, 128));

    for (int n : {50, 4, 3}) e.SzamKlikk(n, false);
    EXPECT_TRUE(lista.KeresPanelLathato());
    e.SzamKlikk(2, false); // below game - 3 the panel goes
    EXPECT_FALSE(lista.KeresPanelLathato());
}

} // namespace
} // namespace varion::ui
