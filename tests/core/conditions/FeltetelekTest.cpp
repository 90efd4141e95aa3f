#include <gtest/gtest.h>

#include "breakdown/UBontas.h"
#include "conditions/Feltetelek.h"
#include "conditions/Megvalosithatosag.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using U = UzenetTipus;

TEST(SzamJelzo, JelzokEsOsszesitesekASorSorrendjeben) {
    FeltetelKeszlet f;
    // 20 followed later by 2 is a pair, 3 followed by 30 is not; 12/21 and 11 twin
    SzamJelzoBeallitas(f, {20, 3, 12, 30, 2, 21, 11, 45}, 5);
    EXPECT_EQ(f.TukorPar, (std::vector<std::int32_t>{4, -1, 5, -1, 0, 2, -1, -1}));
    EXPECT_EQ(f.Adatok.TukorParDb, 2);
    EXPECT_EQ(f.Adatok.IkerszamDb, 1);
    EXPECT_EQ(f.SzamJelzo[6], JelzoIkerszam); // 11: odd, decade 1 odd
    EXPECT_EQ(f.SzamJelzo[0], JelzoParos | JelzoParosCsoport | JelzoTukorszam);
    EXPECT_EQ(f.Adatok.ParosDb, 4);
    EXPECT_EQ(f.Adatok.ParatlanDb, 4);
    EXPECT_EQ(f.Adatok.SzcsParosDb, 5); // decades 2, 0, 2, 0, 2 ... 4 of 45
    // decades: 0:{3,2} 1:{12,11} 2:{20,21} 3:{30} 4:{45}
    EXPECT_EQ(f.Adatok.SzcsTobbszor, 3);
    EXPECT_EQ(f.Adatok.SzcsIsmetLehet, 1);
    EXPECT_EQ(f.SzcsIsmetOssz, 3);
    EXPECT_EQ(f.SzcsEgyes, 2);
    // endings: 0:{20,30} 1:{21,11} 2:{12,2} 3:{3} 5:{45}
    EXPECT_EQ(f.Adatok.SzvTobbszor, 3);
    EXPECT_EQ(f.SzvEgyes, 2);
}

TEST(SzamJelzo, TizAlattiSzamokNemIkrekEsNemTukrokAzOsszegHatarok) {
    FeltetelKeszlet f;
    const Szamsor sz{9, 1, 5, 3, 7, 2};
    SzamJelzoBeallitas(f, sz, 7);
    EXPECT_EQ(f.Adatok.TukorParDb, 0);
    EXPECT_EQ(f.Adatok.IkerszamDb, 0);
    EXPECT_EQ(f.Adatok.SzcsIsmetLehet, 5);
    OsszegHatarok(f.Adatok, sz, 3);
    EXPECT_EQ(f.Adatok.OsszegMin, 1 + 2 + 3);
    EXPECT_EQ(f.Adatok.OsszegMax, 9 + 7 + 5);
}

TEST(FeltetelekTorlese, KapcsolokLeAzErtekekMaradnakABontasTorlodik) {
    const Szamsor sz{1, 2, 3, 4, 5, 6, 7};
    FeltetelAdatok a;
    a.FavBe = a.TalArBe = a.TalArHuzasok = 1;
    a.FavSzamai = 2;
    a.FavSzamaiMax = 6;
    a.FavTalalat = 1;
    a.FavTalalatMax = 5;
    a.Hibapont = 1;
    auto f = teszt::Keszlet(a, sz, 5);
    f.EloszlasOpt = 1;
    f.Adatok.TalArBe = 0; // a breakdown with the favourites only
    TBontas b;
    RogzitoUzenetek u;
    u.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(b, u, 5, sz, &f));
    ASSERT_GT(b.GetTaroltNyerSzelv(), 0);
    EXPECT_TRUE(FeltetelekTorlese(f, b));
    EXPECT_FALSE(f.FeltetelJelzo);
    EXPECT_FALSE(VanBekapcsoltFeltetel(f.Adatok));
    EXPECT_EQ(f.Adatok.TalArHuzasok, 0);
    EXPECT_EQ(f.Adatok.Hibapont, 0);
    EXPECT_EQ(f.EloszlasOpt, 0);
    EXPECT_EQ(f.Adatok.FavSzamaiMax, 6); // values kept for the next switch-on
    EXPECT_TRUE(f.SzamJelzo.empty());
    EXPECT_EQ(b.GetTaroltNyerSzelv(), 0);
    EXPECT_EQ(b.GetBontStatus(), 0);
    EXPECT_FALSE(FeltetelekTorlese(f, b)); // nothing selected any more
}

