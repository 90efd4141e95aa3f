// "Frissítés az internetről" against an HTTP server on 127.0.0.1 that the test runs itself:
// nothing here reaches outside the machine.
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

#include "app/UUzenetAblak.h"
#include "draws/UHuzasLetoltes.h"
#include "ui/draws/HuzasProgram.h"

namespace varion::ui {
namespace {

using namespace teszt_huzas;
using enum UzenetTipus;

// Answers every request with `Valasz` as it stands (status line, headers, body) and closes
// the connection; with an empty answer it keeps the connection open and says nothing.
struct HttpSzerver {
    QTcpServer szerver;
    QByteArray Valasz;
    int Keresek = 0;

    HttpSzerver() {
        EXPECT_TRUE(szerver.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&szerver, &QTcpServer::newConnection, &szerver, [this] {
            while (QTcpSocket* k = szerver.nextPendingConnection()) {
                QObject::connect(k, &QTcpSocket::readyRead, k, [this, k] {
                    const QByteArray eddig = k->property("keres").toByteArray() + k->readAll();
                    k->setProperty("keres", eddig);
                    if (!eddig.contains("\r\n\r\n")) return;
                    ++Keresek;
                    k->setProperty("keres", QByteArray());
                    if (Valasz.isEmpty()) return;
                    k->write(Valasz);
                    k->disconnectFromHost();
                });
            }
        });
    }
    QString Cim() const {
        return QStringLiteral("http://127.0.0.1:%1/otos.csv").arg(szerver.serverPort());
    }
};

QByteArray Ok(const QByteArray& torzs, qint64 hossz = -1) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/csv\r\nContent-Length: " +
           QByteArray::number(hossz < 0 ? torzs.size() : hossz) + "\r\nConnection: close\r\n\r\n" +
           torzs;
}

const QByteArray Ujabb = "2020;5;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;31;32;33;34;35\r\n"
                         "2020;4;;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;21;22;23;24;25\r\n" +
                         QByteArray::fromStdString(Otos);

// The program with game 5's address set in its settings file to `cim`.
std::unique_ptr<Program> Inditas(const QString& cim) {
    return std::make_unique<Program>(
        Otos, "[Varion]\r\nJatek=5\r\n[Adatbazis]\r\nHuzasCim5=" + cim.toStdString() + "\r\n");
}

// Runs the download to its end; the database must be as it was.
void Letoltes(Program& p) {
    p.A().LetoltesIdokorlat = 400;
    p.ablak->Akcio(Parancs::AdbListazas)->trigger();
    p.A().FrissitesAkcio()->trigger();
    ASSERT_NE(p.A().Folyamat(), nullptr) << "the progress window with its cancel";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p.A().Letoltes().Fut(); }, 10000));
    QTest::qWait(20);
    EXPECT_EQ(p.A().Folyamat(), nullptr);
    EXPECT_FALSE(p.A().Toast().isVisible());
}

void Valtozatlan(Program& p) {
    EXPECT_TRUE(p.u.ElfogyottAForgatokonyv());
    EXPECT_EQ(p.ablak->Huzasok().HuzasDb(), 3);
    EXPECT_FALSE(p.ablak->Akcio(Parancs::AdbMentes)->isEnabled());
    EXPECT_FALSE(p.L().Gomb("VisszaGomb")->isEnabled());
}

TEST(HuzasLetoltes, JoAllomanyEgyVisszavonhatoLepesbenKerulAzAdatbazisba) {
    HttpSzerver sz;
    sz.Valasz = Ok(Ujabb);
    auto p = Inditas(sz.Cim());
    p->u.Var(Informacio, "2 húzás hozzáadva.");
    Letoltes(*p);
    EXPECT_TRUE(p->u.ElfogyottAForgatokonyv());
    EXPECT_EQ(sz.Keresek, 1);
    EXPECT_EQ(p->ablak->Huzasok().HuzasDb(), 5);
    EXPECT_EQ(p->ablak->Huzasok().Ertek(4, 3), 31);
    EXPECT_EQ(p->L().HuzTabla()->model()->rowCount(), 5);
    EXPECT_TRUE(p->ablak->Akcio(Parancs::AdbMentes)->isEnabled());
    p->L().Gomb("VisszaGomb")->click();
    EXPECT_EQ(p->ablak->Huzasok().HuzasDb(), 3) << "one undo takes back the whole download";

    // The same file again adds nothing and says so.
    p->L().Gomb("MegseGomb")->click();
    p->u.Var(Informacio,
             "Az állományban nincs az adatbázisénál újabb húzás, az adatbázis nem változott.");
    Letoltes(*p);
    EXPECT_EQ(p->ablak->Huzasok().HuzasDb(), 5);
}

