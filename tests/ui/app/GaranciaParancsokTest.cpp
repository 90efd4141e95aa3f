#include <QAction>
#include <QMenu>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/UVarion.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/KeziAdatok.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;

using teszt::Sorozat;

// The command over a breakdown of 1..10 into fives with one error point: enabled on a
// breakdown, the verdict as information, and a hole made on purpose named as a warning.
TEST(GaranciaParancsok, VerdictOfTheEnginesBreakdown) {
    proba::Program p({1});
    proba::ProgramFajlok(p.mappa.Utvonal);
    TFoablak& ablak = p.Epites();
    ASSERT_TRUE(ablak.Inditas());
    auto& u = p.u;
    QMenu* menu = ablak.MenuObj(Menu::Bontas);
    auto* akcio = ablak.findChild<QAction*>(QStringLiteral("GaranciaEllenorzes"));
    ASSERT_NE(akcio, nullptr);
    EXPECT_EQ(akcio->text(), QStringLiteral("Garancia ellenőrzése"));
    QMetaObject::invokeMethod(menu, "aboutToShow");
    EXPECT_FALSE(akcio->isEnabled()) << "no breakdown yet";

    FeltetelKeszlet& f = ablak.Feltetelek();
    SzamJelzoBeallitas(f, Sorozat(10), 5);
    FeltJelzoBeallitas(f, 1);
    ASSERT_TRUE(teszt::Bontas(ablak.Bontas(), u, 5, Sorozat(10), &f));
    QMetaObject::invokeMethod(menu, "aboutToShow");
    ASSERT_TRUE(akcio->isEnabled());
    u.Var(UzenetTipus::Informacio,
          "A garancia teljesül: a feltételeknek megfelelő mind a 252 változat legalább 4 "
          "találatot ér el valamelyik tárolt szelvénnyel.");
    akcio->trigger();
    EXPECT_TRUE(u.ElfogyottAForgatokonyv());

    // the first stored row, 1 2 3 4 5, removed: it alone covered itself
    BetoltottBontas m = *ablak.Bontas().Mentes();
    m.Matrix.erase(m.Matrix.begin(), m.Matrix.begin() + 5);
    for (int i = 0; i < 5; ++i) --m.BontMutStat[static_cast<std::size_t>(i)];
    --m.Sorok;
    ASSERT_TRUE(ablak.Bontas().BontasBetoltve(m));
    u.Var(UzenetTipus::Figyelmeztetes);
    akcio->trigger();
    ASSERT_EQ(u.Lathato().size(), 2u);
    const std::string& szoveg = u.Lathato().back().Szoveg;
    EXPECT_TRUE(szoveg.starts_with("A garancia NEM teljesül!\r\rA feltételeknek megfelelő 252 "
                                   "változat közül "))
        << szoveg;
    EXPECT_NE(szoveg.find("Az első ilyen változatok:\r1, 2, 3, 4, 5"), std::string::npos) << szoveg;
}

} // namespace
} // namespace varion::ui
