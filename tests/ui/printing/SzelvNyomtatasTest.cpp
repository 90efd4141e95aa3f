// Slips printed through the program's own print run, rendered with pdftoppm and measured:
// every mark must lie within 0.5 mm of the centre of its box. The expected boxes come from
// the slip's millimetre table written out again here, not from the program's table.
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <thread>

#include "printing/USzelvNyomtatas.h"
#include "support/BontasSegito.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

struct Pont {
    double X, Y; // millimetres from the paper's top-left corner
};

// The slips as printed on paper, in millimetres.
struct Lap {
    int Oszlopok;
    std::vector<Pont> Mezok; // box of number 1 of each field
    Pont Joker;
};
Lap LapJatek(int jatek) {
    if (jatek == 6)
        return {7,
                {{21.5, 15},
                 {55.5, 15},
                 {89, 15},
                 {122.5, 15},
                 {21.5, 48.5},
                 {55.5, 48.5},
                 {89, 48.5},
                 {122.5, 48.5}},
                {34.5, 96.5}};
    if (jatek == 7)
        return {5,
                {{27, 15.5},
                 {52.5, 15.5},
                 {77.5, 15.5},
                 {102.5, 15.5},
                 {128, 15.5},
                 {27, 49},
                 {52.5, 49},
                 {77.5, 49},
                 {102.5, 49},
                 {128, 49}},
                {40, 97.1}};
    return {10, {{21.5, 15}, {68, 15}, {114, 15}, {21.5, 56}, {68, 56}, {114, 56}}, {76, 97}};
}

Pont DobozKozep(const Lap& l, int mezo, int szam) {
    const Pont o = l.Mezok[static_cast<std::size_t>(mezo)];
    return {o.X + 4.2 * ((szam - 1) % l.Oszlopok) + 2.1,
            o.Y + 4.2 * ((szam - 1) / l.Oszlopok) + 2.1};
}

