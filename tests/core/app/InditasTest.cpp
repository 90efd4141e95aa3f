#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/FoablakParancsok.h"
#include "app/Inditas.h"
#include "app/Sugo.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

namespace fs = std::filesystem;
using teszt::RogzitoUzenetek;

struct Gep : InditasPlatform {
    std::optional<std::uint64_t> memoria = 1ull << 30;
    bool eger = true;
    std::optional<std::uint64_t> SzabadMemoria() override { return memoria; }
    bool VanEger() override { return eger; }
};

void Ir(const fs::path& p, const std::string& s) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << s;
}

std::string Olvas(const fs::path& p) {
    std::ifstream be(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(be), {}};
}

TEST(Inditas, EllenorzesekSorrendjeEsKimenetele) {
    teszt::IdeiglenesMappa m;
    Gep gep;
    {
        RogzitoUzenetek u;
        gep.memoria = 1024;
        u.Var(UzenetTipus::FigyelmeztetoKerdes, std::string(KevesMemoriaSzoveg), false);
        EXPECT_FALSE(InditasiEllenorzesek(m.Utvonal, gep, u).Folytat);
        EXPECT_FALSE(fs::exists(m / "Dat")) << "nothing happens after a no";
    }
    {
        RogzitoUzenetek u;
        u.Var(UzenetTipus::FigyelmeztetoKerdes, std::string(KevesMemoriaSzoveg), true);
        u.Var(UzenetTipus::HibaUzenet, std::string(NincsEgerSzoveg));
        gep.eger = false;
        EXPECT_FALSE(InditasiEllenorzesek(m.Utvonal, gep, u).Folytat);
    }
    {
        RogzitoUzenetek u;
        gep = Gep{};
        u.Var(UzenetTipus::HibaUzenet, std::string(NincsSugoSzoveg));
        const auto e = InditasiEllenorzesek(m.Utvonal, gep, u);
        EXPECT_TRUE(e.Folytat);
        EXPECT_FALSE(e.VanSugo);
        EXPECT_TRUE(fs::is_directory(m / "Dat"));
        EXPECT_FALSE(fs::exists(m / std::string(IrhatosagProbaNev))) << "the probe is removed";
    }
    {
        RogzitoUzenetek u;
        Ir(m / "Help/Varion.hlp", "@1\tx\n");
        Ir(m / "Help/Varion.cnt", "1\t1\tx\n");
        EXPECT_TRUE(InditasiEllenorzesek(m.Utvonal, gep, u).VanSugo);
    }
    if (::geteuid() != 0) { // root writes everywhere
        RogzitoUzenetek u;
        const fs::path ro = m / "csakolvashato";
        fs::create_directory(ro);
        ::chmod(ro.c_str(), 0555);
        u.Var(UzenetTipus::HibaUzenet, std::string(NemIrhatoSzoveg));
        EXPECT_FALSE(InditasiEllenorzesek(ro, gep, u).Folytat);
        ::chmod(ro.c_str(), 0755);
    }
}

TEST(Inditas, MeminfoOlvasas) {
    teszt::IdeiglenesMappa m;
    Ir(m / "meminfo", "MemTotal:  1000 kB\nMemFree:  10 kB\nMemAvailable:   2048 kB\n");
    EXPECT_EQ(MeminfoSzabad(m / "meminfo"), 2048u * 1024);
    Ir(m / "regi", "MemTotal: 1000 kB\n");
    EXPECT_EQ(MeminfoSzabad(m / "regi"), std::nullopt) << "an old kernel does not tell";
}

TEST(Inditas, BeallitasFajlAzInditaskor) {
    teszt::IdeiglenesMappa m;
    {
        // Without a file, the remembered folders are the game folders.
        RogzitoUzenetek u;
        Beallitasok b;
        InditasiBeallitasok(m.Utvonal, b, u);
        EXPECT_NE(Olvas(m / "Varion.ini").find("IniDir0=" + (m.Utvonal / "Otos").string()),
                  std::string::npos)
            << Olvas(m / "Varion.ini");
    }
    {
        // A damaged game: message, defaults, fresh file; the scratch files go.
        Ir(m / "Varion.ini", "[Varion]\nJatek=9\nSzelvForm5=2\n");
        Ir(m / "tesz5.tip", "x");
        RogzitoUzenetek u;
        u.Var(UzenetTipus::HibaUzenet, "Sérült a Varion.ini állomány!");
        Beallitasok b;
        InditasiBeallitasok(m.Utvonal, b, u);
        EXPECT_EQ(b.Jatek, 5);
        EXPECT_FALSE(fs::exists(m / "tesz5.tip"));
        const std::string uj = Olvas(m / "Varion.ini");
        EXPECT_NE(uj.find("Jatek=5"), std::string::npos);
        EXPECT_NE(uj.find("SzelvForm5=0"), std::string::npos);
    }
}

