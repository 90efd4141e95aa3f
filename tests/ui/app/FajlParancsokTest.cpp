#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/UFajlParancsok.h"
#include "app/UVarion.h"
#include "base/ProgramVerzio.h"
#include "draws/HuzasAdatbazis.h"
#include "game/UFoszelveny.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"
#include "support/SorozatVeletlen.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;
using teszt::RogzitoUzenetek;
using enum UzenetTipus;

struct Program : proba::Program {
    // What the dialogs showed; an empty name cancels the next dialog.
    QStringList cimek;
    QList<QStringList> szurok;
    QStringList kivalasztottSzuro;
    QStringList mappak;
    QStringList gombok;
    QString valasz;
    // The filter the player picks before accepting; empty keeps the one in view.
    QString szuroValasz;
    int mutatva = 0;
    // The dialog's own overwrite question, and the player's answer to it.
    QStringList felulirasKerdesek;
    bool felulir = true;

    Program() : proba::Program({7, 13, 30, 21, 2, 31, 11, 32, 33, 34}) {
        proba::ProgramFajlok(mappa.Utvonal);
        u.MindentElfogad();
    }
    // The program works in its folder; the next test must not stand in a removed one.
    ~Program() {
        ablak.reset();
        std::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
    }
    // A draw database of `n` draws for game 5, so that stored ranges mean something.
    void Adatbazis(int n) {
        HuzasAdatbazis db(5);
        std::vector<Huzas> h(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            h[i].Ev = 2000 + i / 52;
            h[i].Het = i % 52 + 1;
            for (int j = 0; j < 5; ++j)
                h[i].Szamok[j] = static_cast<std::uint8_t>(i % 80 + j * 2 + 1);
        }
        db.Hozzaadas(h);
        ASSERT_TRUE(db.AdatbazisMentese(mappa / "Dat" / "Huzas5.ldb", SajatVerzio(), u));
    }
    bool Indit(const QStringList& arg = {}) {
        Epites();
        ablak->FajlParancsok().ParbeszedFigyelo = [this](QFileDialog& d) {
            cimek << d.windowTitle();
            szurok << d.nameFilters();
            kivalasztottSzuro << d.selectedNameFilter();
            mappak << d.directory().absolutePath();
            gombok << d.labelText(QFileDialog::Accept) + QLatin1Char('/') +
                          d.labelText(QFileDialog::Reject);
            const QString nev = valasz;
            const QString szuro = szuroValasz;
            QTimer::singleShot(0, &d, [this, &d, nev, szuro] {
                if (nev.isEmpty()) return d.reject();
                if (!szuro.isEmpty()) d.selectNameFilter(szuro);
                d.selectFile(nev);
                // Runs inside the overwrite question when the dialog asks one.
                QTimer::singleShot(0, &d, [this, &d] {
                    for (auto* m : d.findChildren<QMessageBox*>()) {
                        if (!m->isVisible()) continue;
                        felulirasKerdesek << m->text();
                        m->button(felulir ? QMessageBox::Yes : QMessageBox::No)->click();
                    }
                });
                static_cast<QDialog&>(d).accept(); // QFileDialog hides it
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
    p.Adatbazis(200);
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
    p.u.Var(FigyelmeztetoKerdes, "Menti a kijelölt számsort és a kapcsolódó adatokat?", false);
    p.valasz = p.Ut("sor.tip");
    p.ablak->Akcio(Parancs::Megnyitas)->trigger();
    EXPECT_EQ(p.cimek.size(), 2) << "\"Nem\": no save dialog before the open dialog";
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

TEST(FajlParancsok, ParbeszedekCimeSzurojeEsElsoMappaja) {
    Program p;
    ASSERT_TRUE(p.Indit());
    const QString tip = QStringLiteral("Számsor állománya (*.tip)");
    const QString top = QStringLiteral("Bontás állománya (*.top)");
    p.valasz.clear();
    p.ablak->Akcio(Parancs::Megnyitas)->trigger();
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Állomány betöltés"));
    EXPECT_EQ(p.szurok.last(), (QStringList{tip, top}));
    EXPECT_EQ(p.kivalasztottSzuro.last(), tip);
    EXPECT_EQ(p.gombok.last(), QStringLiteral("Megnyitás/Mégse"));
    // No settings file yet: the game's folder.
    EXPECT_EQ(p.mappak.last(), QString::fromStdString((p.mappa / "Otos").string()));

    p.Jelol({1, 2, 3, 4, 5, 6, 7});
    p.ablak->Akcio(Parancs::MentesMaskent)->trigger();
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Számsor mentése")) << "no breakdown: rows only";
    EXPECT_EQ(p.szurok.last(), QStringList{tip});
    EXPECT_EQ(p.gombok.last(), QStringLiteral("Mentés/Mégse"));

    ASSERT_TRUE(teszt::Bontas(p.ablak->Bontas(), p.u, 5, p.T().Szamok().JeloltSzamok()));
    fs::create_directories(p.mappa / "mas");
    p.valasz = QString::fromStdString((p.mappa / "mas" / "mind").string());
    p.ablak->Akcio(Parancs::MentesMaskent)->trigger();
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Állomány mentése"));
    EXPECT_EQ(p.szurok.last(), (QStringList{tip, top}));
    EXPECT_EQ(p.kivalasztottSzuro.last(), top);
    EXPECT_TRUE(fs::exists(p.mappa / "mas" / "mind.top")) << "the breakdown filter adds .top";
    EXPECT_TRUE(fs::exists(p.mappa / "mas" / "mind.tip"));

    // The row filter chosen in the same dialog: only the row, the old breakdown file goes.
    p.valasz = QString::fromStdString((p.mappa / "mas" / "mind.tip").string());
    p.szuroValasz = tip;
    p.ablak->Akcio(Parancs::MentesMaskent)->trigger();
    EXPECT_EQ(p.felulirasKerdesek.size(), 1) << "the dialog asks before overwriting";
    EXPECT_FALSE(fs::exists(p.mappa / "mas" / "mind.top"));
    EXPECT_TRUE(fs::exists(p.mappa / "mas" / "mind.tip"));
    p.szuroValasz.clear();

    p.valasz.clear();
    p.u.Var(FigyelmeztetoKerdes, "Menti a kijelölt számsort és a kapcsolódó adatokat?", false);
    p.ablak->Akcio(Parancs::Megnyitas)->trigger();
    EXPECT_EQ(p.mappak.last(), QString::fromStdString((p.mappa / "mas").string()))
        << "the folder of the last chosen file";
    p.ablak->Akcio(Parancs::SzamsorMentes)->trigger();
    EXPECT_EQ(p.mappak.last(), QString::fromStdString((p.mappa / "Otos").string()))
        << "a cancelled dialog falls back to the game folder";
    EXPECT_EQ(p.cimek.last(), QStringLiteral("  Számsor mentése"));
}

TEST(FajlParancsok, VisszatoltesKetszerFelcsereliASorokat) {
    Program p;
    ASSERT_TRUE(p.Indit());
    EXPECT_FALSE(p.ablak->Akcio(Parancs::Visszatoltes)->isEnabled());
    p.Jelol({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(teszt::Bontas(p.ablak->Bontas(), p.u, 5, p.T().Szamok().JeloltSzamok()));
    p.ablak->Allapot().VanNincsBontas(true);
    p.ablak->Akcio(Parancs::MindenSzam)->trigger(); // the breakdown goes: its row is kept
    ASSERT_TRUE(fs::exists(p.mappa / "back5.tip"));
    p.Jelol({10, 20, 30, 40, 50, 60, 70});
    ASSERT_TRUE(teszt::Bontas(p.ablak->Bontas(), p.u, 5, p.T().Szamok().JeloltSzamok()));
    EXPECT_TRUE(p.ablak->Akcio(Parancs::Visszatoltes)->isEnabled());
    EXPECT_EQ(p.ablak->Allapot()[Parancs::Visszatoltes].Sugo,
              " Az előző bontás számsorának és feltételeinek visszatöltése. ");

    p.ablak->Akcio(Parancs::Visszatoltes)->trigger();
    EXPECT_EQ(p.T().Szamok().JeloltSzamok(), (Szamsor{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(p.u.Lathato().back().Szoveg, "Sikeresen visszatöltve.");
    EXPECT_TRUE(p.ablak->Akcio(Parancs::Visszatoltes)->isEnabled()) << "the other row waits";
    p.ablak->Akcio(Parancs::Visszatoltes)->trigger();
    EXPECT_EQ(p.T().Szamok().JeloltSzamok(), (Szamsor{10, 20, 30, 40, 50, 60, 70}));

    // Only one backup: after the reload the command goes off with its hint.
    fs::remove(p.mappa / "back51.tip");
    p.ablak->Akcio(Parancs::Visszatoltes)->trigger();
    EXPECT_FALSE(p.ablak->Akcio(Parancs::Visszatoltes)->isEnabled());
    EXPECT_EQ(p.ablak->Allapot()[Parancs::Visszatoltes].Sugo,
              " Sikeresen visszatöltve. \r Az előző bontás számsora és feltételei betöltve. ");
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