// VARION_PDF_MAPPA keeps a copy of the printed PDFs for a look at them.
void Megorzes(const std::filesystem::path& pdf) {
    if (const QString m = qEnvironmentVariable("VARION_PDF_MAPPA"); !m.isEmpty())
        std::filesystem::copy_file(pdf, std::filesystem::path(m.toStdString()) / pdf.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

bool Van(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// The centres of the dark blobs of page 1, in millimetres (rendered at 254 dpi: 0.1 mm a
// pixel).
std::vector<Pont> Foltok(const std::filesystem::path& pdf, const std::filesystem::path& mappa) {
    const auto kep = mappa / "lap";
    const std::string p = "pdftoppm -r 254 -gray -f 1 -l 1 -singlefile '" + pdf.string() + "' '" +
                          kep.string() + "' 2>/dev/null";
    if (std::system(p.c_str()) != 0) return {};
    std::ifstream f(kep.string() + ".pgm", std::ios::binary);
    std::string tipus;
    int w = 0, h = 0, max = 0;
    f >> tipus >> w >> h >> max;
    f.get();
    std::vector<unsigned char> px(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    f.read(reinterpret_cast<char*>(px.data()), static_cast<std::streamsize>(px.size()));
    std::vector<int> cimke(px.size(), 0);
    std::vector<Pont> ki;
    std::vector<std::size_t> verem;
    for (std::size_t i = 0; i < px.size(); ++i) {
        if (px[i] >= 128 || cimke[i]) continue;
        double sx = 0, sy = 0;
        int db = 0;
        verem.push_back(i);
        cimke[i] = 1;
        while (!verem.empty()) {
            const std::size_t k = verem.back();
            verem.pop_back();
            const int x = static_cast<int>(k % static_cast<std::size_t>(w));
            const int y = static_cast<int>(k / static_cast<std::size_t>(w));
            sx += x + 0.5;
            sy += y + 0.5;
            ++db;
            for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx) {
                    const auto j = static_cast<std::size_t>(ny) * static_cast<std::size_t>(w) +
                                   static_cast<std::size_t>(nx);
                    if (px[j] < 128 && !cimke[j]) {
                        cimke[j] = 1;
                        verem.push_back(j);
                    }
                }
        }
        ki.push_back({sx / db * 0.1, sy / db * 0.1});
    }
    return ki;
}

struct Bontott {
    TBontas Bontas;
    BontasRiportAdatok Adatok;
};

void Keszit(Bontott& b, int jatek, const Szamsor& jelolt, const Szamsor& fix) {
    teszt::RogzitoUzenetek u;
    u.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(b.Bontas, u, jatek, jelolt, nullptr, fix));
    b.Adatok.Bontas = &b.Bontas;
    b.Adatok.FixSzamok = fix;
}

// Every mark of slip 1 and the Joker "Igen" box, each within 0.5 mm, and nothing else.
void Meres(const std::vector<Pont>& foltok, Bontott& b) {
    const int jatek = b.Bontas.Jatek();
    const Lap l = LapJatek(jatek);
    std::vector<Pont> vart;
    const int mezok =
        std::min<int>(static_cast<int>(l.Mezok.size()), b.Bontas.GetTaroltNyerSzelv());
    for (int f = 0; f < mezok; ++f) {
        std::vector<int> szamok;
        for (auto i : b.Bontas.Sor(f).first(static_cast<std::size_t>(b.Bontas.SorHossz())))
            szamok.push_back(b.Bontas.BontasSzamok()[i]);
        szamok.insert(szamok.end(), b.Adatok.FixSzamok.begin(), b.Adatok.FixSzamok.end());
        for (int n : szamok) vart.push_back(DobozKozep(l, f, n));
    }
    vart.push_back({l.Joker.X + 2.1, l.Joker.Y + 2.1});
    EXPECT_EQ(foltok.size(), vart.size());
    double legrosszabb = 0;
    for (const Pont& v : vart) {
        double legkozelebb = 1e9;
        for (const Pont& f : foltok)
            legkozelebb = std::min(legkozelebb, std::hypot(f.X - v.X, f.Y - v.Y));
        EXPECT_LT(legkozelebb, 0.5) << "game " << jatek << " box at " << v.X << ", " << v.Y;
        legrosszabb = std::max(legrosszabb, legkozelebb);
    }
    std::printf("game %d: %zu marks, largest distance from a box centre %.3f mm\n", jatek,
                vart.size(), legrosszabb);
}

void Kesz3(Bontott (&b)[3]) {
    Keszit(b[0], 5, {1, 10, 45, 81, 90, 55}, {23});     // 15 tickets, the fixed 23 on each
    Keszit(b[1], 6, {1, 7, 43, 45, 22, 30, 15}, {});    // 7 tickets
    Keszit(b[2], 7, {1, 5, 31, 35, 18, 9, 27, 13}, {}); // 8 tickets
}

TEST(SzelvNyomtatasKep, MarksOfEveryGameOnAPdfPage) {
    if (!Van("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    Bontott b[3];
    Kesz3(b);
    teszt::IdeiglenesMappa m;
    for (auto& x : b) {
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        const auto pdf = m / ("szelveny" + std::to_string(x.Bontas.Jatek()) + ".pdf");
        p.setOutputFileName(QString::fromStdString(pdf.string()));
        p.setPageSize(QPageSize(QPageSize::A4));
        teszt::RogzitoUzenetek u;
        ASSERT_TRUE(ui::SzelvNyomtVez(p, x.Adatok, {1, 1}, {JokerJeloles::Igen, false}, u));
        Meres(Foltok(pdf, m.Utvonal), x);
        Megorzes(pdf);
    }
}

TEST(SzelvNyomtatasKep, PaperSmallerThanASlipIsRefused) {
    Bontott b;
    Keszit(b, 5, {1, 2, 3, 4, 5, 6}, {});
    teszt::IdeiglenesMappa m;
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString((m / "a6.pdf").string()));
    p.setPageSize(QPageSize(QPageSize::A6));
    teszt::RogzitoUzenetek u;
    u.Var(UzenetTipus::HibaUzenet,
          "A nyomtató beállítása szerinti lapméret kisebb, mint egy segédsorsjegy mérete!\r\rA "
          "nyomtatási oldal (lapméret) minimális méretei:\r- szélesség 170 mm\r- magasság 115 mm");
    EXPECT_FALSE(ui::SzelvNyomtVez(p, b.Adatok, {1, 1}, {}, u));
    EXPECT_FALSE(std::filesystem::exists(m / "a6.pdf"));
}

} // namespace
} // namespace varion

namespace varion {
namespace {

// A CUPS server of the test's own in a temporary folder, with a cups-pdf queue as its
// default printer; stopped by its process id at the end.
class SajatCups {
public:
    std::string Hiany; // why the server could not be set up
    teszt::IdeiglenesMappa Mappa;
    QProcess Szerver;

    SajatCups() {
        for (const char* p : {"cupsd", "lpadmin", "pdftoppm"})
            if (!Van(p)) {
                Hiany = std::string(p) + " is not installed";
                return;
            }
        if (!std::filesystem::exists("/usr/lib/cups/backend/cups-pdf") ||
            !std::filesystem::exists("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")) {
            Hiany = "printer-driver-cups-pdf is not installed";
            return;
        }
        const auto d = Mappa.Utvonal;
        for (const char* s : {"spool", "tmp", "cache", "state", "log"})
            std::filesystem::create_directories(d / s);
        std::filesystem::permissions(d / "tmp", std::filesystem::perms::all |
                                                    std::filesystem::perms::sticky_bit);
        std::ofstream(d / "cupsd.conf")
            << "Listen " << (d / "cups.sock").string()
            << "\nLogLevel warn\nWebInterface No\nDefaultAuthType None\n<Location />\n  Order "
               "allow,deny\n  Allow all\n</Location>\n<Policy default>\n  <Limit All>\n    "
               "Order deny,allow\n  </Limit>\n</Policy>\n";
        std::ofstream(d / "cups-files.conf")
            << "ServerRoot " << d.string() << "\nRequestRoot " << (d / "spool").string()
            << "\nTempDir " << (d / "tmp").string() << "\nCacheDir " << (d / "cache").string()
            << "\nStateDir " << (d / "state").string() << "\nErrorLog "
            << (d / "log/error_log").string() << "\nAccessLog " << (d / "log/access_log").string()
            << "\nPageLog " << (d / "log/page_log").string()
            << "\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSystemGroup root\n"
               "Sandboxing Relaxed\n";
        Szerver.start(QStringLiteral("cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"),
                       QString::fromStdString((d / "cupsd.conf").string()), QStringLiteral("-s"),
                       QString::fromStdString((d / "cups-files.conf").string())});
        if (!Szerver.waitForStarted(5000)) {
            Hiany = "cupsd did not start";
            return;
        }
        for (int i = 0; i < 50 && !std::filesystem::exists(d / "cups.sock"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        qputenv("CUPS_SERVER", QByteArray::fromStdString((d / "cups.sock").string()));
        const std::string env = "CUPS_SERVER='" + (d / "cups.sock").string() + "' ";
        if (std::system((env +
                         "lpadmin -p VarionTeszt -v cups-pdf:/ -P "
                         "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null && " +
                         env + "lpadmin -d VarionTeszt")
                            .c_str()) != 0)
            Hiany = "lpadmin could not add the cups-pdf queue";
    }
    ~SajatCups() {
        if (Szerver.state() != QProcess::NotRunning) {
            Szerver.terminate();
            if (!Szerver.waitForFinished(5000)) Szerver.kill();
        }
        qunsetenv("CUPS_SERVER");
    }
};

// The PDF that cups-pdf wrote for a job of this title, once it is complete.
std::optional<std::filesystem::path> CupsPdf(const std::string& cim) {
    const auto mappa = std::filesystem::path(qEnvironmentVariable("HOME").toStdString()) / "PDF";
    for (int i = 0; i < 300; ++i) {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(mappa, ec))
            if (e.path().filename().string().starts_with(cim) && e.path().extension() == ".pdf" &&
                std::system(("pdfinfo '" + e.path().string() + "' >/dev/null 2>&1").c_str()) == 0)
                return e.path();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

// The CUPS client library keeps the server it first talked to, so the run against the
// test's own server happens in a fresh process of this same program.
TEST(SzelvNyomtatasKep, MarksOfEveryGameThroughACupsQueue) {
    if (qEnvironmentVariableIsEmpty("VARION_SAJAT_CUPS")) {
        QProcess gyermek;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VARION_SAJAT_CUPS"), QStringLiteral("1"));
        gyermek.setProcessEnvironment(env);
        gyermek.setProcessChannelMode(QProcess::MergedChannels);
        gyermek.setWorkingDirectory(QDir::tempPath()); // an earlier test may have removed ours
        gyermek.start(
            QStringLiteral("/proc/self/exe"),
            {QStringLiteral("--gtest_filter=SzelvNyomtatasKep.MarksOfEveryGameThroughACupsQueue")});
        ASSERT_TRUE(gyermek.waitForFinished(120000));
        const QString ki = QString::fromUtf8(gyermek.readAll());
        for (const QString& sor : ki.split(QLatin1Char('\n')))
            if (sor.startsWith(QStringLiteral("game")) ||
                sor.startsWith(QStringLiteral("skipped")) ||
                sor.contains(QStringLiteral("Failure")) || sor.contains(QStringLiteral("Expected")))
                std::printf("%s\n", qPrintable(sor));
        EXPECT_EQ(gyermek.exitCode(), 0) << qPrintable(ki.right(3000));
        if (ki.contains(QStringLiteral("[  SKIPPED ]"))) GTEST_SKIP() << "see the reason above";
        return;
    }
    SajatCups cups;
    if (!cups.Hiany.empty()) {
        std::printf("skipped: %s\n", cups.Hiany.c_str());
        GTEST_SKIP() << cups.Hiany;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(QStringLiteral("VarionTeszt"));
    if (info.isNull()) GTEST_SKIP() << "Qt does not see the test's CUPS queue";
    Bontott b[3];
    Kesz3(b);
    for (auto& x : b) {
        const std::string cim =
            "varion-teszt-" + std::to_string(::getpid()) + "-" + std::to_string(x.Bontas.Jatek());
        QPrinter p(info, QPrinter::HighResolution);
        p.setDocName(QString::fromStdString(cim));
        p.setPageSize(QPageSize(QPageSize::A4));
        teszt::RogzitoUzenetek u;
        ASSERT_TRUE(ui::SzelvNyomtVez(p, x.Adatok, {1, 1}, {JokerJeloles::Igen, false}, u));
        const auto pdf = CupsPdf(cim);
        ASSERT_TRUE(pdf) << "cups-pdf wrote no file for " << cim;
        Meres(Foltok(*pdf, cups.Mappa.Utvonal), x);
        std::filesystem::remove(*pdf);
    }
}

} // namespace
} // namespace varion