TEST(Inditas, IrhatosagiProbaCsakASajatMappajatTorli) {
    teszt::IdeiglenesMappa m;
    // A folder that happens to bear the probe's name, with the player's files in it.
    fs::create_directories(m / "VarTeszt" / "sajat");
    Ir(m / "VarTeszt" / "sajat" / "fontos.tip", "x");
    EXPECT_TRUE(IrhatoKonyvtar(m.Utvonal));
    EXPECT_TRUE(fs::exists(m / "VarTeszt" / "sajat" / "fontos.tip"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m.Utvonal), fs::directory_iterator{}), 1)
        << "the probe leaves nothing behind";
}

TEST(Sugo, TemakEsTartalom) {
    const auto s = Sugo::Szovegbol("# megjegyzés\n@1\tElső\nsor egy\r\nsor kettő\n\n@20\tPanel\n"
                                   "A panel.\n@x\thibás\nelveszik\n",
                                   "# fej\n1\t1\tElső\n2\t20\tPanel\nrossz sor\n0\t3\tx\n");
    ASSERT_NE(s.Tema(1), nullptr);
    EXPECT_EQ(s.Tema(1)->Szoveg, "sor egy\nsor kettő");
    EXPECT_EQ(s.Tema(20)->Cim, "Panel");
    EXPECT_EQ(s.Tema(20)->Szoveg, "A panel.") << "a malformed topic line takes nothing along";
    EXPECT_EQ(s.TemaDb(), 2u);
    ASSERT_EQ(s.Tartalom().size(), 2u);
    EXPECT_EQ(s.Tartalom()[1].Szint, 2);
    EXPECT_EQ(s.Tartalom()[1].Tema, 20);
    EXPECT_EQ(s.Tema(99), nullptr);
}

TEST(FoablakAllapot, MenukEsAdatbazisAllapot) {
    FoablakAllapot a;
    // Every shortcut of the table is used once.
    std::vector<std::string_view> latott;
    for (const auto& l : ParancsTabla()) {
        if (l.Gyorsbillentyu.empty()) continue;
        EXPECT_EQ(std::count(latott.begin(), latott.end(), l.Gyorsbillentyu), 0)
            << l.Gyorsbillentyu;
        latott.push_back(l.Gyorsbillentyu);
    }
    a.FeltMenuAll(false, true);
    EXPECT_EQ(a[Parancs::Start].Sugo, " A bontás elkészült. ");
    EXPECT_EQ(a[Parancs::SzamsorMentes].Sugo, " Nincs elmentésre váró adat. ");
    a.FeltMenuAll(true, false);
    EXPECT_EQ(a[Parancs::MentesMaskent].Sugo, " Számsor és/vagy bontás mentése. ");
    EXPECT_EQ(a[Parancs::FeltKijeloles].Sugo, " Feltételek kijelölése. ");
    EXPECT_TRUE(a[Menu::Bontas].Engedelyezve);

    // A command inside a disabled submenu cannot be used, whatever its own state.
    a[Menu::SzamsorTorles].Engedelyezve = true;
    a[Menu::Szamsor].Engedelyezve = false;
    EXPECT_FALSE(a.Hasznalhato(Parancs::MindenSzam));

    a.NincsAdatbazisAction();
    EXPECT_FALSE(a[Parancs::NormalAlak].Engedelyezve);
    EXPECT_EQ(a[Parancs::LottohuzasokAlapjan].Sugo, " Hiányzik a lottóhúzások adatbázisa! ");
    a.VanAdatbazisAction();
    EXPECT_TRUE(a.Hasznalhato(Parancs::NormalAlak)) << "comes back with the draw file";
    EXPECT_TRUE(a[Parancs::HanyszorHuztak].Engedelyezve);
    a.SajatSzamokSugo(6);
    EXPECT_EQ(a[Parancs::SajatSzamokkal].Sugo,
              " Példabontás készítése saját számok alapján. \r Jelöljön ki az üres főszelvényen "
              "6 darab állandó számot. ");
    a.Kijelol(Parancs::Hatoslotto);
    EXPECT_TRUE(a[Parancs::Hatoslotto].Bejelolve);
    EXPECT_FALSE(a[Parancs::Otoslotto].Bejelolve);
    EXPECT_TRUE(a[Parancs::SorrendValtozatlan].Bejelolve) << "other groups untouched";
}

} // namespace
} // namespace varion
