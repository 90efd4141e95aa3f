#include <gtest/gtest.h>

#include "app/BeallitasSzerkeszto.h"
#include "breakdown/UBontas.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

constexpr int Kedvenc = 1;

KapacitasAdat Kapacitas(std::int64_t jelenlegi = 100000,
                        std::optional<std::uint64_t> szabad = std::nullopt,
                        std::int32_t tarolt = 0) {
    return {jelenlegi, TeljBontSzelvszam(90, 5), tarolt, 5, szabad};
}

TEST(BeallitasSzerkeszto, SemaSzabalyEsMunkapeldany) {
    Beallitasok b;
    b.SzelvSzinek.Beallit(SzelvFajta::BontasLista, Kedvenc, SzelvBejegyzes::Box, 40);
    b.SzelvSzinek.Beallit(SzelvFajta::BontasLista, Kedvenc, SzelvBejegyzes::SzamMeret, 12);
    BeallitasSzerkeszto sz;
    sz.Megnyitas(b, Kapacitas());
    // The built-in scheme: sizes 30 and 8, not editable; the colour list still has colours.
    EXPECT_FALSE(sz.MeretSzerkesztheto());
    EXPECT_EQ(sz.Box(), 30);
    EXPECT_EQ(sz.SzamMeret(), 8);
    EXPECT_EQ(sz.ElemSzin(), Rgb(0, 0, 128));

    sz.NezetValasztas(1);
    EXPECT_EQ(sz.Box(), 30) << "the built-in scheme of every view";
    sz.SemaValasztas(Kedvenc);
    EXPECT_TRUE(sz.MeretSzerkesztheto());
    EXPECT_EQ(sz.Box(), 40);
    EXPECT_EQ(sz.SzamMeret(), 12);
    sz.BoxValtozas(60);
    sz.SzamMeretValtozas(2);
    EXPECT_EQ(sz.Box(), 48) << "the grid works with 30..48";
    EXPECT_EQ(sz.SzamMeret(), 8);
    // Edits stay in the working copy; the live table is untouched until applied.
    EXPECT_EQ(b.SzelvSzinek.Ertek(SzelvFajta::BontasLista, Kedvenc, SzelvBejegyzes::Box), 40);

    // Opening again starts from the live table: unapplied edits are gone.
    sz.Megnyitas(b, Kapacitas());
    sz.NezetValasztas(1);
    sz.SemaValasztas(Kedvenc);
    EXPECT_EQ(sz.Box(), 40);
}

TEST(BeallitasSzerkeszto, ElemekBejegyzeseiEsErtelmezetlenElemek) {
    const std::array<int, SzinElemDb> bejegyzes{0, 2, 3, 5, 7, 8, 9, 10, 11, 12, 13};
    for (int i = 0; i < SzinElemDb; ++i)
        EXPECT_EQ(static_cast<int>(SzinElemBejegyzes(i)), bejegyzes[static_cast<std::size_t>(i)])
            << SzinElemNevek[static_cast<std::size_t>(i)];

    BeallitasSzerkeszto sz;
    sz.Megnyitas(Beallitasok{}, Kapacitas());
    sz.NezetValasztas(3);
    EXPECT_EQ(sz.ElemValasztas(7),
              "A(z) Húzások listája szelvényen nem értelmezett a(z) Fix szám!");
    EXPECT_EQ(sz.Urlap().Elem, 6) << "back to \"Kijelölt szám\"";
    EXPECT_EQ(sz.ElemValasztas(9),
              "A(z) Húzások listája szelvényen nem értelmezett a(z) Plusz szám!");
    sz.NezetValasztas(5);
    EXPECT_EQ(sz.ElemValasztas(9), std::nullopt) << "the search marks a plus number";
    EXPECT_EQ(sz.ElemValasztas(10),
              "A(z) Számsor keresés szelvényen nem értelmezett a(z) Véletlen szám!");
    EXPECT_EQ(sz.ElemValasztas(4), std::nullopt);
    sz.NezetValasztas(4);
    EXPECT_EQ(sz.ElemValasztas(5),
              "A(z) Új húzás... szelvényen nem értelmezett a(z) Riport panel szöveg!");
    EXPECT_EQ(sz.Urlap().Elem, 3) << "back to \"Szám\"";
    EXPECT_EQ(sz.ElemValasztas(8),
              "A(z) Új húzás... szelvényen nem értelmezett a(z) Állandó szám!");
    sz.NezetValasztas(0);
    for (int i = 0; i < SzinElemDb; ++i) EXPECT_EQ(sz.ElemValasztas(i), std::nullopt);
}

