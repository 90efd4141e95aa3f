#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>

#include "breakdown/BontListaSzovegek.h"
#include "breakdown/BontasEllenorzes.h"
#include "breakdown/TalalatKereses.h"
#include "draws/HuzasAdatbazis.h"
#include "draws/HuzasImport.h"
#include "io/FajlMentes.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;

// The plain count the check must agree with: every number of every row against the draw.
int KezziTalalat(const BontasAdat& b, std::int32_t r, const Szamsor& huzott, int plusz,
                 bool* pluszTalalt) {
    std::vector<int> sor;
    for (int j = 0; j < b.Szelesseg; ++j)
        sor.push_back(b.Szam(static_cast<std::uint8_t>(b.Bejegyzes(r, j))));
    if (!b.HuzasMod) sor.insert(sor.end(), b.FixSzamok.begin(), b.FixSzamok.end());
    int t = 0;
    for (int n : sor) t += std::count(huzott.begin(), huzott.end(), n) > 0;
    *pluszTalalt = plusz > 0 && std::count(sor.begin(), sor.end(), plusz) > 0;
    return t;
}

TalalatOsztalyok Kezzel(const BontasAdat& b, const Szamsor& huzott, int plusz = 0) {
    TalalatOsztalyok o;
    const int G = b.Jatek;
    for (std::int32_t r = 0; r < b.Sorok; ++r) {
        bool p = false;
        const int t = KezziTalalat(b, r, huzott, plusz, &p);
        if (G == 6 && plusz > 0 && t == 5 && p)
            ++o.Plusz;
        else if (t > G - 4)
            ++o.Osztaly[static_cast<std::size_t>(t - (G - 3))];
    }
    return o;
}

Szamsor Veletlenek(std::mt19937& g, int db, int max, const Szamsor& kiveve = {}) {
    Szamsor s;
    std::uniform_int_distribution<int> d(1, max);
    while (static_cast<int>(s.size()) < db) {
        const auto n = static_cast<std::uint8_t>(d(g));
        if (!Tartalmaz(s, n) && !Tartalmaz(kiveve, n)) s.push_back(n);
    }
    return s;
}

// Draws near the marked numbers, so that every class is reached in some of them.
Szamsor KozeliHuzas(std::mt19937& g, const Szamsor& alap, int db, int max) {
    Szamsor s;
    std::uniform_int_distribution<int> d(0, 2);
    std::uniform_int_distribution<int> m(1, max);
    while (static_cast<int>(s.size()) < db) {
        const auto n = static_cast<std::uint8_t>(d(g) > 0 ? alap[g() % alap.size()] : m(g));
        if (!Tartalmaz(s, n)) s.push_back(n);
    }
    return s;
}

TEST(TalalatSzamitas, MindenJatekbanEgyezikAKezziSzamlalassalFixSzamokkalIs) {
    std::mt19937 g(11);
    for (const int jatek : {5, 6, 7}) {
        const int max = jatek == 5 ? 90 : jatek == 6 ? 45 : 35;
        for (const int F : {0, 2}) {
            const Szamsor jelolt = Veletlenek(g, 11, max);
            const Szamsor fix = Veletlenek(g, F, max, jelolt);
            TBontas b;
            RogzitoUzenetek u;
            ASSERT_TRUE(teszt::Bontas(b, u, jatek, jelolt, nullptr, fix));
            Szamsor alap = jelolt;
            alap.insert(alap.end(), fix.begin(), fix.end());
            const BontasAdat a = BontasAdatai(b, fix);
            for (int k = 0; k < 20; ++k) {
                const Szamsor h = KozeliHuzas(g, alap, jatek, max);
                const TalalatSzamlalo sz(a, h);
                EXPECT_EQ(sz.TalalatSzamitas(), Kezzel(a, h)) << jatek << " F=" << F;
                for (std::int32_t r = 0; r < a.Sorok; r += 37) {
                    bool p = false;
                    EXPECT_EQ(sz.SorTalalat(r), KezziTalalat(a, r, h, 0, &p));
                }
            }
        }
    }
}

