#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/UAdatbazisParancsok.h"
#include "app/UBeallitasParancsok.h"
#include "app/UBeallitasok.h"
#include "app/UBontasParancsok.h"
#include "app/UNyomtatasParancsok.h"
#include "app/UVarion.h"
#include "draws/UHuzLista.h"
#include "game/SzelvenyGeometria.h"
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

struct Program : proba::Program {
    TBeallitasParancsok* parancsok = nullptr;

    Program() {
        proba::ProgramFajlok(mappa.Utvonal);
        EXPECT_TRUE(Epites().Inditas());
        parancsok = ablak->findChild<TBeallitasParancsok*>();
        parancsok->SzabadMemoria = [] { return std::nullopt; };
    }
    ~Program() { EXPECT_TRUE(u.ElfogyottAForgatokonyv()); }
    TBeallitasok& D() { return parancsok->Ablak(); }
    TBeallitasok& Nyit() {
        ablak->Akcio(Parancs::Beallitasok)->trigger();
        return D();
    }
    TSzelveny& Jegy() { return ablak->Foszelveny()->Szelveny(); }
    void Katt(int n) {
        QTest::mouseClick(Jegy().CellaTer(), Qt::LeftButton, {}, Jegy().CellaKozep(n));
    }
    // The colour a cell of a ticket is painted with, just inside its bevel.
    static QColor CellaHatter(TSzelveny& sz, int n) {
        const auto t = CellaHelye(sz.Meretek(), n);
        return sz.CellaTer()->grab().toImage().pixelColor(t.Bal + 4, t.Felso + t.Magassag - 6);
    }
    std::string Ini() {
        std::ifstream be(mappa.Utvonal / "Varion.ini");
        return {std::istreambuf_iterator<char>(be), {}};
    }
};

QColor Ablakszin(QWidget* w, QPalette::ColorRole r) {
    return w->palette().color(r);
}

TEST(Beallitasok, MegnyitasAlapallapotbanEsEgyetlenPeldany) {
    Program p;
    TBeallitasok& d = p.Nyit();
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isModal());
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d.windowTitle().toStdString(), "  Program beállítások");
    EXPECT_EQ(d.Lapok()->currentIndex(), 0);
    EXPECT_EQ(d.Lapok()->tabText(0).toStdString(), "Általános");
    EXPECT_EQ(d.Lapok()->tabText(1).toStdString(), "Szelvények");
    EXPECT_EQ(d.Lapok()->tabText(2).toStdString(), "Bontás");
    for (auto* c : {d.JovahagyasCheck(), d.InformCheck(), d.BeallitasokCheck(), d.BuborekKiBeBox()})
        EXPECT_TRUE(c->isChecked()) << c->text().toStdString();
    EXPECT_FALSE(d.SzelvAut()->isChecked());
    EXPECT_EQ(d.SzelvArEdit()->text().toStdString(), "200");
    EXPECT_EQ(d.PenznemBox()->currentText().toStdString(), " Forint");
    EXPECT_TRUE(d.KilepesGomb()->isDefault());
    EXPECT_EQ(d.AlkalmazGomb()->toolTip().toStdString(), "Beállítások alkalmazása.");
    EXPECT_EQ(d.MentesGomb()->toolTip().toStdString(), "Beállítások alkalmazása és mentése.");
    // The built-in scheme: sizes 30 and 8, locked; the colours shown but not editable.
    EXPECT_TRUE(d.SemaGomb(0)->isChecked());
    EXPECT_EQ(d.SzelvenyBox()->currentText().toStdString(), "Főszelvény");
    EXPECT_EQ(d.SzelvenyMereteUD()->value(), 30);
    EXPECT_EQ(d.SzamMereteUD()->value(), 8);
    EXPECT_FALSE(d.SzelvenyMereteUD()->isEnabledTo(&d));
    EXPECT_FALSE(d.BoxColor()->isEnabled());
    EXPECT_FALSE(d.TovabbiSzinekGomb()->isEnabled());
    EXPECT_EQ(d.NevCombo()->currentText().toStdString(), "Szelvény háttér");
    EXPECT_EQ(d.BoxColor()->currentText().toStdString(), "Sötétkék");
    EXPECT_EQ(d.MintaCella(5)->toolTip().toStdString(), "Fix szám betűszíne.");
    EXPECT_EQ(d.MintaCella(8)->toolTip().toStdString(), "Plusz szám betűszíne - a Hatoslottón.");
    EXPECT_EQ(d.IPanel()->text().toStdString(), "  A szöveg színe");
    EXPECT_EQ(Ablakszin(d.MintaCella(5), QPalette::WindowText), QColor(0, 128, 128));
    EXPECT_EQ(Ablakszin(d.ProbaszinPanel(), QPalette::Window), QColor(0, 0, 128));

    d.Lapok()->setCurrentIndex(2);
    d.KilepesGomb()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(&p.Nyit(), &d);
    EXPECT_EQ(p.ablak->findChildren<TBeallitasok*>().size(), 1);
    EXPECT_EQ(d.Lapok()->currentIndex(), 0) << "opens on \"Általános\"";
    // A game switch hides it: its slider belongs to the game it was opened for.
    p.ablak->Akcio(Parancs::Hatoslotto)->trigger();
    EXPECT_FALSE(d.isVisible());
}

