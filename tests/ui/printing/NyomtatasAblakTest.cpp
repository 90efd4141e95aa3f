// The print options dialog, the report hand-over and the information window, driven as the
// player drives them, with the messages recorded.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "app/UUzenetAblak.h"
#include "breakdown/UInfo.h"
#include "printing/UNyomtOpc.h"
#include "printing/URiportKiadas.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using enum UzenetTipus;

// pdftotext folds runs of blanks into one.
std::string PdfSzoveg(const std::filesystem::path& pdf) {
    const std::string p = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    FILE* f = ::popen(p.c_str(), "r");
    std::string ki;
    char b[4096];
    for (std::size_t n; f && (n = std::fread(b, 1, sizeof b, f)) > 0;) ki.append(b, n);
    if (f) ::pclose(f);
    return ki;
}

// 13 stored tickets of game 5.
void Tizenharom(TBontas& b) {
    BetoltottBontas be;
    be.SorHossz = 5;
    be.MatrixSzelesseg = 5;
    be.BontasSzamok = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int r = 0; r < 13; ++r)
        for (int i = 0; i < 5; ++i) be.Matrix.push_back(static_cast<std::uint8_t>(i + r % 5));
    be.Sorok = 13;
    be.BontMutStat.assign(9, 1);
    ASSERT_TRUE(b.BontasBetoltve(be));
}

TEST(NyomtOpc, SlipThreeOfThirteenTicketsTheTestPageAndTheLimits) {
    TBontas b;
    Tizenharom(b);
    teszt::IdeiglenesMappa m;
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setPageSize(QPageSize(QPageSize::A4));
    RogzitoUzenetek u;
    ui::TNyomtOpc d(nullptr, p, u);
    d.VanNyomtato = [] { return true; };
    int dialogus = 0;
    d.NyomtatoDialogus = [&](QPrinter&, NyomtTartomany&, int db) {
        EXPECT_EQ(db, 3);
        ++dialogus;
        return true;
    };
    BontasRiportAdatok a;
    a.Bontas = &b;
    // A range from an earlier, larger breakdown is pulled inside 1..3.
    d.SetSorszamLog(false);
    d.SetTartomany({7, 9});
    const auto pdf = m / "harmadik.pdf";
    p.setOutputFileName(QString::fromStdString(pdf.string()));
    QTimer::singleShot(0, &d, [&] {
        EXPECT_EQ(d.Tartomany(), (NyomtTartomany{3, 3}));
        EXPECT_TRUE(d.JokerGroup()->button(1)->isChecked()); // " Nem" by default
        d.JokerGroup()->button(2)->click();
        d.NyomtatasGomb()->click();
    });
    d.Start(a);
    EXPECT_EQ(d.GetJoker(), JokerJeloles::Jeloletlen);
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        const std::string t = PdfSzoveg(pdf);
        EXPECT_NE(t.find("3. \\ 13. - 13."), std::string::npos) << t;
        EXPECT_EQ(t.find("1. \\"), std::string::npos);
    }

    // The test page prints slip 1 and leaves the range as it was.
    d.SetTartomany({2, 3});
    const auto teszt = m / "teszt.pdf";
    p.setOutputFileName(QString::fromStdString(teszt.string()));
    QTimer::singleShot(0, &d, [&] {
        d.TesztGomb()->click();
        EXPECT_EQ(d.Tartomany(), (NyomtTartomany{2, 3}));
        d.reject();
    });
    d.Start(a);
    ASSERT_TRUE(std::filesystem::exists(teszt));
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        EXPECT_NE(PdfSzoveg(teszt).find("1. \\ 1. - 6."), std::string::npos);
    }
    EXPECT_EQ(dialogus, 0);
    EXPECT_TRUE(u.Lathato().empty());
}

