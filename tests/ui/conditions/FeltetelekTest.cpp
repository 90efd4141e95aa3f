// The conditions window driven as a player drives it: boxes, up/down buttons, radio
// buttons and typed sums, with every message it shows.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <bit>
#include <gtest/gtest.h>

#include "conditions/UFeltetelek.h"
#include "support/FeltetelOrakulum.h"
#include "support/RogzitoUzenetek.h"

namespace varion::ui {
namespace {

using teszt::RogzitoUzenetek;
using U = UzenetTipus;

struct Ablak {
    FeltetelKeszlet f;
    RogzitoUzenetek u;
    TFeltetelek w{f, u};
    explicit Ablak(Szamsor jelolt, int jatek = 5, int sorHossz = 5) {
        w.Kornyezet.Jatek = jatek;
        w.Kornyezet.SorHossz = sorHossz;
        w.Kornyezet.Jelolt = std::move(jelolt);
        w.Kornyezet.HuzasTartomany = {1, 1500};
        w.Kornyezet.HuzasDb = 1500;
        SzamJelzoBeallitas(f, w.Kornyezet.Jelolt, jatek);
        w.show();
    }
    void Be(Feltetel f) { w.Doboz(f)->setChecked(true); }
};

TEST(Feltetelek, DobozokEsVezerlokARekordba) {
    Ablak a({3, 12, 21, 14, 41, 22, 33, 47, 58, 60});
    auto& r = a.f.Adatok;
    a.Be(Feltetel::Fav);
    EXPECT_EQ(r.FavBe, 1);
    EXPECT_EQ(r.FavSzamai, 1);
    EXPECT_EQ(r.FavSzamaiMax, 3);
    EXPECT_EQ(a.w.FavMax->maximum(), 2); // the range 1..3 allows two hits
    EXPECT_EQ(a.w.FavUtolso->maximum(), 9);
    EXPECT_EQ(a.w.Doboz(Feltetel::Fav)->toolTip(), QStringLiteral(" Feltétel törlése. "));
    for (int i = 0; i < 5; ++i) a.w.FavUtolso->stepUp();
    EXPECT_EQ(r.FavSzamaiMax, 8);
    EXPECT_EQ(a.w.FavMax->maximum(), 5);
    a.w.FavMax->setValue(4);
    a.w.FavMin->setValue(3);
    EXPECT_EQ(r.FavTalalat, 3);
    EXPECT_EQ(r.FavTalalatMax, 4);
    EXPECT_TRUE(a.f.FeltetelJelzo);
    EXPECT_TRUE(a.w.TorlesGomb()->isEnabled());

    a.Be(Feltetel::Fix);
    EXPECT_EQ(a.w.FixMeret->maximum(), 5);
    a.w.FixMeret->setValue(5);
    EXPECT_EQ(r.FixSzamai, 5);
    EXPECT_EQ(r.FixTalalatMax, 3); // two groups of five must hold five numbers

    a.Be(Feltetel::SzcsParos);
    EXPECT_EQ(r.SzcsParosBe, 1);
    EXPECT_EQ(r.SzcsParosFix, 1);
    EXPECT_EQ(r.SzcsParosTipus, 1);
    a.w.SzcsTobb->click(); // six numbers in even decades: a majority is possible
    EXPECT_EQ(r.SzcsParosFix, 0);
    EXPECT_EQ(r.SzcsParos, 2);
    EXPECT_FALSE(a.w.SzcsParosMin->isVisibleTo(&a.w));

    // "Kizárt" with the draws list is refused and the type goes back to "Keresett".
    a.Be(Feltetel::TalAr);
    a.w.TalArHuzasok->click();
    EXPECT_EQ(r.TalArHuzasok, 1);
    a.u.Var(U::Figyelmeztetes, "Kizárt találati arány esetén, nincs értelmezve\r a "
                               "lottóhúzások adatbázisából készített lista!");
    a.w.TalArKizart->click();
    EXPECT_TRUE(a.w.TalArKeresett->isChecked());
    EXPECT_EQ(r.TalArKeresett, 1);
    EXPECT_EQ(a.w.TalArCimke()->text(),
              QStringLiteral("A(z) 1. - 1500. lottóhúzásokkal összehasonlítva."));

    // The numbers are not one run: the sum asks first.
    const std::string kerdes =
        "A kijelölt számok nem szomszédosak (...9,10,11,12...) egymással.\rCsak a kijelölt "
        "számok szerinti összegekhez tartozhat számsor!\r\rMégis kijelöli a feltételt?";
    a.u.Var(U::FigyelmeztetoKerdes, kerdes, false);
    a.Be(Feltetel::Osszeg);
    EXPECT_FALSE(a.w.Doboz(Feltetel::Osszeg)->isChecked());
    EXPECT_EQ(r.EsemOsszegBe, 0);
    a.u.Var(U::FigyelmeztetoKerdes, kerdes, true);
    a.Be(Feltetel::Osszeg);
    EXPECT_EQ(r.OsszegMin, 3 + 12 + 14 + 21 + 22);
    EXPECT_EQ(r.OsszegMax, 60 + 58 + 47 + 41 + 33);
    EXPECT_EQ(r.EsemOsszFix, 72);
    EXPECT_EQ(r.EsemOsszMax, 73);
    EXPECT_EQ(a.w.OsszegMin->toolTip(), QStringLiteral(" Minimum  : 72\n Maximum : 238 "));
    // A typed minimum above the maximum is corrected to maximum - 1. The edit takes the three
    // digits of the largest sum (238), and a letter acts as Enter: the value is checked.
    a.w.OsszegMax->setValue(100);
    QTest::keyClick(a.w.OsszegMin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(a.w.OsszegMin, QStringLiteral("1500"));
    EXPECT_EQ(a.w.OsszegMin->Beirt(), 150);
    a.u.Var(U::ParameterHiba, "  Érvénytelen paraméter!      \r\rA program kijavítja a hibát.");
    QTest::keyClick(a.w.OsszegMin, Qt::Key_X);
    EXPECT_EQ(r.EsemOsszFix, 99);

    a.w.HibapontEdit()->setValue(2);
    EXPECT_EQ(r.Hibapont, 2);
    EXPECT_TRUE(a.w.EloszlasOptBox()->isEnabled());
    a.w.HibapontEdit()->setValue(0);
    EXPECT_FALSE(a.w.EloszlasOptBox()->isEnabled());
    EXPECT_TRUE(a.u.ElfogyottAForgatokonyv());
}

TEST(Feltetelek, ElutasitottDobozokUzenettel) {
    Ablak a({1, 2, 3, 4, 5});
    const std::string nem = "A kijelölt számsorral nem értelmezhető a feltétel!";
    a.u.Var(U::HibaUzenet, nem); // five numbers: no mobile groups
    a.Be(Feltetel::Mob);
    EXPECT_FALSE(a.w.Doboz(Feltetel::Mob)->isChecked());
    EXPECT_EQ(a.f.Adatok.MobBe, 0);
    a.u.Var(U::HibaUzenet, nem); // no twin among them
    a.Be(Feltetel::Ikerszam);
    EXPECT_FALSE(a.f.FeltetelJelzo);

    // Two odd numbers of five: "Több" "páratlan" is refused and the ratio returns to "Fix".
    Ablak b({2, 4, 6, 7, 9});
    b.Be(Feltetel::SzvParos);
    b.w.SzvParatlan->click();
    b.u.Var(U::Figyelmeztetes,
            "A kijelölt páratlan számok mennyisége, nem teszi lehetővé a beállítást!");
    b.w.SzvTobb->click();
    EXPECT_TRUE(b.w.SzvFix->isChecked());
    EXPECT_EQ(b.f.Adatok.SzvParosFix, 1);
    EXPECT_EQ(b.w.SzvParosMin->minimum(), 2); // three even numbers: at least two odd
    EXPECT_EQ(b.w.SzvParosMin->maximum(), 2);
    EXPECT_EQ(b.w.SzvParosMin->toolTip(),
              QStringLiteral(" A beállítható érték minimuma és maximuma = 2.  "));
    EXPECT_TRUE(a.u.ElfogyottAForgatokonyv());
    EXPECT_TRUE(b.u.ElfogyottAForgatokonyv());
}

// "Több" páros on 7 even and 2 odd numbers: a variation of five qualifies with three even
// numbers or more. The minimum K div 2 was written through the hidden field, whose range
// starts at 3 here: the record got 3 and only four or five even numbers passed (91 of 126).
TEST(Feltetelek, ParosTobbAKijeloltSzamokTobbsegevel) {
    const Szamsor jelolt{2, 4, 6, 8, 10, 12, 14, 1, 3};
    Ablak a(jelolt);
    a.Be(Feltetel::SzvParos);
    ASSERT_TRUE(a.w.SzvParos->isChecked());
    a.w.SzvTobb->click();
    ASSERT_EQ(a.f.Adatok.SzvParosFix, 0);
    EXPECT_EQ(a.f.Adatok.SzvParos, 2);
    std::size_t vart = 0; // every five of the nine with more even numbers than odd
    for (unsigned m = 0; m < (1u << 9); ++m) {
        if (std::popcount(m) != 5) continue;
        int paros = 0;
        for (int i = 0; i < 9; ++i) paros += ((m >> i) & 1u) && jelolt[i] % 2 == 0;
        vart += paros >= 3;
    }
    ASSERT_EQ(vart, 126u);
    EXPECT_EQ(teszt::NyersSzures(a.f.Adatok, jelolt, 5, 5).size(), vart);
    a.w.SzvFix->click(); // back to "Fix": the field's own value again
    EXPECT_EQ(a.f.Adatok.SzvParosFix, 1);
    EXPECT_EQ(a.f.Adatok.SzvParos, a.w.SzvParosMin->value());
}

// Error points read from a file are shown against the file's ticket: the field kept the
// range of the ticket the window last opened on (two fixed numbers: at most 2) and showed
// 2 for a file with 3.
TEST(Feltetelek, BetoltottHibapontAFajlJegyeSzerint) {
    Ablak a({3, 12, 21, 14, 41, 22, 33, 47}, 5, 3);
    QTimer::singleShot(0, &a.w, [&] { a.w.reject(); });
    a.w.FeltetelStart();
    ASSERT_EQ(a.w.HibapontEdit()->maximum(), 2);
    a.w.Kornyezet.SorHossz = 5;
    a.f.Adatok.Hibapont = 3;
    a.w.BeolvFeltKijelolese();
    EXPECT_EQ(a.w.HibapontEdit()->value(), 3);
    EXPECT_EQ(a.f.Adatok.Hibapont, 3);
    EXPECT_TRUE(a.w.EloszlasOptBox()->isEnabled());
}

TEST(Feltetelek, IsmetlodesTobbNemFogadjaElAzEgyet) {
    Ablak a({1, 2, 13, 14, 25, 26, 37, 48});
    a.Be(Feltetel::SzcsIsmet);
    a.w.SzcsTobbIsmet->click();
    ASSERT_GE(a.w.SzcsIsmetMax->maximum(), 2);
    a.w.SzcsIsmetMax->setValue(0);
    a.w.SzcsIsmetMax->stepUp();
    EXPECT_EQ(a.f.Adatok.SzcsIsmetMax, 2);
    a.w.SzcsIsmetMax->stepDown();
    EXPECT_EQ(a.f.Adatok.SzcsIsmetMax, 0);
}

TEST(Feltetelek, CsakOlvashatoModModositasEsTorlesMind) {
    Ablak a({3, 12, 21, 14, 41, 22, 33});
    a.Be(Feltetel::Fav);
    a.w.hide();
    a.w.Kornyezet.VanBontas = true;
    int kerdes = 0;
    a.w.BontasTorlesKeres = [&] { return ++kerdes == 2; };
    a.w.show();
    EXPECT_EQ(a.w.windowTitle(), QStringLiteral("  Beállított feltételek listája"));
    EXPECT_EQ(a.w.BontasGomb()->text(), QStringLiteral("Módosítás"));
    EXPECT_FALSE(a.w.Lapok()->widget(0)->isEnabled());
    EXPECT_EQ(a.w.Lapok()->toolTip(),
              QStringLiteral(" A feltételek szerkesztéséhez, klikkeljen a [Módosítás] gombra. "));
    a.w.BontasGomb()->click(); // declined: stays open
    EXPECT_TRUE(a.w.isVisible());
    a.w.BontasGomb()->click();
    EXPECT_FALSE(a.w.isVisible());
    EXPECT_EQ(a.w.result(), 2);

    a.w.Kornyezet.VanBontas = false;
    a.w.show();
    EXPECT_EQ(a.w.windowTitle(), QStringLiteral("  Feltételek kijelölése"));
    EXPECT_TRUE(a.w.Lapok()->widget(0)->isEnabled());
    bool torolve = false;
    a.w.FeltetelekTorlese = [&] { torolve = true; };
    a.u.Var(U::JovahagyasKeres, "Biztos törli a kijelölt feltételeket?", true);
    a.w.TorlesGomb()->click();
    EXPECT_TRUE(torolve);
    EXPECT_EQ(a.w.result(), 2);
    EXPECT_FALSE(a.w.Doboz(Feltetel::Fav)->isChecked());

    a.w.show();
    a.w.BontasGomb()->click();
    EXPECT_EQ(a.w.result(), 1);

    // A breakdown kept on a saved ticket without conditions: the button reads "Bontás" and
    // starts the run. It used to act as "Módosítás", and the player's press only deleted
    // the list and reopened the window.
    Ablak b({3, 12, 21, 14, 41, 22, 33});
    b.w.hide();
    b.w.Kornyezet.VanBontas = true;
    b.w.BontasTorlesKeres = [&] { return ++kerdes > 0; };
    b.w.show();
    EXPECT_EQ(b.w.BontasGomb()->text(), QStringLiteral("Bontás"));
    b.w.BontasGomb()->click();
    EXPECT_EQ(b.w.result(), 1);
    EXPECT_EQ(kerdes, 2);
    EXPECT_TRUE(a.u.ElfogyottAForgatokonyv());
}

// The twin edits ask at every step whether the mirror condition should go, the mirror edits
// only after a step up; the mirror panel has only its own label.
TEST(Feltetelek, IkerEsTukorKerdesLepesenkent) {
    const auto cimkek = [](QGroupBox* d, const QString& s) {
        int db = 0;
        for (auto* l : d->findChildren<QLabel*>()) db += l->text() == s;
        return db;
    };
    const std::string tukorKerdes =
        "A beállított értékeket alkalmazva, nincs értelme a tükörszám feltétel kijelölésének!"
        "\r\rTörli a tükörszám feltétel kijelölését?";
    const std::string ikerKerdes =
        "A beállított értékeket alkalmazva, nincs értelme az ikerszám feltétel kijelölésének!"
        "\r\rTörli az ikerszám feltétel kijelölését?";

    Ablak a({11, 22, 33, 44, 55, 12, 21});
    EXPECT_EQ(cimkek(a.w.Doboz(Feltetel::Ikerszam), QStringLiteral("Egy szelvényen, pontosan ")),
              1);
    EXPECT_EQ(cimkek(a.w.Doboz(Feltetel::Tukorszam), QStringLiteral("Egy szelvényen, pontosan ")),
              0);
    a.Be(Feltetel::Ikerszam);
    a.Be(Feltetel::Tukorszam);
    for (int i = 0; i < 3; ++i) a.w.IkerMin->stepUp(); // three twins still leave room
    a.u.Var(U::FigyelmeztetoKerdes, tukorKerdes, false);
    a.w.IkerMin->stepUp();
    EXPECT_TRUE(a.w.Doboz(Feltetel::Tukorszam)->isChecked());
    a.u.Var(U::FigyelmeztetoKerdes, tukorKerdes, true);
    a.w.IkerMax->stepUp();
    EXPECT_FALSE(a.w.Doboz(Feltetel::Tukorszam)->isChecked());
    EXPECT_TRUE(a.u.ElfogyottAForgatokonyv());

    // Four to a row, two mirror pairs: two pairs fill a row that may hold no twin.
    Ablak b({12, 21, 13, 31, 11}, 5, 4);
    b.Be(Feltetel::Ikerszam);
    b.Be(Feltetel::Tukorszam);
    b.w.TukorMax->stepUp();
    b.u.Var(U::FigyelmeztetoKerdes, ikerKerdes, false);
    b.w.TukorMax->stepUp();
    b.w.TukorMax->stepDown(); // a step down asks nothing
    b.u.Var(U::FigyelmeztetoKerdes, ikerKerdes, true);
    b.w.TukorMax->stepUp();
    EXPECT_FALSE(b.w.Doboz(Feltetel::Ikerszam)->isChecked());
    EXPECT_TRUE(b.u.ElfogyottAForgatokonyv());
}

} // namespace
} // namespace varion::ui
