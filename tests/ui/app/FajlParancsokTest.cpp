#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/UFajlParancsok.h"
#include "app/UVarion.h"
#include "game/UFoszelveny.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;
using teszt::RogzitoUzenetek;
using enum UzenetTipus;

struct Gep : InditasPlatform {
    std::optional<std::uint64_t> SzabadMemoria() override { return 1ull << 32; }
    bool VanEger() override { return true; }
};

struct Program {
    teszt::IdeiglenesMappa mappa;
    RogzitoUzenetek u;
    Gep gep;
    teszt::SorozatVeletlen v{{7, 13, 30, 21, 2, 31, 11, 32, 33, 34}};
    std::unique_ptr<TFoablak> ablak;
    // What the dialogs showed; an empty name cancels the next dialog.
    QStringList cimek;
    QString valasz;
    int mutatva = 0;

    Program() {
        const fs::path res = VARION_RESOURCES;
        fs::copy(res / "Help", mappa.Utvonal / "Help");
        fs::copy(res / "Dat", mappa.Utvonal / "Dat");
        u.MindentElfogad();
    }
    bool Indit(const QStringList& arg = {}) {
        ablak = std::make_unique<TFoablak>(mappa.Utvonal, u, gep, v);
        ablak->FajlParancsok().ParbeszedFigyelo = [this](QFileDialog& d) {
            cimek << d.windowTitle();
            const QString nev = valasz;
            QTimer::singleShot(0, &d, [&d, nev] {
                if (nev.isEmpty()) return d.reject();
                d.selectFile(nev);
                d.accept();
            });
        };
        ablak->FajlParancsok().FeltetelekMutatasa = [this] { ++mutatva; };
        if (!ablak->Inditas(arg)) return false;
        ablak->Betoltes();
        return true;
    }
    TFoszelveny& T() { return ablak->Foszelveny()->Foszelveny(); }
    void Jelol(std::initializer_list<int> sz) {
        for (int n : sz) ablak->Foszelveny()->Parancs([n](TFoszelveny& t) { t.Kattintas(n, 0); });
    }
    QString Ut(const char* nev) { return QString::fromStdString((mappa.Utvonal / nev).string()); }
};

TEST(FajlParancsok, SorMenteseEsMegnyitasaAParbeszedekkel) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Jelol({7, 3, 12, 40, 41, 50});
    p.ablak->Tartomanyok().Set(TartomanyFajta::Bontas, {20, 150});
    p.valasz = p.Ut("sor.tip");
    p.ablak->Akcio(Parancs::SzamsorMentes)->trigger();
    ASSERT_TRUE(fs::exists(p.mappa / "sor.tip"));
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Számsor mentése"));
    EXPECT_EQ(p.ablak->GetBeallitasok().IniDir[0], p.mappa.Utvonal.string())
        << "the dialog remembers the folder of the chosen file";

    p.ablak->Tartomanyok().Set(TartomanyFajta::Bontas, {1, 10});
    p.valasz = p.Ut("sor.tip");
    p.ablak->Akcio(Parancs::Megnyitas)->trigger();
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Állomány betöltés"));
    EXPECT_EQ(p.T().Szamok().JeloltSzamok(), (Szamsor{7, 3, 12, 40, 41, 50}));
    EXPECT_EQ(p.ablak->Tartomanyok().Get(TartomanyFajta::Bontas), (Tartomany{20, 150}));
    EXPECT_EQ(p.mutatva, 1) << "the loaded conditions are shown";
}