// A selected fixed number is a hit of every variation.
TEST(TalalatSzamitas, KivalasztottFixSzamMindenSornakEgyTalalat) {
    TBontas b;
    RogzitoUzenetek u;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, {1, 2, 3, 4, 5, 6, 7}, nullptr, {80}));
    const BontasAdat a = BontasAdatai(b, {80});
    const Szamsor h{1, 2, 30, 31, 80};
    const TalalatSzamlalo sz(a, h);
    const Szamsor nelkule{1, 2, 30, 31, 32};
    for (std::int32_t r = 0; r < a.Sorok; ++r)
        EXPECT_EQ(sz.SorTalalat(r), TalalatSzamlalo(a, nelkule).SorTalalat(r) + 1);
    // rows hold 4 of 1..7; with 1, 2 and 80 drawn: two hits of 1, 2 give 3, never 5
    EXPECT_EQ(sz.TalalatSzamitas().Osztalyban(3, 5), 10); // C(2,2)·C(5,2)
    EXPECT_EQ(sz.TalalatSzamitas().Osztalyban(2, 5), 20); // 2·C(5,3)
}

TEST(TalalatSzamitas, HatoslottoOtTalalatPluszSzammalCsakAzOtPluszEgybenSzamit) {
    std::mt19937 g(5);
    for (const bool pluszFix : {false, true}) {
        const Szamsor jelolt{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        const Szamsor fix = pluszFix ? Szamsor{44} : Szamsor{};
        TBontas b;
        RogzitoUzenetek u;
        ASSERT_TRUE(teszt::Bontas(b, u, 6, jelolt, nullptr, fix));
        const BontasAdat a = BontasAdatai(b, fix);
        const Szamsor h{1, 2, 3, 4, 5, 40};
        const int plusz = pluszFix ? 44 : 6;
        const auto o = TalalatSzamlalo(a, h, plusz).TalalatSzamitas();
        EXPECT_EQ(o, Kezzel(a, h, plusz));
        EXPECT_GT(o.Plusz, 0);
        // the rows with five hits and the plus number leave class 5
        const auto nelkule = TalalatSzamlalo(a, h).TalalatSzamitas();
        EXPECT_EQ(o.Osztalyban(5, 6) + o.Plusz, nelkule.Osztalyban(5, 6));
        for (std::int32_t r = 0; r < a.Sorok; ++r) {
            bool p = false;
            const int t = KezziTalalat(a, r, h, plusz, &p);
            EXPECT_EQ(TalalatSzamlalo(a, h, plusz).SorTalalat(r), t == 5 && p ? -1 : t);
        }
    }
    // the plus number means nothing outside Hatoslottó
    TBontas b;
    RogzitoUzenetek u;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, {1, 2, 3, 4, 5, 6, 7}));
    const BontasAdat a = BontasAdatai(b, {});
    EXPECT_EQ(TalalatSzamlalo(a, Szamsor{1, 2, 3, 4, 9}, 6).TalalatSzamitas().Plusz, 0);
}

// The draws mode stores the numbers themselves, every row game-count wide.
TEST(TalalatSzamitas, HuzasModbanASzamokatHasonlitja) {
    BontasAdat a;
    const std::vector<std::uint8_t> m{1, 2, 3, 4, 5, 1, 2, 3, 4, 90, 10, 20, 30, 40, 50};
    a.Matrix = m.data();
    a.Sorok = 3;
    a.Szelesseg = 5;
    a.Jatek = 5;
    a.HuzasMod = true;
    a.BontasSzamok = {7, 8, 9, 10, 11};
    a.FixSzamok = {1}; // no fixed number belongs to a draw
    const TalalatSzamlalo sz(a, Szamsor{1, 2, 3, 4, 5});
    EXPECT_EQ(sz.SorTalalat(0), 5);
    EXPECT_EQ(sz.SorTalalat(1), 4);
    EXPECT_EQ(sz.SorTalalat(2), 0);
    EXPECT_EQ(sz.TalalatSzamitas(), (TalalatOsztalyok{{0, 0, 1, 1}, 0}));
}

