#include <QAction>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/UBontasParancsok.h"
#include "app/UListaParancsok.h"
#include "app/UVarion.h"
#include "game/UFoszelveny.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

std::string S(const QString& q) {
    return q.toStdString();
}

namespace fs = std::filesystem;

// "Listázás" and "Ellenőrzés" of the main window open the list and the check of the
// engine's breakdown, the fixed numbers of the main ticket appended.
TEST(ListaParancsok, AFoablakParancsaiAKeszBontastNyitjakMeg) {
    proba::Program p;
    TFoablak& ablak = p.Inditas();
    auto& u = p.u;
    auto& sz = ablak.Foszelveny()->Szelveny();
    QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, Qt::ShiftModifier, sz.CellaKozep(90));
    for (int n : {5, 12, 19, 33, 47, 60})
        QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, {}, sz.CellaKozep(n));
    TListaParancsok& lp = *ablak.ListaParancsok();

    ablak.Akcio(Parancs::BontListazas)->trigger(); // no breakdown yet: nothing opens
    EXPECT_FALSE(lp.Lista().isVisible());

    const auto& szamok = ablak.Foszelveny()->Foszelveny().Szamok();
    ASSERT_TRUE(
        teszt::Bontas(ablak.Bontas(), u, 5, szamok.JeloltSzamok(), nullptr, szamok.FixSzamok()));
    ablak.BontasParancsai().VanNincsBontas(true); // what the end of a run does
    ablak.ParancsokSzinkron();
    ASSERT_TRUE(ablak.Allapot().Hasznalhato(Parancs::BontListazas));
    ablak.Akcio(Parancs::BontListazas)->trigger();
    ASSERT_TRUE(lp.Lista().isVisible());
    EXPECT_EQ(S(lp.Lista().windowTitle()), "  Bontás listája");
    EXPECT_EQ(lp.Lista().Modell().Sorok(), 15); // C(6, 4)
    EXPECT_EQ(S(lp.Lista().Modell().Szoveg(0, 5)), "90");
    EXPECT_TRUE(lp.Lista().ParancsGomb(Parancs::Informaciok)->isEnabled());
    // The tool buttons follow the commands while the list is open, not only when it opens.
    ablak.Allapot().Beallit(Parancs::Nyomtatas, false, " Nincs nyomtató. ");
    ablak.ParancsokSzinkron();
    EXPECT_FALSE(lp.Lista().ParancsGomb(Parancs::Nyomtatas)->isEnabled());
    ablak.Allapot().Beallit(Parancs::Nyomtatas, true, " Bontás nyomtatása. ");
    ablak.ParancsokSzinkron();
    EXPECT_TRUE(lp.Lista().ParancsGomb(Parancs::Nyomtatas)->isEnabled());

    QTest::mouseClick(lp.Lista().ParancsGomb(Parancs::Ellenorzes), Qt::LeftButton);
    ASSERT_NE(lp.Ellenorzes(), nullptr);
    EXPECT_TRUE(lp.Ellenorzes()->Szelveny().isVisible());
    EXPECT_EQ(lp.Ellenorzes()->Szelveny().GetCella(90).SzovegSzin, SzelvBejegyzes::FixSzam);
    const QPoint hely(140, 160);
    lp.Ellenorzes()->Szelveny().move(hely);
    lp.BEVege();
    EXPECT_EQ(lp.Ellenorzes(), nullptr);
    ablak.Akcio(Parancs::Ellenorzes)->trigger(); // opened where it was closed
    ASSERT_NE(lp.Ellenorzes(), nullptr);
    EXPECT_EQ(lp.Ellenorzes()->Szelveny().pos(), hely);

    lp.BontasTorolve();
    EXPECT_EQ(lp.Ellenorzes(), nullptr);
    EXPECT_FALSE(lp.Lista().isVisible());
    EXPECT_EQ(lp.Lista().Modell().Sorok(), 0);
}

} // namespace
} // namespace varion::ui
