#include <gtest/gtest.h>

#include <fstream>

#include "app/Beallitasok.h"
#include "io/FajlMentes.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::IdeiglenesMappa;
using teszt::RogzitoUzenetek;

void Ir(const std::filesystem::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

std::string Olvas(const std::filesystem::path& p) {
    const auto a = io::FajlBeolvasas(p);
    return a ? std::string(a->begin(), a->end()) : std::string();
}

TEST(Beallitasok, CsakJatekKulcsbolAzAlapertekekLancaEpul) {
    IdeiglenesMappa m;
    Ir(m / "Varion.ini", "[Varion]\nJatek=6\n");
    Beallitasok b;
    RogzitoUzenetek u;
    ASSERT_TRUE(BeallitasOlvasas(m / "Varion.ini", b, u));
    EXPECT_EQ(b.Jatek, 6);
    EXPECT_EQ(b.SzelvenyAr(), 200.0);
    EXPECT_EQ(b.ArEuro, 1.0);
    EXPECT_EQ(b.Szinsema, 0);
    EXPECT_TRUE(b.Jovahagyas && b.Inform && b.HintStatus);
    EXPECT_TRUE(b.SzelvZarStatus) << "follows Jovahagyas, which follows Beallitasok";
}

TEST(Beallitasok, HianyzoKulcsAzElozokentOlvasottErteketVeszi) {
    IdeiglenesMappa m;
    Ir(m / "Varion.ini", "\xEF\xBB\xBF[varion]\r\nJatek = 7\r\nBeallitasok=0\r\nHintKiBe=1\r\n"
                         "SzelvForm5=2\r\nSzelvForm7=3\r\n[Bontas]\r\nPenznem=1\r\n"
                         "[Penznem]\r\nForint=250.5\r\nEuro=0,8\r\n");
    Beallitasok b;
    RogzitoUzenetek u;
    ASSERT_TRUE(BeallitasOlvasas(m / "Varion.ini", b, u));
    EXPECT_EQ(b.Jatek, 7);
    EXPECT_EQ(b.SzelvForm, (std::array<int, 3>{0, 0, 3}));
    EXPECT_EQ(b.Szinsema, 1) << "missing Szinsema takes Penznem";
    EXPECT_FALSE(b.Jovahagyas);
    EXPECT_FALSE(b.SzelvZarStatus);
    EXPECT_FALSE(b.Inform);
    EXPECT_TRUE(b.HintStatus) << "from HintKiBe";
    EXPECT_EQ(b.ArForint, 250.5);
    EXPECT_EQ(b.SzelvenyAr(), 0.8);
}

TEST(Beallitasok, HasznalhatatlanErtekekAlapertekre) {
    IdeiglenesMappa m;
    Ir(m / "Varion.ini", "[Varion]\nJatek=5\n[Bontas]\nPenznem=7\n[Szelvenyek]\nSzinsema=3\n"
                         "FSz15=0\nFSz18=40\nBSz15=44\nHSz14=-16777201\nHKSz19=x\n");
    Beallitasok b;
    RogzitoUzenetek u;
    ASSERT_TRUE(BeallitasOlvasas(m / "Varion.ini", b, u));
    EXPECT_EQ(b.Penznem, 0);
    EXPECT_EQ(b.Szinsema, 0);
    EXPECT_EQ(b.SzelvSzinek.Ertek(0, 15), 30) << "cell size 0 would divide by zero";
    EXPECT_EQ(b.SzelvSzinek.Ertek(0, 18), 8);
    EXPECT_EQ(b.SzelvSzinek.Ertek(1, 15), 44);
    EXPECT_EQ(b.SzelvSzinek.Ertek(3, 14), TemaGombFelulet);
    EXPECT_EQ(b.SzelvSzinek.Ertek(5, 19), Rgb(0, 0, 128));
}

TEST(Beallitasok, SerultJatekTorliAFajltEsAlapertekeketAd) {
    IdeiglenesMappa m;
    Ir(m / "Varion.ini", "[Varion]\nJatek=9\nBeallitasok=0\n[Bontas]\nPenznem=1\n");
    Beallitasok b;
    b.Inform = false;
    RogzitoUzenetek u;
    u.Var(UzenetTipus::HibaUzenet, "Sérült a Varion.ini állomány!");
    EXPECT_FALSE(BeallitasOlvasas(m / "Varion.ini", b, u));
    EXPECT_FALSE(std::filesystem::exists(m / "Varion.ini"));
    EXPECT_EQ(b, Beallitasok{});
    ASSERT_TRUE(BeallitasIras(m / "Varion.ini", b, "/p/Otos", u));
    EXPECT_NE(Olvas(m / "Varion.ini").find("Jatek=5\r\n"), std::string::npos);
}

TEST(Beallitasok, IrasSorrendjeEsVisszaolvasas) {
    IdeiglenesMappa m;
    Beallitasok b;
    b.Jatek = 6;
    b.SzelvForm = {2, 1, 4};
    b.Penznem = 1;
    b.ArEuro = 0.75;
    b.Szinsema = 1;
    b.SzelvZarStatus = true;
    b.HintStatus = false;
    b.IniDir[1] = "/home/j/Hatos";
    b.SzelvSzinek.Beallit(2, 14, Rgb(1, 2, 3));
    b.SzelvSzinek.Beallit(2, 0, Rgb(9, 9, 9)); // scheme 0 is never stored
    RogzitoUzenetek u;
    ASSERT_TRUE(BeallitasIras(m / "Varion.ini", b, "/p/Hatos", u));
    const std::string s = Olvas(m / "Varion.ini");
    EXPECT_TRUE(s.starts_with(
        "[Varion]\r\nJatek=6\r\nSzelvForm5=2\r\nSzelvForm6=1\r\n"
        "SzelvForm7=4\r\nSzelvFormatum=1\r\nBeallitasok=1\r\n"
        "Jovahagyas=1\r\nInform=1\r\nHintStatus=0\r\n"
        "IniDir0=/p/Hatos\r\nIniDir1=/home/j/Hatos\r\nIniDir2=/p/Hatos\r\n"
        "\r\n[Bontas]\r\nPenznem=1\r\nOptimalizalasIdo=10\r\n\r\n[Penznem]\r\nForint=200\r\n"
        "Euro=0.75\r\n\r\n[Szelvenyek]\r\nSzinsema=1\r\n"
        "SzelvZarStatus=1\r\nFSz14=8388608\r\nFSz15=30\r\n"))
        << s;
    EXPECT_EQ(s.find("HintKiBe"), std::string::npos);
    EXPECT_NE(s.find("BESz14=197121\r\nBESz15=30"), std::string::npos);
    EXPECT_NE(s.find("HKSz27=8388736\r\n\r\n[Adatbazis]\r\n"
                     "HuzasCim5=https://bet.szerencsejatek.hu/cmsfiles/otos.csv\r\n"),
              std::string::npos);

    Beallitasok v;
    ASSERT_TRUE(BeallitasOlvasas(m / "Varion.ini", v, u));
    Beallitasok elvart = b;
    elvart.SzelvForm[0] = 0;
    elvart.IniDir = {"/p/Hatos", "/home/j/Hatos", "/p/Hatos"};
    elvart.SzelvSzinek.Beallit(2, 0, Rgb(0, 0, 128));
    EXPECT_EQ(v, elvart);
}

TEST(Beallitasok, AllomanyNelkulAJatekMappak) {
    Beallitasok b;
    IniDirAlap(b, "/opt/varion");
    EXPECT_EQ(b.IniDir[0], "/opt/varion/Otos");
    EXPECT_EQ(b.IniDir[2], "/opt/varion/Skandinav");
    EXPECT_NE(BeallitasSzoveg(b, "").find("IniDir0=/opt/varion/Otos\r\n"), std::string::npos);
}

TEST(Beallitasok, OlvasasiEsIrasiHiba) {
    IdeiglenesMappa m;
    RogzitoUzenetek u;
    Beallitasok b;
    b.Jatek = 7;
    u.Var(UzenetTipus::HibaUzenet, "Hiba történt a \"Varion.ini\" állomány olvasása során!");
    EXPECT_FALSE(BeallitasOlvasas(m / "nincs.ini", b, u));
    EXPECT_EQ(b.Jatek, 7);
    ASSERT_TRUE(BeallitasIras(m / "Varion.ini", b, "", u));
    const std::string regi = Olvas(m / "Varion.ini");
    b.Jatek = 6;
    u.Var(UzenetTipus::HibaUzenet, "Hiba történt a \"Varion.ini\" állomány írása során!");
    EXPECT_FALSE(BeallitasIras(m / "Varion.ini", b, "", u, 100));
    EXPECT_EQ(Olvas(m / "Varion.ini"), regi);
}

} // namespace
} // namespace varion