// A real draw of the history against a breakdown that shares some of its numbers.
TEST(TalalatSzamitas, ValodiHuzasEllenorzeseEgyezikAKezziSzamlalassal) {
    // The operator's history; VARION_SHARED_DATA in the environment points elsewhere.
    const char* kornyezet = std::getenv("VARION_SHARED_DATA");
    const auto csv = io::FajlBeolvasas(
        std::filesystem::path(kornyezet ? kornyezet : VARION_SHARED_DATA) / "otos.csv");
    if (!csv) GTEST_SKIP() << "no draw history here";
    HuzasAdatbazis db(5);
    ASSERT_TRUE(
        HuzasImport(db, std::string_view(reinterpret_cast<const char*>(csv->data()), csv->size())));
    RogzitoUzenetek u;
    ASSERT_GT(db.HuzasDb(), 0);
    const auto utolso = db.Szamok(db.HuzasDb() - 1);
    Szamsor huzott(utolso.begin(), utolso.begin() + 5);
    Szamsor jelolt{huzott[0], huzott[1], huzott[2], huzott[3]};
    for (std::uint8_t n = 1; jelolt.size() < 16; ++n)
        if (!Tartalmaz(huzott, n)) jelolt.push_back(n);
    TBontas b;
    ASSERT_TRUE(teszt::Bontas(b, u, 5, jelolt));
    const BontasAdat a = BontasAdatai(b, {});
    const auto o = TalalatSzamlalo(a, huzott).TalalatSzamitas();
    EXPECT_EQ(o, Kezzel(a, huzott));
    EXPECT_EQ(o.Osztalyban(5, 5), 0);
    EXPECT_EQ(o.Osztalyban(4, 5), 12); // the four drawn marked numbers and one of 12 others
}

TEST(TalalatEloszlas, TeljesBontasbanMindenSorraUgyanazFeltetellelSoronkentMas) {
    const Szamsor jelolt{3, 9, 14, 22, 27, 35, 41, 48, 56};
    TBontas teljes;
    RogzitoUzenetek u;
    u.MindentElfogad();
    ASSERT_TRUE(teszt::Bontas(teljes, u, 5, jelolt, nullptr, {80}));
    EXPECT_TRUE(EloszlasMindenSorra(teljes));
    const BontasAdat a = BontasAdatai(teljes, {80});
    const auto elso = TalalatEloszlas(a, 0);
    // with 80 drawn too: 1 + shared numbers, C(4,s)·C(5,4-s) rows share s
    EXPECT_EQ(elso, (TalalatOsztalyok{{40, 60, 20, 1}, 0}));
    for (std::int32_t r = 1; r < a.Sorok; r += 11) EXPECT_EQ(TalalatEloszlas(a, r), elso);
    EXPECT_EQ(TeljesEloszlas(5, 9, 4, 1), elso);
    EXPECT_EQ(TeljesEloszlas(5, 90, 5, 0), (TalalatOsztalyok{{987700, 35700, 425, 1}, 0}));

    // With only a sum condition the rows no longer see the same breakdown around them:
    // reusing the first row's distribution ("no error points, no hit ratio") would show
    // wrong figures for the others.
    FeltetelAdatok fa;
    fa.EsemOsszegBe = 1;
    fa.EsemOsszFix = 100;
    fa.EsemOsszMax = 160;
    const FeltetelKeszlet f = teszt::Keszlet(fa, jelolt, 5);
    TBontas feltetelles;
    ASSERT_TRUE(teszt::Bontas(feltetelles, u, 5, jelolt, &f, {80}));
    ASSERT_GT(feltetelles.GetTaroltNyerSzelv(), 1);
    EXPECT_FALSE(EloszlasMindenSorra(feltetelles));
    const BontasAdat c = BontasAdatai(feltetelles, {80});
    bool kulonbozik = false;
    for (std::int32_t r = 1; r < c.Sorok; ++r)
        kulonbozik |= TalalatEloszlas(c, r) != TalalatEloszlas(c, 0);
    EXPECT_TRUE(kulonbozik);

    // Error points alone are a condition of the same kind.
    FeltetelKeszlet h;
    h.Adatok.Hibapont = 1;
    TBontas hibapontos;
    ASSERT_TRUE(teszt::Bontas(hibapontos, u, 5, jelolt, &h, {80}));
    EXPECT_FALSE(EloszlasMindenSorra(hibapontos));
}