// A changed scheme reaches the main ticket and the draw list's ticket at once, "Kilépés"
// before it changes nothing, and "Mentés" writes what the reader takes back.
TEST(Beallitasok, KedvencSemaSzelvenyekenEsFajlban) {
    Program p;
    p.Katt(7);
    p.ablak->Adatbazis().Lista().Start();
    TSzelveny* huzas = p.ablak->Adatbazis().Lista().SegedSzelveny();
    ASSERT_TRUE(huzas);
    const Beallitasok elotte = p.ablak->GetBeallitasok();
    const QColor hatter = Program::CellaHatter(p.Jegy(), 7);

    const auto szerkesztes = [&](TBeallitasok& d) {
        d.SemaGomb(1)->click();
        EXPECT_TRUE(d.SzelvenyMereteUD()->isEnabledTo(&d));
        d.SzelvenyMereteUD()->setValue(40);
        d.SzamMereteUD()->setValue(12);
        d.NevCombo()->setCurrentIndex(2); // "Kijelölt számbox"
        d.BoxColor()->setCurrentIndex(d.BoxColor()->findText(QStringLiteral("Piros")));
        EXPECT_EQ(Ablakszin(d.MintaCella(7), QPalette::Window), QColor(255, 0, 0));
        EXPECT_EQ(d.MintaCella(7)->geometry(), QRect(3, 3 + 2 * 41, 40, 40));
        d.SzelvenyBox()->setCurrentIndex(3); // "Húzások listája szelvény"
        d.SzelvenyMereteUD()->setValue(36);
    };
    szerkesztes(p.Nyit());
    p.D().KilepesGomb()->click();
    EXPECT_EQ(p.ablak->GetBeallitasok(), elotte);
    EXPECT_EQ(KliensSzelesseg(p.Jegy().Meretek()), 314);
    EXPECT_EQ(Program::CellaHatter(p.Jegy(), 7), hatter);

    TBeallitasok& d = p.Nyit();
    EXPECT_TRUE(d.SemaGomb(0)->isChecked()) << "unapplied edits are gone";
    d.SemaGomb(1)->click();
    EXPECT_EQ(d.SzelvenyMereteUD()->value(), 30);
    szerkesztes(d);
    d.AlkalmazGomb()->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(p.ablak->GetBeallitasok().Szinsema, 1);
    EXPECT_EQ(KliensSzelesseg(p.Jegy().Meretek()), 40 * 10 + 10 + 4);
    EXPECT_EQ(p.Jegy().width(), 414);
    EXPECT_EQ(Program::CellaHatter(p.Jegy(), 7), QColor(255, 0, 0));
    EXPECT_NE(Program::CellaHatter(p.Jegy(), 8), QColor(255, 0, 0)) << "only the marked cell";
    EXPECT_EQ(huzas->width(), 36 * 10 + 10 + 4) << "the draw list's ticket as well";

    p.u.Var(UzenetTipus::Informacio, "Beállítások elmentve.");
    d.MentesGomb()->click();
    const std::string ini = p.Ini();
    EXPECT_NE(ini.find("Szinsema=1\r\n"), std::string::npos);
    EXPECT_NE(ini.find("FSz15=40\r\n"), std::string::npos);
    EXPECT_NE(ini.find("FSz17=255\r\n"), std::string::npos);
    EXPECT_NE(ini.find("HSz15=36\r\n"), std::string::npos);
    Beallitasok vissza;
    ASSERT_TRUE(BeallitasOlvasas(p.mappa.Utvonal / "Varion.ini", vissza, p.u));
    EXPECT_EQ(vissza.SzelvSzinek, p.ablak->GetBeallitasok().SzelvSzinek);
    EXPECT_EQ(vissza.Szinsema, 1);
}

