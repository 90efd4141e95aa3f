#include <algorithm>
#include <gtest/gtest.h>

#include "support/CliFuttatas.h"
#include "support/IdeiglenesMappa.h"

namespace varion::teszt {
namespace {

int Sorok(const std::string& s) {
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

TEST(Parancssor, VerzioSugoEsIsmeretlenArgumentum) {
    const auto verzio = CliFuttatas("--version");
    EXPECT_EQ(verzio.Kilepes, 0);
    EXPECT_EQ(verzio.Kimenet, "Varion 1.6.0.2\n");

    const auto sugo = CliFuttatas("--help");
    EXPECT_EQ(sugo.Kilepes, 0);
    EXPECT_NE(sugo.Kimenet.find("--version"), std::string::npos);

    const auto ismeretlen = CliFuttatas("--nincs-ilyen");
    EXPECT_EQ(ismeretlen.Kilepes, 2);
    EXPECT_TRUE(ismeretlen.Kimenet.empty());
    EXPECT_EQ(ismeretlen.Hibak,
              "varion-cli: ismeretlen parancs: --nincs-ilyen (lásd: varion-cli --help)\n");
}

// Every command answers --help on stdout with its usage and exit code 0, wherever the
// switch stands; before, `bontas --help` was an unknown option.
TEST(Parancssor, MindenParancsnakVanSugoja) {
    for (const char* p : {"import", "huzasok", "statisztika", "bontas", "lista"}) {
        for (const std::string utana : {" --help", " --jatek 5 -h"}) {
            const auto e = CliFuttatas(p + utana);
            EXPECT_EQ(e.Kilepes, 0) << p << utana;
            EXPECT_TRUE(e.Kimenet.starts_with(std::string("Használat: varion-cli ") + p + ' '))
                << e.Kimenet;
            EXPECT_TRUE(e.Hibak.empty()) << e.Hibak;
        }
    }
    EXPECT_NE(CliFuttatas("bontas --help").Kimenet.find("  --hibapont e "), std::string::npos);
}

// 2 for a wrong command line, 1 for work that failed; always one Hungarian line on stderr,
// also for a core message of several lines.
TEST(Parancssor, KilepesiKodokEsEgysorosHibak) {
    IdeiglenesMappa m;
    struct Eset {
        std::string Args;
        int Kod;
        std::string Hiba;
    };
    const std::string nincs = (m / "nincs.ldb").string();
    const std::vector<Eset> esetek{
        {"bontas --jatek 5 --szamok 1,2,3,4,5 --bogar", 2,
         "varion-cli: ismeretlen kapcsoló: --bogar\n"},
        {"bontas --jatek 5 --szamok", 2, "varion-cli: hiányzik a(z) --szamok értéke\n"},
        {"bontas --jatek 5 --szamok 1,2,3,4,95", 2,
         "varion-cli: a(z) 95 szám nincs 1..90 között\n"},
        {"huzasok --jatek 6", 2, "varion-cli: használat: varion-cli huzasok --jatek G FÁJL.ldb\n"},
        {"lista " + (m / "nincs.top").string(), 1,
         "varion-cli: nem olvasható: " + (m / "nincs.top").string() + "\n"},
        {"huzasok --jatek 5 " + nincs, 1,
         "varion-cli: Nem található az aktuális lottójáték adatbázisa! Javaslat: telepítse újra "
         "a programot.\n"},
    };
    for (const auto& e : esetek) {
        const auto f = CliFuttatas(e.Args);
        EXPECT_EQ(f.Kilepes, e.Kod) << e.Args;
        EXPECT_EQ(f.Hibak, e.Hiba) << e.Args;
        EXPECT_EQ(Sorok(f.Hibak), 1) << e.Args;
        EXPECT_TRUE(f.Kimenet.empty()) << e.Args;
    }
    // Not a terminal: no progress line among the messages.
    const auto bontas = CliFuttatas("bontas --jatek 5 --szamok 1,2,3,4,5,6,7,8,9,10,11,12");
    EXPECT_EQ(bontas.Kilepes, 0);
    EXPECT_TRUE(bontas.Hibak.empty()) << bontas.Hibak;
}

} // namespace
} // namespace varion::teszt
