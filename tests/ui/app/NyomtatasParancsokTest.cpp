#include <QAction>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/UBontasParancsok.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UVarion.h"
#include "game/UFoszelveny.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;

// "Mentés PDF-be..." stands beside the breakdown report in "Bontás" → "Nyomtatás", is usable
// only with a finished breakdown, and writes the report into the file the player names.
TEST(NyomtatasParancsok, BontasPdfMenubolCsakKeszBontassal) {
    proba::Program p;
    TFoablak& ablak = p.Inditas();
    const auto& mappa = p.mappa;
    auto& u = p.u;
    auto& sz = ablak.Foszelveny()->Szelveny();
    for (int n : {5, 12, 19, 33, 47, 60})
        QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, {}, sz.CellaKozep(n));
    TNyomtatasParancsok& np = *ablak.Nyomtatas();
    QAction* pdf = np.BontasPdfAkcio();
    ASSERT_TRUE(ablak.MenuObj(Menu::BontasNyomtatas)->actions().contains(pdf));
    EXPECT_EQ(pdf->text().toStdString(), "Mentés PDF-be...");
    const fs::path cel = mappa.Utvonal / "bontas.pdf";
    int kerdes = 0;
    np.PdfNevKeres = [&] {
        ++kerdes;
        return QString::fromStdString(cel.string());
    };
    pdf->trigger(); // no breakdown yet: nothing is asked, nothing written
    EXPECT_EQ(kerdes, 0);
    EXPECT_FALSE(fs::exists(cel));

    const auto& szamok = ablak.Foszelveny()->Foszelveny().Szamok();
    ASSERT_TRUE(
        teszt::Bontas(ablak.Bontas(), u, 5, szamok.JeloltSzamok(), nullptr, szamok.FixSzamok()));
    ablak.BontasParancsai().VanNincsBontas(true); // what the end of a run does
    ablak.ParancsokSzinkron();
    emit ablak.MenuObj(Menu::BontasNyomtatas)->aboutToShow();
    EXPECT_TRUE(pdf->isEnabled());
    pdf->trigger();
    EXPECT_EQ(kerdes, 1);
    ASSERT_TRUE(fs::exists(cel));
    EXPECT_GT(fs::file_size(cel), 1000u);
}

} // namespace
} // namespace varion::ui