TEST(HuzasLetoltes, KiszolgaloNelkul) {
    QString cim;
    {
        HttpSzerver sz; // the port is free again when it closes
        cim = sz.Cim();
    }
    auto p = Inditas(cim);
    p->u.Var(HibaUzenet, "Nem sikerült kapcsolódni a kiszolgálóhoz:\r" + cim.toStdString());
    Letoltes(*p);
    Valtozatlan(*p);
}

TEST(HuzasLetoltes, IdotullepesHttpHibaEsKorbeiranyitas) {
    HttpSzerver sz;
    auto p = Inditas(sz.Cim());

    p->u.Var(HibaUzenet, "A letöltés túllépte az időkorlátot, az adatbázis nem változott.");
    Letoltes(*p); // the server keeps silent
    Valtozatlan(*p);

    sz.Valasz = "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nNot found";
    p->u.Var(HibaUzenet, "A kiszolgáló hibát jelzett (HTTP 404), az adatbázis nem változott.");
    Letoltes(*p);
    Valtozatlan(*p);

    sz.Valasz = "HTTP/1.1 302 Found\r\nLocation: " + sz.Cim().toUtf8() +
                "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    sz.Keresek = 0;
    p->u.Var(HibaUzenet, "A kiszolgáló körbe irányítja a kérést, a letöltés nem sikerült.");
    Letoltes(*p);
    Valtozatlan(*p);
    EXPECT_LE(sz.Keresek, 6) << "the redirects are bounded";
}

TEST(HuzasLetoltes, IdegenEsCsonkaAllomany) {
    HttpSzerver sz;
    auto p = Inditas(sz.Cim());

    sz.Valasz = Ok("<html><body>Karbantartás</body></html>\r\n");
    p->u.Var(HibaUzenet, "A letöltött állomány nem a(z) Ötöslottó húzásainak állománya, az "
                         "adatbázis nem változott.\rHibás sor a húzások állományában: 1. sor.");
    Letoltes(*p);
    Valtozatlan(*p);

    // Another game's export: Hatoslottó lines have more fields.
    sz.Valasz = Ok("2020;5;2020.01.30.;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;0;0 Ft;1;2;3;4;5;6\r\n");
    p->u.Var(HibaUzenet, "A letöltött állomány nem a(z) Ötöslottó húzásainak állománya, az "
                         "adatbázis nem változott.\rHibás sor a húzások állományában: 1. sor.");
    Letoltes(*p);
    Valtozatlan(*p);

    // The connection ends in the middle of the file: a cut line could still look whole, so
    // the declared length decides.
    sz.Valasz = Ok(Ujabb.left(60), Ujabb.size());
    p->u.Var(HibaUzenet, "A letöltött állomány hiányos, az adatbázis nem változott.");
    Letoltes(*p);
    Valtozatlan(*p);
}

TEST(HuzasLetoltes, MegszakitasNemValtoztatSemmit) {
    HttpSzerver sz; // silent: the download waits until cancelled
    auto p = Inditas(sz.Cim());
    p->ablak->Akcio(Parancs::AdbListazas)->trigger();
    p->A().FrissitesAkcio()->trigger();
    ASSERT_NE(p->A().Folyamat(), nullptr);
    QTest::qWait(50);
    auto* megse = p->A().Folyamat()->findChild<QPushButton*>();
    ASSERT_NE(megse, nullptr);
    EXPECT_EQ(megse->text(), QStringLiteral("Mégse"));
    megse->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p->A().Letoltes().Fut(); }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(p->A().Folyamat(), nullptr);
    EXPECT_TRUE(p->u.Lathato().empty()) << "a cancel is no error";
    Valtozatlan(*p);
}

} // namespace
} // namespace varion::ui