TEST(Megvalosithatosag, OsszegParitasaEsKizartTalalatiArany) {
    FeltetelAdatok a;
    a.SzvParosBe = a.EsemOsszegBe = a.EsemOsszegFix = a.SzvParosFix = 1;
    a.SzvParosTipus = 0; // exactly 2 odd numbers: every sum is even
    a.SzvParos = a.SzvParosMax = 2;
    a.EsemOsszFix = 101;
    RogzitoUzenetek u;
    u.Var(U::Figyelmeztetes, "Kérem, figyeljen a következőre!\r\rA számvégződések páros-páratlan "
                             "találati aránya szerint,\rcsak páros összegű számsor szerepelhet a "
                             "bontásban.\r\rA Számsor összege feltétel fix értéke páratlan!");
    EXPECT_FALSE(OsszegEll(a, 5, true, u));
    EXPECT_TRUE(OsszegEll(a, 5, false, u)); // window hidden: no check
    a.EsemOsszFix = 100;
    EXPECT_TRUE(OsszegEll(a, 5, true, u));
    a.SzvParosTipus = 1; // 2 even of 5: 3 odd, odd sums only
    u.Var(U::Figyelmeztetes);
    EXPECT_FALSE(OsszegEll(a, 5, true, u));
    EXPECT_NE(u.Lathato().back().Szoveg.find("csak páratlan összegű"), std::string::npos);

    FeltetelAdatok t;
    t.TalArBe = 1;
    t.TalArKeresett = 0;
    t.TalArTalalat = 2;
    u.Var(U::FigyelmeztetoKerdes, {}, false);
    EXPECT_FALSE(TalArEll(t, 5, 5, 1, 300, 300, true, u));
    EXPECT_TRUE(TalArEll(t, 5, 5, 2, 300, 300, true, u)); // not the whole database
    EXPECT_TRUE(TalArEll(t, 5, 2, 1, 300, 300, true, u)); // three fixed numbers
}

TEST(Megvalosithatosag, KedvencTartomanyACsoportkorlatokMellett) {
    FeltetelAdatok a;
    a.FavBe = a.FixBe = 1;
    a.FavSzamai = 4;
    a.FavSzamaiMax = 9; // positions 4..9
    a.FixSzamai = 5;    // groups 1-5 (4, 5 inside) and 6-10 (6..9 inside)
    a.FixTalalatMax = 1;
    EXPECT_EQ(FixFavKapacitas(a), 2);
    a.FavTalalat = 3;
    a.FavTalalatMax = 3;
    RogzitoUzenetek u;
    u.Var(U::HibaKerdes,
          "A jelenlegi beállítások mellett, nem teljesülhet\ra favorizált számok "
          "feltétel.\r\rAlacsony a fix számcsoportok találati aránya, vagy magas\ra favorizált "
          "számcsoporton belül várt találatok száma!\r\rMégis elindítja a bontás folyamatát?",
          true);
    EXPECT_TRUE(FixFavEll(a, true, u));
    a.MobBe = 1;
    a.MobSzamai = 4; // R = 6: 1 * 2 + min(2, 2)
    a.MobTalalatMax = 2;
    a.FavTalalat = 2;
    a.FavTalalatMax = 5;
    EXPECT_EQ(MobFavKapacitas(a), 4);
    u.Var(U::FigyelmeztetoKerdes, {}, false);
    EXPECT_FALSE(MobFavEll(a, true, u));
    EXPECT_NE(u.Lathato().back().Szoveg.find("maradéktalanul"), std::string::npos);
    EXPECT_NE(u.Lathato().back().Szoveg.find("a mobil számcsoportok"), std::string::npos);
}

} // namespace
} // namespace varion