TEST(NyomtOpc, MoreThan30SlipsAskAndMoreThan100AreRefused) {
    TBontas b;
    RogzitoUzenetek uu;
    uu.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(b, uu, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    teszt::IdeiglenesMappa m;
    p.setOutputFileName(QString::fromStdString((m / "x.pdf").string()));
    RogzitoUzenetek u;
    ui::TNyomtOpc d(nullptr, p, u);
    d.VanNyomtato = [] { return true; };
    int dialogus = 0;
    d.NyomtatoDialogus = [&](QPrinter&, NyomtTartomany&, int) { return ++dialogus, true; };
    u.Var(HibaUzenet, TobbMint100Szoveg());
    u.Var(FigyelmeztetoKerdes, TobbMint30Szoveg(), false);
    QTimer::singleShot(0, &d, [&] {
        EXPECT_EQ(d.Tartomany(), (NyomtTartomany{1, 334})); // 2002 tickets
        d.NyomtatasGomb()->click();
        EXPECT_TRUE(d.isVisible());
        d.SetTartomany({1, 31});
        d.NyomtatasGomb()->click();
        EXPECT_EQ(dialogus, 1);
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    BontasRiportAdatok ra;
    ra.Bontas = &b;
    d.Start(ra);
    EXPECT_FALSE(std::filesystem::exists(m / "x.pdf"));
    EXPECT_TRUE(u.ElfogyottAForgatokonyv());
}

TEST(RiportKiadas, NoPrinterBusyFileAndTheHandOver) {
    teszt::IdeiglenesMappa m;
    const Riport r{{"Első sor", true}, {"Lista vége."}};
    RogzitoUzenetek u;
    std::atomic<int> megnyitva = 0;
    QUrl url;
    const ui::Megnyito megnyito = [&](const QUrl& x) {
        url = x;
        ++megnyitva;
    };
    u.Var(HibaUzenet, "Nincs alapértelmezett nyomtató!");
    EXPECT_FALSE(ui::RiportKiadas(r, 8, m / "bontlist.rtf", u, megnyito, [] { return false; }));
    EXPECT_FALSE(std::filesystem::exists(m / "bontlist.rtf"));

    // A name another program holds cannot be opened for writing; a folder stands in here.
    std::filesystem::create_directory(m / "huzlist.rtf");
    u.Var(HibaUzenet,
          "Foglalt állomány!\r\rAz alábbi néven és útvonalon lett megnyitva:\r    " +
              (m / "huzlist.rtf").string() +
              "      \r\rNevezze át és/vagy zárja be a már megnyitott állományt.      ");
    EXPECT_FALSE(ui::RiportKiadas(r, 8, m / "huzlist.rtf", u, megnyito, [] { return true; }));

    EXPECT_TRUE(ui::RiportKiadas(r, 8, m / "bontlist.rtf", u, megnyito, [] { return true; }));
    for (int i = 0; i < 100 && megnyitva == 0; ++i) QTest::qWait(20);
    EXPECT_EQ(megnyitva, 1);
    EXPECT_EQ(url.toLocalFile().toStdString(), (m / "bontlist.rtf").string());
    std::ifstream f(m / "bontlist.rtf");
    const std::string rtf((std::istreambuf_iterator<char>(f)), {});
    EXPECT_NE(rtf.find("{\\b Els\\u337\\'f5 sor}\\par"), std::string::npos);
    EXPECT_TRUE(u.ElfogyottAForgatokonyv());
}

// What the waiting notice said each time it came up.
struct Varakozasok : QObject {
    ui::TUzenetAblak& Ablak;
    std::vector<std::string> Szovegek;
    explicit Varakozasok(ui::TUzenetAblak& a) : Ablak(a) { a.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) Szovegek.push_back(Ablak.Info()->text().toStdString());
        return false;
    }
};

// The report and the slips are made under the waiting notice; a report that cannot be
// printed is not made at all.
TEST(RiportKiadas, WaitingNoticeWhileTheReportAndTheSlipsAreMade) {
    QWidget fo;
    fo.show();
    ui::TUzenetAblak toast(&fo);
    Varakozasok v(toast);
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    int epitve = 0;
    const auto epites = [&] {
        ++epitve;
        EXPECT_TRUE(toast.isVisible());
        return Riport{{"Lista vége."}};
    };
    const ui::Megnyito megnyito = [](const QUrl&) {};
    u.Var(HibaUzenet, "Nincs alapértelmezett nyomtató!");
    EXPECT_FALSE(ui::RiportKiadas(
        epites, 8, m / "huzlist.rtf", u, megnyito, [] { return false; }, &toast));
    EXPECT_EQ(epitve, 0);
    EXPECT_TRUE(ui::RiportKiadas(
        epites, 8, m / "huzlist.rtf", u, megnyito, [] { return true; }, &toast));
    EXPECT_EQ(epitve, 1);
    EXPECT_FALSE(toast.isVisible());
    EXPECT_EQ(v.Szovegek, (std::vector<std::string>{"Nyomtatási állomány elkészítése."}));

    TBontas b;
    Tizenharom(b);
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setOutputFileName(QString::fromStdString((m / "szelvenyek.pdf").string()));
    ui::TNyomtOpc d(nullptr, p, u);
    d.VanNyomtato = [] { return true; };
    d.Varakozas = &toast;
    BontasRiportAdatok a;
    a.Bontas = &b;
    QTimer::singleShot(0, &d, [&] {
        d.TesztGomb()->click();
        d.reject();
    });
    d.Start(a);
    EXPECT_FALSE(toast.isVisible());
    EXPECT_EQ(v.Szovegek.back(), "Nyomtatási állományok elkészítése.");
    EXPECT_TRUE(u.ElfogyottAForgatokonyv());
}

// "Mentés PDF-be...": the same lines, paged at the same places.
TEST(RiportKiadas, PdfHasTheLinesAndThePagesOfTheReport) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TBontas b;
    RogzitoUzenetek u;
    u.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(b, u, 5, {3, 9, 17, 22, 30, 41, 50, 61, 77, 88}, nullptr, {90}));
    BontasRiportAdatok a;
    a.Bontas = &b;
    a.FixSzamok = {90};
    a.JegyAr = 300;
    const Riport r = BontRiport(a, {"Varion", "1.6.0.2", "2024.05.17."}); // 210 tickets
    teszt::IdeiglenesMappa m;
    const auto pdf = m / "bontlist.pdf";
    ASSERT_TRUE(ui::RiportPdf(r, 8, QString::fromStdString(pdf.string())));
    const std::string t = PdfSzoveg(pdf);
    EXPECT_NE(t.find("1/2 oldal."), std::string::npos);
    EXPECT_NE(t.find("2/2 oldal."), std::string::npos);
    EXPECT_NE(t.find("Lista vége."), std::string::npos);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\f'), 2); // pdftotext ends every page so
    if (const QString k = qEnvironmentVariable("VARION_PDF_MAPPA"); !k.isEmpty())
        std::filesystem::copy_file(pdf, std::filesystem::path(k.toStdString()) / "bontlist.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
}

TEST(Info, ColumnsForNumbersThatOccurAndScrollingFrom16) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    u.MindentElfogad();
    FeltetelAdatok fa;
    fa.EsemOsszegBe = 1;
    fa.EsemOsszFix = 15;
    fa.EsemOsszMax = 120;
    const Szamsor jelolt{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 80};
    const FeltetelKeszlet k = teszt::Keszlet(fa, jelolt, 5);
    TBontas b;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, jelolt, &k, {90}));
    ui::TInfo info(nullptr, m.Utvonal, u);
    BontasRiportAdatok a;
    a.Bontas = &b;
    a.Feltetelek = &k;
    a.FixSzamok = {90};
    info.Start(a);
    const auto gyak = SzamGyakorisagok(b);
    EXPECT_EQ(info.BontSzamElofGrid()->columnCount(), static_cast<int>(gyak.size()));
    EXPECT_EQ(info.Label1()->text().toStdString(),
              "A bontásba került " + std::to_string(gyak.size()) +
                  " számok előfordulásának gyakorisága - a fix szám kivételével");
    EXPECT_EQ(info.BontSzamElofGrid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(
        info.BontInfo()->toPlainText().contains(QStringLiteral("Számsor összege feltétel.")));
    EXPECT_EQ(info.height(), 450);

    // A sum limit that no row with 80 meets leaves 80 without a column.
    ui::TInfo kicsi(nullptr, m.Utvonal, u);
    FeltetelAdatok fb = fa;
    fb.EsemOsszMax = 40;
    const Szamsor keves{1, 2, 3, 4, 5, 6, 80};
    const FeltetelKeszlet k2 = teszt::Keszlet(fb, keves, 5);
    TBontas b2;
    ASSERT_TRUE(teszt::Bontas(b2, u, 5, keves, &k2));
    BontasRiportAdatok ra2;
    ra2.Bontas = &b2;
    ra2.Feltetelek = &k2;
    kicsi.Start(ra2);
    EXPECT_EQ(kicsi.BontSzamElofGrid()->columnCount(), 6);
    EXPECT_EQ(kicsi.BontSzamElofGrid()->item(0, 5)->text().toStdString(), "     6");
    EXPECT_EQ(kicsi.BontSzamElofGrid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(kicsi.Label1()->text().toStdString(),
              "A bontásba került 6 számok előfordulásának gyakorisága");
    // Printing writes infolist.rtf in the program folder and hands it over.
    std::atomic<int> megnyitva = 0;
    kicsi.Megnyitas = [&](const QUrl&) { ++megnyitva; };
    kicsi.VanNyomtato = [] { return true; };
    kicsi.NyomtatasGomb()->click();
    for (int i = 0; i < 100 && megnyitva == 0; ++i) QTest::qWait(20);
    EXPECT_EQ(megnyitva, 1);
    EXPECT_TRUE(std::filesystem::exists(m / "infolist.rtf"));
}

} // namespace
} // namespace varion
