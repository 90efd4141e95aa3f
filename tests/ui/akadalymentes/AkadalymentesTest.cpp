#include <QAccessible>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <numeric>

#include "akadalymentes/Nevadas.h"
#include "akadalymentes/RacsAkadalymentes.h"
#include "akadalymentes/SzelvenyAkadalymentes.h"
#include "breakdown/UBontLista.h"
#include "breakdown/UBontas.h"
#include "game/USzelveny.h"

namespace varion::ui {
namespace {

struct Szelveny {
    SzelvSzinTabla szinek;
    TSzelveny sz{nullptr, 5,     SzelvFajta::Foszelveny,         false,
                 false,   false, QStringLiteral("  Főszelvény"), szinek,
                 0};
    QSignalSpy katt{&sz, &TSzelveny::CellaKattintas};
    std::vector<int> fajtak; // the mark kind each click carried
    Szelveny() {
        QObject::connect(&sz, &TSzelveny::CellaKattintas, &sz,
                         [this] { fajtak.push_back(sz.JelolesFajta()); });
        sz.show();
    }
    QAccessibleInterface* Racs() { return QAccessible::queryAccessibleInterface(sz.CellaTer()); }
    QAccessibleInterface* Cella(int n) { return Racs()->child(n - 1); }
    void Emel(int n, bool emelt = true) {
        CellaKep k = sz.GetCella(n);
        k.Emelt = emelt;
        sz.SetCella(n, k);
    }
    std::vector<int> Kattintott() {
        std::vector<int> out;
        for (const auto& a : katt) out.push_back(a.at(0).toInt());
        katt.clear();
        return out;
    }
};

// A ticket is a group of check boxes named by their numbers, each where its box is drawn,
// checked while its box is raised.
TEST(SzelvenyAkadalymentes, SzamokNevvelHelyyelEsAllapottal) {
    Szelveny t;
    QAccessibleInterface* racs = t.Racs();
    ASSERT_NE(racs, nullptr);
    EXPECT_EQ(racs->role(), QAccessible::Grouping);
    EXPECT_EQ(racs->text(QAccessible::Name), QStringLiteral("Főszelvény"));
    EXPECT_EQ(racs->parent()->role(), QAccessible::Window) << "a ticket is a window, not a panel";
    ASSERT_EQ(racs->childCount(), 90);
    QAccessibleInterface* het = t.Cella(7);
    EXPECT_EQ(het->text(QAccessible::Name), QStringLiteral("7"));
    EXPECT_EQ(het->role(), QAccessible::CheckBox);
    EXPECT_EQ(het->parent(), racs);
    EXPECT_EQ(racs->indexOfChild(het), 6);
    EXPECT_EQ(t.Cella(7), het) << "the same object every time";
    EXPECT_TRUE(het->state().checkable);
    EXPECT_FALSE(het->state().checked);

    const QPoint kozep = t.sz.CellaTer()->mapToGlobal(t.sz.CellaKozep(7));
    EXPECT_TRUE(het->rect().contains(kozep));
    EXPECT_EQ(het->rect().size(), QSize(CellaHelye(t.sz.Meretek(), 7).Szelesseg,
                                        CellaHelye(t.sz.Meretek(), 7).Magassag));
    EXPECT_EQ(racs->childAt(kozep.x(), kozep.y()), het);

    t.Emel(7);
    EXPECT_TRUE(het->state().checked);
    EXPECT_FALSE(t.Cella(8)->state().checked);
    t.sz.Alaphelyzet();
    EXPECT_FALSE(het->state().checked);
}

// The press action does what a left click does and nothing while the ticket is locked; a
// number that takes no mark on this ticket offers no action.
TEST(SzelvenyAkadalymentes, MuveletKattint) {
    Szelveny t;
    QAccessibleActionInterface* a = t.Cella(42)->actionInterface();
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->doAction(QAccessibleActionInterface::pressAction());
    QTest::mouseClick(t.sz.CellaTer(), Qt::LeftButton, {}, t.sz.CellaKozep(43));
    EXPECT_EQ(t.Kattintott(), (std::vector<int>{42, 43}));

    t.sz.Letilt();
    a->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(t.Kattintott().empty());
    EXPECT_TRUE(t.Cella(42)->state().disabled);
    t.sz.Engedelyez();

    // The check ticket: the player lowers the boxes he picks; "-" numbers are not his to pick.
    t.sz.JelolesEmelt = false;
    CellaKep k = t.sz.GetCella(5);
    k.Emelt = false;
    k.Valaszthato = false;
    k.Szoveg = QStringLiteral("-");
    t.sz.SetCella(5, k);
    t.Emel(6);
    EXPECT_FALSE(t.Cella(5)->state().checked);
    EXPECT_FALSE(t.Cella(5)->state().checkable);
    EXPECT_TRUE(t.Cella(5)->actionInterface()->actionNames().isEmpty());
    EXPECT_FALSE(t.Cella(6)->state().checked);
    EXPECT_TRUE(t.Cella(7)->state().checked);
}

// Typed digits and Enter or Space mark a number; the held key decides the kind like a click.
// A digit that would run past the ticket's end starts a new number; any other key, leaving
// the ticket or a pause forgets the digits.
TEST(SzelvenyAkadalymentes, GepeltSzamok) {
    Szelveny t;
    TCellaTer* ter = t.sz.CellaTer();
    ter->setFocus();
    QTest::keyClicks(ter, QStringLiteral("42"));
    QTest::keyClick(ter, Qt::Key_Return);
    QTest::keyClicks(ter, QStringLiteral("95")); // 95 > 90: the 5 starts over
    QTest::keyClick(ter, Qt::Key_Space);
    QTest::keyClicks(ter, QStringLiteral("07"));
    QTest::keyClick(ter, Qt::Key_Enter);
    EXPECT_EQ(t.Kattintott(), (std::vector<int>{42, 5, 7}));

    QTest::keyClicks(ter, QStringLiteral("1x"));
    QTest::keyClick(ter, Qt::Key_Return);
    QTest::keyClicks(ter, QStringLiteral("0"));
    QTest::keyClick(ter, Qt::Key_Return);
    QTest::keyClick(ter, Qt::Key_Return); // nothing typed
    EXPECT_TRUE(t.Kattintott().empty());

    QTest::keyClicks(ter, QStringLiteral("3"));
    QTest::qWait(TCellaTer::GepelesIdo + 200);
    EXPECT_TRUE(ter->Gepelt().isEmpty());
    QTest::keyClicks(ter, QStringLiteral("9"));
    QTest::keyClick(ter, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(t.Kattintott(), (std::vector<int>{9}));
    EXPECT_EQ(t.fajtak.back(), 50) << "Shift+Enter marks a fixed number";
    EXPECT_EQ(t.fajtak.front(), 0);
}

// The painted breakdown list reads as a table of the rows on screen: the first cell names
// the row's number, the selected row is reported while it is on screen, and selecting a
// table row selects that variation.
TEST(BontRacsAkadalymentes, LathatoSorokEsKijeloles) {
    TBontas b;
    BetoltottBontas be;
    be.Jatek = 5;
    be.SorHossz = be.MatrixSzelesseg = 5;
    be.BontasSzamok = {11, 12, 13, 14, 15, 16, 17};
    be.BontMutStat.assign(7, 1);
    std::array<std::uint8_t, 5> c{0, 1, 2, 3, 4};
    for (int r = 0; r < 21; ++r) { // every choice of 5 out of 7
        be.Matrix.insert(be.Matrix.end(), c.begin(), c.end());
        if (r == 20) break;
        int i = 4;
        while (c[static_cast<std::size_t>(i)] == 2 + i) --i;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < 5; ++j)
            c[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(c[j - 1U] + 1);
    }
    be.Sorok = 21;
    ASSERT_TRUE(b.BontasBetoltve(std::move(be)));
    QWidget foablak;
    SzelvSzinTabla szinek;
    TBontLista lista{&foablak};
    lista.BontListaStart(b, {}, false, {&szinek, 0});
    TBontRacs& racs = *lista.Tabla();
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&racs);
    ASSERT_NE(i, nullptr);
    QAccessibleTableInterface* t = i->tableInterface();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(i->role(), QAccessible::Table);
    EXPECT_EQ(t->rowCount(), racs.LathatoSorok());
    EXPECT_LT(t->rowCount(), 21);
    EXPECT_EQ(t->columnCount(), 6);
    EXPECT_EQ(t->columnDescription(0), QStringLiteral("Számsor"));
    EXPECT_EQ(t->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("1."));
    EXPECT_EQ(t->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("11"));
    EXPECT_EQ(t->selectedRows(), QList<int>{0});

    QTest::keyClick(&racs, Qt::Key_End);
    const int utolso = t->rowCount() - 1;
    EXPECT_EQ(t->cellAt(utolso, 0)->text(QAccessible::Name), QStringLiteral("21."));
    EXPECT_EQ(t->cellAt(utolso, 5)->text(QAccessible::Name), QStringLiteral("17"));
    EXPECT_EQ(t->selectedRows(), QList<int>{utolso});
    EXPECT_TRUE(t->cellAt(utolso, 2)->tableCellInterface()->isSelected());
    const QRect hely = t->cellAt(utolso, 0)->rect();
    EXPECT_EQ(racs.viewport()->mapFromGlobal(hely.topLeft()), racs.CellaTeglalap(20, 0).topLeft());

    EXPECT_TRUE(t->selectRow(0));
    EXPECT_EQ(lista.Kivalasztott(), 21 - t->rowCount());
}

// An icon-only button or one captioned with glyphs is named by its hint and follows it; a
// button with a caption and an edit with a label keep their own names; an edit without one
// takes the label beside it.
TEST(Nevadas, IkonGombATippjetKapja) {
    AkadalymentesTelepites();
    QWidget w;
    auto* ikon = new QToolButton(&w);
    ikon->setToolTip(QStringLiteral(" Ugrás az első húzásra. "));
    auto* szoveges = new QToolButton(&w);
    szoveges->setText(QStringLiteral("Start"));
    szoveges->setToolTip(QStringLiteral(" Bontás készítése. "));
    auto* jel = new QPushButton(QString::fromUtf8("▶|"), &w);
    jel->setToolTip(QStringLiteral(" Ugrás az utolsó húzásra. "));
    auto* cimke = new QLabel(QStringLiteral("Hibapont:"), &w);
    auto* szerkeszto = new QLineEdit(&w);
    cimke->setBuddy(szerkeszto);
    szerkeszto->setToolTip(QStringLiteral("Nem ez"));
    auto* nevtelen = new QLineEdit(&w);
    nevtelen->setStatusTip(QStringLiteral(" Első húzás száma. \r Második sor. "));
    auto* racs = new QGridLayout(&w);
    racs->addWidget(new QLabel(QStringLiteral("Év"), &w), 0, 0);
    auto* ev = new QSpinBox(&w);
    ev->setToolTip(QStringLiteral("Nem ez sem"));
    racs->addWidget(ev, 0, 1);
    w.show();
    EXPECT_EQ(ev->accessibleName(), QStringLiteral("Év")) << "the label beside it";
    EXPECT_EQ(ikon->accessibleName(), QStringLiteral("Ugrás az első húzásra."));
    EXPECT_TRUE(szoveges->accessibleName().isEmpty());
    EXPECT_EQ(jel->accessibleName(), QStringLiteral("Ugrás az utolsó húzásra.")) << "glyphs alone";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(szoveges)->text(QAccessible::Name),
              QStringLiteral("Start"));
    EXPECT_TRUE(szerkeszto->accessibleName().isEmpty());
    EXPECT_EQ(nevtelen->accessibleName(), QStringLiteral("Első húzás száma."));
    ikon->setToolTip(QStringLiteral(" Nincs kijelölt számsor. "));
    EXPECT_EQ(ikon->accessibleName(), QStringLiteral("Nincs kijelölt számsor."));
}

} // namespace
} // namespace varion::ui