TEST(BeallitasSzerkeszto, SzinekAKedvencSemabaKerulnek) {
    BeallitasSzerkeszto sz;
    sz.Megnyitas(Beallitasok{}, Kapacitas());
    ASSERT_EQ(sz.Urlap().Szinsema, 0);
    ASSERT_FALSE(sz.ElemValasztas(7)); // "Fix szám"
    // The colour list writes the player's scheme whatever scheme is shown.
    sz.SzinValasztas(Rgb(255, 0, 0));
    EXPECT_EQ(sz.ElemSzin(), Rgb(0, 128, 128)) << "the built-in scheme is shown unchanged";
    EXPECT_EQ(sz.Urlap().Munka.Ertek(SzelvFajta::Foszelveny, Kedvenc, SzelvBejegyzes::FixSzam),
              Rgb(255, 0, 0));
    // ">>" with the colour already shown changes nothing; another one switches to "Kedvenc".
    EXPECT_FALSE(sz.TovabbiSzin(Rgb(0, 128, 128)));
    EXPECT_EQ(sz.Urlap().Szinsema, 0);
    EXPECT_TRUE(sz.TovabbiSzin(Rgb(1, 2, 3)));
    EXPECT_EQ(sz.Urlap().Szinsema, Kedvenc);
    EXPECT_EQ(sz.ElemSzin(), Rgb(1, 2, 3));
    EXPECT_EQ(sz.Bejegyzes(SzelvBejegyzes::FixSzam), Rgb(1, 2, 3));
}

TEST(BeallitasSzerkeszto, ArMezo) {
    for (const char* jo : {"", "200", "999999", "12,5", "12,55", ",5", "123456,78"})
        EXPECT_TRUE(ArSzovegErvenyes(jo, ',')) << jo;
    for (const char* rossz : {"1234567", "1,234", "1,2,3", "12.5", "-3", "1e5", " 1", "12a"})
        EXPECT_FALSE(ArSzovegErvenyes(rossz, ',')) << rossz;
    EXPECT_TRUE(ArSzovegErvenyes("12.5", '.'));
    EXPECT_EQ(ArSzoveg(200.0, ','), "200");
    EXPECT_EQ(ArSzoveg(0.8, ','), "0,8");
    EXPECT_EQ(ArSzoveg(1.255, '.'), "1.25");
    EXPECT_EQ(ArErtek("12,5", ','), 12.5);
    EXPECT_EQ(ArErtek(",5", ','), 0.5);

    Beallitasok b;
    b.ArForint = 250.5;
    b.ArEuro = 0.0; // no Euro price stored yet
    BeallitasSzerkeszto sz(',');
    sz.Megnyitas(b, Kapacitas());
    EXPECT_EQ(sz.Urlap().Ar, "250,5");
    sz.PenznemValtozas(1);
    EXPECT_EQ(sz.Urlap().Ar, "1");
    sz.ArValtozas("");
    EXPECT_TRUE(sz.ArKilepes());
    EXPECT_EQ(sz.Urlap().Ar, "1");
    sz.PenznemValtozas(0);
    EXPECT_EQ(sz.Urlap().Ar, "250,5") << "the stored price, not the edited one";
    sz.ArValtozas("");
    EXPECT_TRUE(sz.ArKilepes());
    EXPECT_EQ(sz.Urlap().Ar, "200");
    // A zero price passes the key filter; taken as it stands, every cost would read 0 and the
    // file would hold a price the dialog itself treats as "not set".
    sz.ArValtozas("0,00");
    EXPECT_TRUE(sz.ArKilepes());
    EXPECT_EQ(sz.Urlap().Ar, "200");
    sz.ArValtozas("180");
    EXPECT_FALSE(sz.ArKilepes());
    EXPECT_EQ(sz.Urlap().Ar, "180");
}

