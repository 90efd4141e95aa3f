// A finished breakdown shown in the list, the check and the information window, then let go
// by every path the program has: each window closes (or shows the new breakdown), never the
// rows that were freed. Also the command states and the backup that go with the discard.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "app/UBontasParancsok.h"
#include "app/UFajlParancsok.h"
#include "app/UListaParancsok.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UVarion.h"
#include "breakdown/UBontMegsz.h"
#include "breakdown/UInfo.h"
#include "conditions/UFeltetelek.h"
#include "files/AllomanyFolyamat.h"
#include "game/UFoszelveny.h"
#include "support/BontasSegito.h"
#include "ui/ProgramProba.h"

namespace varion::ui {
namespace {

namespace fs = std::filesystem;

struct Program : proba::Program {
    TFoablak* a = nullptr;
    Program() { a = &Inditas(); }
    TListaParancsok& L() { return *a->ListaParancsok(); }
    void Jelol(std::initializer_list<int> szamok) {
        auto& sz = a->Foszelveny()->Szelveny();
        for (int n : szamok) QTest::mouseClick(sz.CellaTer(), Qt::LeftButton, {}, sz.CellaKozep(n));
    }
    // A breakdown of the ticket's row, announced as a finished run announces it.
    void Bont() {
        const auto& sz = a->Foszelveny()->Foszelveny().Szamok();
        ASSERT_TRUE(teszt::Bontas(a->Bontas(), u, 5, sz.JeloltSzamok(), &a->Feltetelek()));
        a->BontasParancsai().VanNincsBontas(true);
        a->ParancsokSzinkron();
    }
    // The list, the check and the information window open on it.
    void Megnyit() {
        L().BontListaStart();
        L().BEStart();
        a->Nyomtatas()->Informaciok();
        ASSERT_TRUE(L().Lista().isVisible());
        ASSERT_NE(L().Ellenorzes(), nullptr);
        ASSERT_TRUE(a->Nyomtatas()->Info()->isVisible());
    }
    void Elengedve(const char* ut) {
        EXPECT_FALSE(L().Lista().isVisible()) << ut;
        EXPECT_EQ(L().Lista().Modell().Sorok(), 0) << ut;
        EXPECT_EQ(L().Ellenorzes(), nullptr) << ut;
        EXPECT_FALSE(a->Nyomtatas()->Info()->isVisible()) << ut;
    }
    // Runs `f` while a repeating timer closes every modal dialog it opens.
    void ModalisBezarva(const std::function<void()>& f,
                        const std::function<void(QWidget*)>& elso = {}) {
        bool volt = false;
        QTimer t;
        QObject::connect(&t, &QTimer::timeout, [&] {
            if (auto* w = QApplication::activeModalWidget()) {
                if (!volt && elso) {
                    volt = true;
                    elso(w);
                } else {
                    w->close();
                }
            }
        });
        t.start(20);
        f();
    }
};

// Each path that discards or replaces the breakdown. The windows used to be told by some
// paths only: after "Feltételek" → "Kijelölés" → yes, a new number order or a new run the
// list kept paging through the freed rows and the program crashed.
TEST(BontasEldobasa, MindenUtonElengedikASorokat) {
    Program p;
    p.Jelol({3, 17, 25, 41, 52, 66, 70, 88});

    p.Bont();
    p.Megnyit();
    p.ModalisBezarva([&] { p.a->Akcio(Parancs::FeltKijeloles)->trigger(); });
    EXPECT_EQ(p.a->Bontas().GetBontStatus(), 0);
    p.Elengedve("Feltételek → Kijelölés → Igen");

    p.Bont();
    p.Megnyit();
    p.a->Akcio(Parancs::SorrendNovekvo)->trigger();
    p.Elengedve("Számsorrend → Növekvő");

    p.Bont();
    p.Megnyit();
    p.a->Akcio(Parancs::BontTorles)->trigger();
    p.Elengedve("Bontás → Törlés");

    p.Bont();
    const fs::path top = p.mappa / "b.top";
    {
        auto k = AllomanyKornyezet{p.a->Foszelveny()->Foszelveny(), p.a->Feltetelek(),
                                   p.a->Bontas(), p.a->Tartomanyok()};
        ASSERT_TRUE(Mentes(top, true, k, p.u));
    }
    p.Megnyit();
    ASSERT_TRUE(p.a->FajlParancsok().Betoltes(QString::fromStdString(top.string())));
    EXPECT_NE(p.a->Bontas().GetBontStatus(), 0) << "the loaded breakdown is there";
    p.Elengedve("a loaded breakdown file");

    p.Megnyit();
    p.Bont(); // a new run
    p.Elengedve("a new run");

    p.Megnyit();
    p.a->FeltetelekTorlese();
    p.Elengedve("the conditions cleared");
}

// "Bontás" → "Törlés" gives "Start" back to the row on the ticket; it stayed disabled with
// " A bontás elkészült. " and the information window kept the deleted breakdown's text.
TEST(BontasEldobasa, TorlesUtanStartUjraEngedelyezett) {
    Program p;
    p.Jelol({3, 17, 25, 41, 52, 66, 70});
    p.Bont();
    EXPECT_FALSE(p.a->Akcio(Parancs::Start)->isEnabled());
    p.a->Nyomtatas()->Informaciok();
    p.a->Akcio(Parancs::BontTorles)->trigger();
    EXPECT_TRUE(p.a->Akcio(Parancs::Start)->isEnabled());
    EXPECT_EQ(p.a->Akcio(Parancs::Start)->statusTip(), QStringLiteral(" Bontás készítése. "));
    EXPECT_FALSE(p.a->Nyomtatas()->Info()->isVisible());
    EXPECT_FALSE(p.a->Akcio(Parancs::BontListazas)->isEnabled());
}

// "Törlés mind" in the conditions window on an unsaved ticket with a breakdown keeps the
// breakdown's row as the last-breakdown backup before it goes; the conditions were cleared
// through the engine directly and the backup found no breakdown any more.
TEST(BontasEldobasa, TorlesMindElottBackup) {
    Program p;
    p.Jelol({3, 17, 25, 41, 52, 66, 70});
    auto& f = p.a->Feltetelek();
    f.Adatok.SzvParosBe = 1; // any even/odd split of five
    f.Adatok.SzvParosFix = 1;
    f.Adatok.SzvParosTipus = 1;
    f.Adatok.SzvParos = 0;
    f.Adatok.SzvParosMax = 5;
    SzamJelzoBeallitas(f, p.a->Foszelveny()->Foszelveny().Szamok().JeloltSzamok(), 5);
    FeltJelzoBeallitas(f, 1);
    p.Bont();
    ASSERT_TRUE(p.a->Feltetelek().FeltetelJelzo);
    ASSERT_FALSE(fs::exists(p.mappa / "back5.tip"));
    p.ModalisBezarva([&] { p.a->Akcio(Parancs::FeltKijeloles)->trigger(); },
                     [](QWidget* w) {
                         if (auto* f = qobject_cast<TFeltetelek*>(w))
                             f->TorlesGomb()->click();
                         else
                             w->close();
                     });
    EXPECT_EQ(p.a->Bontas().GetBontStatus(), 0);
    EXPECT_FALSE(p.a->Feltetelek().FeltetelJelzo);
    ASSERT_TRUE(fs::exists(p.mappa / "back5.tip"));
    teszt::RogzitoUzenetek u;
    const auto back = TipBetoltes(p.mappa / "back5.tip", 5, false, 0, u);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Jelolt, (Szamsor{3, 17, 25, 41, 52, 66, 70}));
    EXPECT_EQ(back->Hibapont, 1);
}

} // namespace
} // namespace varion::ui