TEST(Beallitasok, ElemekEsTovabbiSzinek) {
    Program p;
    TBeallitasok& d = p.Nyit();
    d.SzelvenyBox()->setCurrentIndex(3);
    p.u.Var(UzenetTipus::Informacio,
            "A(z) Húzások listája szelvényen nem értelmezett a(z) Fix szám!");
    d.NevCombo()->setCurrentIndex(7);
    EXPECT_EQ(d.NevCombo()->currentText().toStdString(), "Kijelölt szám");
    d.SzelvenyBox()->setCurrentIndex(4);
    p.u.Var(UzenetTipus::Informacio,
            "A(z) Új húzás... szelvényen nem értelmezett a(z) Riport panel!");
    d.NevCombo()->setCurrentIndex(4);
    EXPECT_EQ(d.NevCombo()->currentText().toStdString(), "Szám");

    // ">>" preset to the shown colour; a new one switches to "Kedvenc" and is taken.
    d.SzelvenyBox()->setCurrentIndex(0);
    d.NevCombo()->setCurrentIndex(7); // "Fix szám"
    QColor kinalt;
    d.SzinDialogus = [&](const QColor& c) {
        kinalt = c;
        return c; // unchanged: nothing happens
    };
    d.SemaGomb(1)->click();
    d.TovabbiSzinekGomb()->click();
    EXPECT_EQ(kinalt, QColor(0, 128, 128));
    d.SemaGomb(0)->click();
    d.SzinDialogus = [](const QColor&) { return QColor(10, 20, 30); };
    d.SemaGomb(1)->click();
    d.TovabbiSzinekGomb()->click();
    EXPECT_TRUE(d.SemaGomb(1)->isChecked());
    EXPECT_EQ(d.BoxColor()->currentText().toStdString(), "Egyéni szín");
    EXPECT_EQ(Ablakszin(d.MintaCella(5), QPalette::WindowText), QColor(10, 20, 30));
    d.AlkalmazGomb()->click();
    EXPECT_EQ(p.ablak->GetBeallitasok().SzelvSzinek.Ertek(SzelvFajta::Foszelveny, 1,
                                                          SzelvBejegyzes::FixSzam),
              Rgb(10, 20, 30));
}

TEST(Beallitasok, AltalanosLapArPenznemBuborekokKoltseg) {
    Program p;
    const QString jel = QLocale().decimalPoint();
    TBeallitasok& d = p.Nyit();
    QLineEdit* ar = d.SzelvArEdit();
    ar->clear();
    QTest::keyClicks(ar, QStringLiteral("12a3") + jel + QStringLiteral("456"));
    EXPECT_EQ(ar->text(), QStringLiteral("123") + jel + QStringLiteral("45"));
    ar->clear();
    QTest::keyClicks(ar, QStringLiteral("12345678"));
    EXPECT_EQ(ar->text(), QStringLiteral("123456"));
    ar->clear();
    p.u.Var(UzenetTipus::ParameterHiba,
            "  Érvénytelen paraméter!      \r\rA program kijavítja a hibát.");
    emit ar->editingFinished();
    EXPECT_EQ(ar->text(), QStringLiteral("200"));

    d.PenznemBox()->setCurrentIndex(1);
    EXPECT_EQ(ar->text(), QStringLiteral("1")) << "no Euro price stored yet";
    EXPECT_EQ(p.ablak->GetBeallitasok().Penznem, 0) << "not before \"Alkalmaz\"";
    ar->setText(QStringLiteral("2") + jel + QStringLiteral("5"));
    emit ar->textEdited(ar->text());

    p.u.Var(UzenetTipus::Figyelmeztetes);
    d.JovahagyasCheck()->click();
    EXPECT_NE(p.u.Lathato().back().Szoveg.find("Ha kikapcsolja a Jóváhagyást"), std::string::npos);
    p.u.Var(UzenetTipus::Figyelmeztetes);
    d.InformCheck()->click();
    d.BuborekKiBeBox()->click();
    d.SzelvAut()->click();
    d.BeallitasokCheck()->click();

    // A finished breakdown in the breakdown window: its cost follows the new price.
    for (int n : {5, 12, 19, 33, 47, 60}) p.Katt(n);
    const auto& szamok = p.ablak->Foszelveny()->Foszelveny().Szamok();
    ASSERT_TRUE(teszt::Bontas(p.ablak->Bontas(), p.u, 5, szamok.JeloltSzamok()));
    d.AlkalmazGomb()->click();
    const auto& b = p.ablak->GetBeallitasok();
    EXPECT_EQ(b.Penznem, 1);
    EXPECT_EQ(b.ArEuro, 2.5);
    EXPECT_EQ(b.ArForint, 200.0);
    EXPECT_FALSE(b.Jovahagyas || b.Inform || b.HintStatus || b.BeallitasokMentese);
    EXPECT_TRUE(b.SzelvZarStatus);
    EXPECT_FALSE(p.u.Jovahagyas || p.u.Inform) << "the message service follows";
    EXPECT_EQ(p.ablak->BontasParancsai().BontasAblak().KoltsegCimke()->text().toStdString(),
              "Bontás költsége: 15,00 Euro.");

    // Hint bubbles are off everywhere, the dialog's own buttons included.
    QToolTip::hideText();
    QHelpEvent kerdes(QEvent::ToolTip, QPoint(5, 5), d.AlkalmazGomb()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(d.AlkalmazGomb(), &kerdes);
    EXPECT_FALSE(QToolTip::isVisible());
    d.BuborekKiBeBox()->click();
    d.AlkalmazGomb()->click();
    QApplication::sendEvent(d.AlkalmazGomb(), &kerdes);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text().toStdString(), "Beállítások alkalmazása.");
    QToolTip::hideText();

    // The printer setup works on the main window's printer.
    QPrinter* nyomtato = nullptr;
    p.parancsok->NyomtatoDialogus = [&](QPrinter& n) { nyomtato = &n; };
    d.NyomtatoGomb()->click();
    EXPECT_EQ(nyomtato, &p.ablak->Nyomtatas()->Nyomtato());
}