TEST(TalalatKereses, ElemekEsLepesekMindketIranybanAKezziSzamlalasSzerint) {
    const Szamsor jelolt{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    TBontas b;
    RogzitoUzenetek u;
    ASSERT_TRUE(teszt::Bontas(b, u, 6, jelolt));
    const BontasAdat a = BontasAdatai(b, {});
    const Szamsor h{1, 2, 3, 4, 5, 40};
    const TalalatSzamlalo sz(a, h, 6);
    const auto o = sz.TalalatSzamitas();
    TalalatKereses k(sz, o);
    std::vector<std::string> szovegek;
    for (const auto& e : k.Elemek()) szovegek.push_back(e.Szoveg);
    EXPECT_EQ(szovegek,
              (std::vector<std::string>{"Minden találat", "  5+1 találat", "    5   találat",
                                        "    4   találat", "    3   találat"}));
    for (std::size_t i = 0; i < k.Elemek().size(); ++i) {
        k.Valaszt(i);
        std::vector<std::int32_t> vart;
        for (std::int32_t r = 0; r < a.Sorok; ++r) {
            const int t = sz.SorTalalat(r);
            if (i == 0 ? (t == -1 || t >= 3) : t == k.Elemek()[i].Ertek) vart.push_back(r);
        }
        ASSERT_FALSE(vart.empty());
        std::vector<std::int32_t> elore{k.Lepes(KeresGomb::Elso, 0)};
        while (k.Engedve(KeresGomb::Tovabb, elore.back()))
            elore.push_back(k.Lepes(KeresGomb::Tovabb, elore.back()));
        EXPECT_EQ(elore, vart);
        std::vector<std::int32_t> hatra{k.Lepes(KeresGomb::Utolso, 0)};
        while (k.Engedve(KeresGomb::Vissza, hatra.back()))
            hatra.push_back(k.Lepes(KeresGomb::Vissza, hatra.back()));
        std::reverse(hatra.begin(), hatra.end());
        EXPECT_EQ(hatra, vart);
    }
    k.Valaszt(1); // "5+1": a single row, {1..6}
    EXPECT_EQ(k.Elso(), k.Utolso());
    EXPECT_EQ(k.Sugo(KeresGomb::Tovabb, k.Elso()),
              " Az utolsó 5+1 találatos számsor van kiválasztva. ");
    EXPECT_EQ(k.Sugo(KeresGomb::Elso, k.Elso()),
              " Az első 5+1 találatos számsor van kiválasztva. ");
    k.Valaszt(2);
    EXPECT_EQ(k.Sugo(KeresGomb::Tovabb, k.Elso()), " Ugrás a következő 5 találatos számsorra. ");
    k.Valaszt(0);
    EXPECT_EQ(k.Sugo(KeresGomb::Utolso, k.Utolso()),
              " Az utolsó n találatos számsor van kiválasztva. ");
    EXPECT_EQ(k.Sugo(KeresGomb::Vissza, k.Utolso()), " Ugrás az előző n találatos számsorra. ");

    // a single class offers one item and no "Minden találat"
    const auto egy = KeresElemek(5, TalalatOsztalyok{{0, 3, 0, 0}, 0});
    ASSERT_EQ(egy.size(), 1U);
    EXPECT_EQ(egy[0].Szoveg, "    3   találat");
    EXPECT_EQ(egy[0].Ertek, 3);
}

TEST(BontListaSzovegek, SegedEsEllenorzoPanel) {
    EXPECT_EQ(SegedRiport(5, TalalatOsztalyok{{60, 40, 8, 1}, 0}, 157),
              " Telitalálat esetén \r  -5 találat:       1\r  -4 találat:       8\r"
              "  -3 találat:      40\r  -2 találat:      60\r Számsor összege: 157");
    EXPECT_EQ(SegedSzelvenyFelirat(false, 12), "  Bontás 12. szelvénye");
    EXPECT_EQ(SegedSzelvenyFelirat(true, 3), "  Példabontás 3. szelvénye");
    // below game - 3 only the count (and the sum from two numbers on)
    EXPECT_EQ(EllenorzesRiport(6, 2, 30, {}, false), " Kijelölve: 2 szám\r Számsor összege:  30");
    EXPECT_EQ(EllenorzesRiport(6, 1, 7, {}, false), " Kijelölve: 1 szám\r");
    EXPECT_EQ(EllenorzesRiport(6, 6, 55, TalalatOsztalyok{{100, 20, 3, 0}, 2}, true),
              " Kijelölve: 6 szám\r  » 6  találat:     0\r  »5+1 találat:     2\r"
              "  » 5  találat:     3\r  » 4  találat:    20\r  » 3  találat:   100\r"
              " Számsor összege:  55");
    EXPECT_EQ(EllenorzesRiport(5, 3, 6, TalalatOsztalyok{{4, 0, 0, 0}, 0}, false),
              " Kijelölve: 3 szám\r  » 3  találat:     0\r  » 2  találat:     4\r"
              " Számsor összege:   6");
    EXPECT_TRUE(PeldabontasFelirat("  Példabontás (5/90)")); // 20 characters, 21 bytes
    EXPECT_FALSE(PeldabontasFelirat("  Bontás (5/90)  "));
}

} // namespace
} // namespace varion