TEST(BeallitasSzerkeszto, KapacitasKijelzesEsMemoriaKorlat) {
    const std::int64_t teljes = TeljBontSzelvszam(90, 5);
    BeallitasSzerkeszto sz;
    sz.Megnyitas(Beallitasok{}, Kapacitas(150000));
    EXPECT_EQ(sz.Urlap().KapacitasMin, 100000);
    EXPECT_EQ(sz.Urlap().KapacitasMax, teljes);
    EXPECT_EQ(sz.Urlap().KapacitasPozicio, 150000);
    EXPECT_EQ(sz.TaroltKapacitas(), 100000);
    EXPECT_EQ(sz.Kapacitas().Cimke, "100 000 darab szelvény.");
    EXPECT_FALSE(sz.Kapacitas().Figyelmeztetes) << "unknown free memory sets no limit";
    sz.KapacitasValtozas(teljes);
    EXPECT_EQ(sz.TaroltKapacitas(), 43949268) << "the maximum is stored exactly";
    EXPECT_EQ(sz.Kapacitas().Cimke, "43 949 268 darab szelvény.");
    sz.KapacitasValtozas(teljes - 1);
    EXPECT_EQ(sz.TaroltKapacitas(), 43900000);

    // A capacity above the ticket's full count opens at the full count.
    BeallitasSzerkeszto kicsi;
    kicsi.Megnyitas(Beallitasok{}, {5000000, TeljBontSzelvszam(35, 2), 0, 7, std::nullopt});
    EXPECT_EQ(kicsi.Urlap().KapacitasPozicio, 595);
    EXPECT_EQ(kicsi.Urlap().KapacitasMin, 595);
    EXPECT_EQ(kicsi.TaroltKapacitas(), 595);

    // 100 MB free: round(0.95 x 100 MB) div 20 = 4 750 000 rows offered, 88 % of them usable.
    const std::uint64_t szabad = 100000000;
    ASSERT_EQ(BontasOptMerete(szabad, 5), 4750000);
    sz.Megnyitas(Beallitasok{}, Kapacitas(100000, szabad));
    sz.KapacitasValtozas(4100000);
    EXPECT_FALSE(sz.Kapacitas().Figyelmeztetes);
    sz.KapacitasValtozas(10000000);
    auto k = sz.Kapacitas();
    EXPECT_TRUE(k.Figyelmeztetes);
    EXPECT_EQ(k.Korlat, 4180000);
    EXPECT_EQ(sz.TaroltKapacitas(), 4100000) << "never more than the memory holds";
    EXPECT_EQ(k.Cimke, "4 100 000 darab szelvény.");

    // The stored breakdown's rows are freed by the next run, so they count as available.
    // Counting them as bytes (rows x game x 4) would allow 20 times what they free: here
    // 1 000 000 stored rows would lift the limit by 20 000 000 rows the memory does not have.
    sz.Megnyitas(Beallitasok{}, Kapacitas(100000, szabad, 1000000));
    sz.KapacitasValtozas(teljes);
    EXPECT_EQ(sz.Kapacitas().Korlat, 5180000);
    EXPECT_EQ(sz.TaroltKapacitas(), 5100000);
}