TEST(Beallitasok, KapacitasASzabadMemoriaigEsIdokorlat) {
    Program p;
    p.parancsok->SzabadMemoria = [] { return std::optional<std::uint64_t>(100000000); };
    TBeallitasok& d = p.Nyit();
    auto* tb = d.BontMaxMereteTB();
    EXPECT_EQ(tb->minimum(), 100000);
    EXPECT_EQ(tb->maximum(), 43949268);
    EXPECT_EQ(tb->value(), 100000);
    EXPECT_EQ(d.KapacitasCimke()->text().toStdString(), "100 000 darab szelvény.");
    tb->setValue(150000);
    EXPECT_EQ(d.KapacitasCimke()->text().toStdString(), "100 000 darab szelvény.");
    // 100 MB free allow 4 180 000 rows; beyond that the warning and the mark.
    tb->setValue(tb->maximum());
    EXPECT_FALSE(d.Memo1()->isHidden());
    EXPECT_TRUE(d.Memo1()->text().startsWith(QStringLiteral("Figyelmeztetés!")));
    EXPECT_EQ(tb->Jeloles(), 4180000);
    EXPECT_EQ(d.KapacitasCimke()->text().toStdString(), "4 100 000 darab szelvény.");
    d.OptimalizalasIdoUD()->setValue(25);
    d.AlkalmazGomb()->click();
    EXPECT_EQ(p.ablak->Bontas().GetBontasMaxMerete(), 4100000);
    EXPECT_EQ(p.ablak->GetBeallitasok().OptimalizalasIdo, 25);
    tb->setValue(250000);
    EXPECT_TRUE(d.Memo1()->isHidden());
    EXPECT_FALSE(tb->Jeloles());

    // Unknown free memory sets no limit: the maximum is stored exactly.
    p.parancsok->SzabadMemoria = [] { return std::nullopt; };
    p.Nyit();
    EXPECT_EQ(tb->value(), 4100000);
    tb->setValue(tb->maximum());
    EXPECT_EQ(d.KapacitasCimke()->text().toStdString(), "43 949 268 darab szelvény.");
    p.u.Var(UzenetTipus::Informacio, "Beállítások elmentve.");
    d.MentesGomb()->click();
    EXPECT_EQ(p.ablak->Bontas().GetBontasMaxMerete(), 43949268);
    EXPECT_NE(p.Ini().find("OptimalizalasIdo=25\r\n"), std::string::npos);
}

TEST(Beallitasok, SikertelenMentes) {
    Program p;
    TBeallitasok& d = p.Nyit();
    // A folder where the file should be: it cannot be written.
    fs::remove(p.mappa.Utvonal / "Varion.ini");
    fs::create_directory(p.mappa.Utvonal / "Varion.ini");
    d.InformCheck()->click();
    p.u.Var(UzenetTipus::HibaUzenet,
            "Nem sikerült megnyitni/írni a Varion program INI állományát!");
    d.MentesGomb()->click();
    EXPECT_FALSE(p.ablak->GetBeallitasok().Inform) << "applied all the same";
    EXPECT_TRUE(d.isVisible());
}

} // namespace
} // namespace varion::ui
