#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/Inditas.h"
#include "app/ProgramKonyvtar.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

namespace fs = std::filesystem;

void Ir(const fs::path& p, const std::string& s) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << s;
}

std::string Olvas(const fs::path& p) {
    std::ifstream be(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(be), {}};
}

// A prefix with the program installed: bin/ and share/varion/ with the empty draw files
// and the help.
struct Telepites {
    teszt::IdeiglenesMappa m;
    fs::path bin = m / "usr/bin", adat = m / "usr/share/varion",
             haz = m / "home/.local/share/Varion";
    Telepites() {
        fs::create_directories(bin);
        for (const char* f : {"Dat/Huzas5.ldb", "Dat/Huzas6.ldb", "Dat/Huzas7.ldb"})
            Ir(adat / f, std::string(16, '\0'));
        Ir(adat / "Help/Varion.hlp", "@1\tTartalom\n");
        Ir(adat / "Help/Varion.cnt", "1\t1\tTartalom\n");
    }
};

TEST(ProgramKonyvtar, ValasztasiSzabaly) {
    Telepites t;
    auto irhato = [](const fs::path&) { return true; };
    auto csakOlvashato = [](const fs::path&) { return false; };
    EXPECT_EQ(TelepitettAdatok(t.bin), t.adat);

    // Installed: the player's folder even when the executable's folder is writable (root).
    auto d = ProgramKonyvtarValasztas({t.bin, t.haz}, irhato);
    EXPECT_EQ(d.Konyvtar, t.haz);
    EXPECT_EQ(d.Forras, t.adat);

    // A build tree or a portable copy: beside the executable, as always.
    const fs::path hordozhato = t.m / "varion";
    Ir(hordozhato / "Dat/Huzas5.ldb", std::string(16, '\0'));
    d = ProgramKonyvtarValasztas({hordozhato, t.haz}, irhato);
    EXPECT_EQ(d.Konyvtar, hordozhato);
    EXPECT_FALSE(d.Forras);

    // The same copy on a read-only medium: the player's folder, filled from the copy.
    d = ProgramKonyvtarValasztas({hordozhato, t.haz}, csakOlvashato);
    EXPECT_EQ(d.Konyvtar, t.haz);
    EXPECT_EQ(d.Forras, hordozhato);
}

TEST(ProgramKonyvtar, FeltoltesMegtartjaAJatekosHuzasait) {
    Telepites t;
    const fs::path k =
        ProgramKonyvtarElokeszites({t.bin, t.haz}, [](const fs::path&) { return true; });
    ASSERT_EQ(k, t.haz);
    EXPECT_EQ(fs::file_size(k / "Dat/Huzas6.ldb"), 16u);
    EXPECT_EQ(Olvas(k / "Help/Varion.cnt"), "1\t1\tTartalom\n");

    // The player's draws survive the next start; a newer installed help replaces the old.
    Ir(k / "Dat/Huzas5.ldb", std::string(16 + 28, '\1'));
    Ir(t.adat / "Help/Varion.hlp", "@1\tÚj tartalom\n");
    fs::last_write_time(t.adat / "Help/Varion.hlp",
                        fs::last_write_time(k / "Help/Varion.hlp") + std::chrono::hours(1));
    fs::remove(k / "Dat/Huzas7.ldb");
    ProgramKonyvtarElokeszites({t.bin, t.haz}, [](const fs::path&) { return true; });
    EXPECT_EQ(fs::file_size(k / "Dat/Huzas5.ldb"), 16u + 28);
    EXPECT_EQ(Olvas(k / "Help/Varion.hlp"), "@1\tÚj tartalom\n");
    EXPECT_TRUE(fs::exists(k / "Dat/Huzas7.ldb")) << "a lost draw file comes back empty";

    // Then the start-up checks run in that folder and find everything.
    struct Gep : InditasPlatform {
        std::optional<std::uint64_t> SzabadMemoria() override { return 1ull << 30; }
        bool VanEger() override { return true; }
    } gep;
    teszt::RogzitoUzenetek u;
    const auto e = InditasiEllenorzesek(k, gep, u);
    EXPECT_TRUE(e.Folytat);
    EXPECT_TRUE(e.VanSugo);
}

TEST(ProgramKonyvtar, KiloottMentesMaradekaiInditaskorTorlodnek) {
    teszt::IdeiglenesMappa m;
    Ir(m / ".Varion.ini.a1B2c3", "");
    Ir(m / "Dat/.Huzas5.ldb.Xy9876", "");
    Ir(m / "Otos/.sor.TOP.abcdef", "");
    Ir(m / "Otos/.sor.tip.abc", "");        // not six characters
    Ir(m / "Otos/.jegyzet.txt.abcdef", ""); // not a file type of the program
    Ir(m / "Otos/sor.tip", "");
    EXPECT_EQ(RegiIdeiglenesekTorlese(m.Utvonal), 3);
    EXPECT_FALSE(fs::exists(m / "Dat/.Huzas5.ldb.Xy9876"));
    EXPECT_TRUE(fs::exists(m / "Otos/.sor.tip.abc"));
    EXPECT_TRUE(fs::exists(m / "Otos/.jegyzet.txt.abcdef"));
    EXPECT_TRUE(fs::exists(m / "Otos/sor.tip"));
}

} // namespace
} // namespace varion