// Whatever the dialog is made to show, "Alkalmaz" gives settings the file reader takes back
// unchanged: no value of the dialog is one the reader would repair.
TEST(BeallitasSzerkeszto, AlkalmazasEsVisszaolvasas) {
    Beallitasok regi;
    regi.Jatek = 6;
    regi.IniDir = {"/a", "/b", "/c"};
    regi.ArEuro = 0;
    BeallitasSzerkeszto sz(',');
    const std::uint64_t szabad = 1ull << 30;
    sz.Megnyitas(regi, Kapacitas(100000, szabad));
    auto& m = sz.Mezok();
    m.Jovahagyas = false;
    m.Inform = false;
    m.BeallitasokMentese = false;
    m.HintStatus = false;
    m.SzelvZarStatus = true;
    m.OptimalizalasIdo = 5000;
    sz.PenznemValtozas(1);
    sz.ArValtozas("0,75");
    for (int n = 0; n < SzelvNezetDb; ++n) {
        sz.NezetValasztas(n);
        sz.SemaValasztas(Kedvenc);
        sz.BoxValtozas(n % 2 ? 1000 : -5);
        sz.SzamMeretValtozas(n % 2 ? 99 : 0);
        for (int e = 0; e < SzinElemDb; ++e) {
            sz.ElemValasztas(e);
            sz.TovabbiSzin(Rgb(n * 40, e * 20, 255));
        }
    }
    sz.NezetValasztas(2);
    sz.SemaValasztas(0); // the shown scheme; the player's colours are applied all the same
    sz.KapacitasValtozas(sz.Urlap().KapacitasMax);

    const BeallitasAlkalmazas a = sz.Alkalmazas(regi);
    const Beallitasok& uj = a.Uj;
    EXPECT_EQ(uj.Jatek, 6);
    EXPECT_EQ(uj.IniDir, regi.IniDir);
    EXPECT_FALSE(uj.Jovahagyas || uj.Inform || uj.BeallitasokMentese || uj.HintStatus);
    EXPECT_FALSE(a.PeldaTippUjra);
    EXPECT_TRUE(uj.SzelvZarStatus);
    EXPECT_EQ(uj.Szinsema, 0);
    EXPECT_EQ(uj.Penznem, 1);
    EXPECT_EQ(uj.ArEuro, 0.75);
    EXPECT_EQ(uj.ArForint, 200.0);
    EXPECT_EQ(uj.OptimalizalasIdo, 600);
    EXPECT_EQ(uj.SzelvSzinek.Ertek(SzelvFajta::BontasLista, Kedvenc, SzelvBejegyzes::Box), 48);
    EXPECT_EQ(uj.SzelvSzinek.Ertek(SzelvFajta::Foszelveny, Kedvenc, SzelvBejegyzes::Box), 30);
    EXPECT_EQ(uj.SzelvSzinek.Ertek(SzelvFajta::HuzasLista, Kedvenc, SzelvBejegyzes::SzamMeret), 14);
    EXPECT_EQ(uj.SzelvSzinek.Ertek(SzelvFajta::Foszelveny, Kedvenc, SzelvBejegyzes::FixSzam),
              Rgb(0, 140, 255));
    // The draw list has no fixed numbers: its last refused element wrote "Kijelölt szám".
    EXPECT_EQ(uj.SzelvSzinek.Ertek(SzelvFajta::HuzasLista, Kedvenc, SzelvBejegyzes::KijeloltSzam),
              Rgb(120, 200, 255));
    EXPECT_EQ(uj.SzelvSzinek.Ertek(SzelvFajta::HuzasLista, 0, SzelvBejegyzes::FixSzam),
              Rgb(0, 128, 128))
        << "the built-in scheme is never written back";
    EXPECT_LE(a.BontasMaxMerete, *KapacitasKorlat(Kapacitas(100000, szabad)));

    Beallitasok vissza;
    teszt::RogzitoUzenetek u;
    ASSERT_TRUE(BeallitasErtelmezes(BeallitasSzoveg(uj, "/x"), vissza, u));
    EXPECT_EQ(vissza.SzelvSzinek, uj.SzelvSzinek);
    vissza.SzelvForm[0] = uj.SzelvForm[0];
    EXPECT_EQ(vissza, uj);
}

TEST(BeallitasSzerkeszto, OlvasoKorlatai) {
    Beallitasok b;
    teszt::RogzitoUzenetek u;
    ASSERT_TRUE(BeallitasErtelmezes("[Varion]\nJatek=5\n[Bontas]\nOptimalizalasIdo=0\n"
                                    "[Penznem]\nForint=-5\nEuro=0\n",
                                    b, u));
    EXPECT_EQ(b.OptimalizalasIdo, 10);
    EXPECT_EQ(b.ArForint, 200.0);
    EXPECT_EQ(b.ArEuro, 0.0) << "0 is a price not yet set, kept";
    ASSERT_TRUE(BeallitasErtelmezes("[Varion]\nJatek=5\n[Bontas]\nOptimalizalasIdo=600\n", b, u));
    EXPECT_EQ(b.OptimalizalasIdo, 600);
}

} // namespace
} // namespace varion

namespace varion {
namespace {

// Sizes go in steps of 2: a typed 31 or 9 became a size the step buttons never reach.
TEST(BeallitasSzerkeszto, MeretekCsakParosLepesekben) {
    EXPECT_EQ(ParosMeret(31, 30, 48), 30);
    EXPECT_EQ(ParosMeret(32, 30, 48), 32);
    EXPECT_EQ(ParosMeret(49, 30, 48), 48);
    EXPECT_EQ(ParosMeret(2, 30, 48), 30);
    EXPECT_EQ(ParosMeret(9, 8, 14), 8);
    EXPECT_EQ(ParosMeret(13, 8, 14), 12);
}

} // namespace
} // namespace varion