TEST(FajlParancsok, BontasFajlBetoltveEngedelyeziABontasParancsait) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Jelol({1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(teszt::Bontas(p.ablak->Bontas(), p.u, 5, p.T().Szamok().JeloltSzamok()));
    const auto sorok = teszt::Sorok(p.ablak->Bontas());
    p.valasz = p.Ut("b.top");
    ASSERT_TRUE(p.ablak->FajlParancsok().BontasMentese());
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Bontás mentése"));

    Program q;
    ASSERT_TRUE(q.Indit({p.Ut("b.top")})); // the command line
    EXPECT_EQ(teszt::Sorok(q.ablak->Bontas()), sorok);
    EXPECT_FALSE(q.ablak->Akcio(Parancs::Start)->isEnabled());
    EXPECT_EQ(q.ablak->Akcio(Parancs::Start)->toolTip(), QStringLiteral("A bontás elkészült."));
    EXPECT_TRUE(q.ablak->Akcio(Parancs::BontMentes)->isEnabled());
    EXPECT_TRUE(q.ablak->Allapot()[Parancs::BontListazas].Engedelyezve);
}

TEST(FajlParancsok, ParancssorTipussalEsHibas) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Jelol({1, 2, 3, 4, 5, 6, 7});
    fs::create_directories(p.mappa / "ékezetes mappa");
    p.valasz = QString::fromStdString((p.mappa / "ékezetes mappa" / "sor ő.tip").string());
    ASSERT_TRUE(p.ablak->FajlParancsok().Mentes(MentesTipus::Tip));
    {
        Program q;
        ASSERT_TRUE(q.Indit({p.valasz}));
        EXPECT_EQ(q.T().Szamok().JeloltSzamok().size(), 7u);
    }
    {
        // A relative name is taken from the folder the program was started in, even though
        // the program then works in its own folder.
        const auto elozo = fs::current_path();
        fs::current_path(p.mappa / "ékezetes mappa");
        Program q;
        const bool jo = q.Indit({QStringLiteral("sor ő.tip")});
        fs::current_path(elozo);
        ASSERT_TRUE(jo);
        EXPECT_EQ(q.T().Szamok().JeloltSzamok().size(), 7u);
    }
    {
        Program q;
        ASSERT_TRUE(q.Indit({p.Ut("nincs.tip")}));
        EXPECT_TRUE(q.T().Szamok().JeloltSzamok().empty());
        EXPECT_EQ(q.u.Lathato().back().Szoveg, "Hiba lépett fel az állomány beolvasása során!");
    }
    {
        Program q;
        ASSERT_TRUE(q.Indit({p.Ut("Varion.ini")})); // another type is ignored
        EXPECT_TRUE(q.T().Szamok().JeloltSzamok().empty());
    }
}

TEST(FajlParancsok, KilepesNemValaszraMentesParbeszed) {
    Program p;
    ASSERT_TRUE(p.Indit());
    p.Jelol({1, 2, 3, 4, 5, 6, 7});
    p.u.Var(JovahagyasKeres, "Biztos kilép a programból?", true)
        .Var(JovahagyasKeres, "Biztos törli a kijelölt számokat?", false);
    p.valasz.clear(); // the player cancels the save dialog
    QCloseEvent e1;
    QApplication::sendEvent(p.ablak.get(), &e1);
    EXPECT_FALSE(e1.isAccepted()) << "\"Nem\" used to quit and drop the marked row";
    EXPECT_EQ(p.cimek.size(), 1);

    p.u.Var(JovahagyasKeres, "Biztos kilép a programból?", true)
        .Var(JovahagyasKeres, "Biztos törli a kijelölt számokat?", false);
    p.valasz = p.Ut("kilepes.tip");
    QCloseEvent e2;
    QApplication::sendEvent(p.ablak.get(), &e2);
    EXPECT_TRUE(e2.isAccepted());
    EXPECT_TRUE(fs::exists(p.mappa / "kilepes.tip"));

    Program q;
    ASSERT_TRUE(q.Indit());
    q.u.Var(JovahagyasKeres, "Biztos kilép a programból?", false);
    QCloseEvent e3;
    QApplication::sendEvent(q.ablak.get(), &e3);
    EXPECT_FALSE(e3.isAccepted());
}

} // namespace
} // namespace varion::ui
