#include <gtest/gtest.h>

#include "files/FajlNevek.h"
#include "files/SzamsorFajl.h"
#include "io/FajlMentes.h"
#include "support/IdeiglenesMappa.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using teszt::RogzitoUzenetek;
using enum UzenetTipus;

SzamsorAdatok Pelda() {
    SzamsorAdatok a;
    a.Jatek = 5;
    a.ValtozoSzamDb = 5;
    a.Jelolt = {7, 3, 12};
    a.Allando = {12};
    a.Szamsorrend = 1;
    a.Huzasok = {1, 100};
    return a;
}

std::vector<std::uint8_t> Kodolt(const SzamsorAdatok& a, ProgramVerzio v = {1, 6, 0, 2}) {
    io::Iro iro;
    SzamsorIras(iro, a, v);
    return iro.Adat();
}

std::optional<SzamsorAdatok> Olvas(std::span<const std::uint8_t> b, RogzitoUzenetek& u,
                                   int jatek = 5, int huzasDb = 200) {
    io::Olvaso o(b);
    return SzamsorOlvasas(o, jatek, huzasDb > 0, huzasDb, u);
}

TEST(SzamsorFajl, MeretEsVisszaolvasasBajtrolBajtra) {
    const auto b = Kodolt(Pelda());
    EXPECT_EQ(b.size(), 274u);
    SzamsorAdatok teljes;
    teljes.Jatek = 6;
    teljes.ValtozoSzamDb = 4;
    teljes.Jelolt = {40, 1, 2, 9, 30, 31, 44};
    teljes.Fix = {5, 6};
    teljes.Allando = {9, 1};
    teljes.Veletlen = {44, 30};
    teljes.Szamsorrend = 3;
    teljes.Feltetelek.Hibapont = 2;
    teljes.Feltetelek.Tolt0[1] = 0x77; // padding survives
    teljes.Feltetelek.TalArBe = 1;
    teljes.Hibapont = 2;
    teljes.FeltetelJelzo = true;
    teljes.EloszlasOpt = true;
    teljes.Huzasok = {10, 150};
    teljes.Verzio = {1, 6, 0, 2};
    const auto tb = Kodolt(teljes);
    RogzitoUzenetek u;
    const auto v = Olvas(tb, u, 6);
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, teljes);
    EXPECT_EQ(Kodolt(*v), tb);
}

TEST(SzamsorFajl, CsonkaEsSerultAllomanyok) {
    const auto jo = Kodolt(Pelda());
    for (std::size_t n = 0; n < jo.size(); ++n) {
        RogzitoUzenetek u;
        u.Var(HibaUzenet, n >= 16 && n < 20 ? "" : std::string(SzamsorBetoltesHiba));
        u.MindentElfogad();
        EXPECT_FALSE(Olvas(std::span(jo).first(n), u)) << "cut at " << n;
    }
    auto rontas = [&](std::size_t poz, std::int32_t ertek) {
        auto b = jo;
        io::Int32Ir(b.data() + poz, ertek);
        return b;
    };
    auto bajt = [&](std::size_t poz, std::uint8_t ertek) {
        auto b = jo;
        b[poz] = ertek;
        return b;
    };
    // offsets in the example: 20 K, 24 n, 28 numbers, 31 f, 35 a, 39 constant, 40 order,
    // 44 error points, 48 flag, 49 record, 261 first, 265 last, 269 v, 273 switch
    const struct {
        const char* Nev;
        std::vector<std::uint8_t> Adat;
    } esetek[] = {
        {"K wrong", rontas(20, 4)},
        {"n negative", rontas(24, -1)},
        {"n too large", rontas(24, 91)},
        {"number 0", bajt(28, 0)},
        {"number 91", bajt(29, 91)},
        {"number twice", bajt(29, 7)},
        {"f too large", rontas(31, 4)},
        {"constant not marked", bajt(39, 8)},
        {"order mode 4", rontas(40, 4)},
        {"first more than one past the last", rontas(261, 102)},
        {"first draw negative", rontas(261, -1)},
        {"last draw negative", rontas(265, -1)},
        {"error points 4", rontas(44, 4)},
        {"error points in the record 4", bajt(49, 4)},
        {"a switch of the record 2", bajt(49 + 4, 2)},
        {"random count too large", rontas(269, 4)},
        // Found by the fuzzer: 11 error points reached the engine's condition record.
        {"error points 11", rontas(44, 11)},
    };
    for (const auto& e : esetek) {
        RogzitoUzenetek u;
        u.Var(HibaUzenet, std::string(SzamsorBetoltesHiba));
        EXPECT_FALSE(Olvas(e.Adat, u)) << e.Nev;
    }
    RogzitoUzenetek u;
    u.Var(HibaUzenet, "Nem az aktuális lottójáték adatait jelölte ki betöltésre!");
    EXPECT_FALSE(Olvas(jo, u, 6));
    // Item 11 decides the error points, also in the record the loaded data carries, so a
    // file saved from it says the same.
    const auto v = Olvas(rontas(44, 2 + 0x300), u);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Hibapont, 2);
    EXPECT_EQ(v->Feltetelek.Hibapont, 2);
}

TEST(SzamsorFajl, RegiVerziokElhagyottTetelei) {
    SzamsorAdatok a = Pelda();
    a.EloszlasOpt = true;
    auto b = Kodolt(a, {1, 2, 0, 0});
    b.resize(b.size() - 5); // a 1.2.0 file ends after the draw range
    RogzitoUzenetek u;
    auto v = Olvas(b, u);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->EloszlasOpt);
    b = Kodolt(a, {1, 3, 0, 0}); // 1.3.0 has the random numbers, not the switch
    b.pop_back();
    ASSERT_TRUE((v = Olvas(b, u)));
    EXPECT_FALSE(v->EloszlasOpt);
    EXPECT_TRUE(VanVeletlenSzam({1, 2, 3, 0}));
    EXPECT_FALSE(VanVeletlenSzam({2, 0, 0, 0})) << "compared as stated, component by component";
    EXPECT_TRUE(VanEloszlasBajt({1, 4, 0, 0}));
    EXPECT_FALSE(VanEloszlasBajt({1, 3, 0, 9}));
}

TEST(SzamsorFajl, AdatbazisraHivatkozas) {
    SzamsorAdatok a = Pelda();
    a.Huzasok = {50, 300};
    const auto b = Kodolt(a);
    RogzitoUzenetek u;
    u.Var(HibaKerdes, std::string(RegiAdatbazisKerdes), false);
    EXPECT_FALSE(Olvas(b, u));
    u.Var(HibaKerdes, "", true);
    auto v = Olvas(b, u);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Huzasok, (Tartomany{50, 200}));
    // "Yes" with a database shorter than the first draw used to fail with the read error.
    u.Var(HibaKerdes, "", true);
    ASSERT_TRUE((v = Olvas(b, u, 5, 40)));
    EXPECT_EQ(v->Huzasok, (Tartomany{39, 40}));

    // A file saved while the database was empty (every backup of a fresh install) holds
    // 1..0; it was refused once the database had draws.
    a.Huzasok = {1, 0};
    ASSERT_TRUE((v = Olvas(Kodolt(a), u, 5, 200)));
    EXPECT_EQ(v->Huzasok, (Tartomany{1, 2}));
    ASSERT_TRUE((v = Olvas(Kodolt(a), u, 5, 0)));
    EXPECT_EQ(v->Huzasok, (Tartomany{1, 0}));

    a.Feltetelek.TalArBe = 1;
    a.Feltetelek.TalArHuzasok = 1;
    u.Var(HibaUzenet, "A kijelölt állomány hivatkozik a lottóhúzások adatbázisára.\r\r"
                      "Az adatbázis hiányzik!");
    EXPECT_FALSE(Olvas(Kodolt(a), u, 5, 0));
}

TEST(SzamsorFajl, BetoltesCsakElfogadottRekordot) {
    FoszelvenySzamok szamok(5);
    szamok.Hozzafuz(SzamFajta::Normal, 77);
    FeltetelAdatok felt;
    felt.FavBe = 1;
    bool jelzo = true, eloszlas = false;
    HuzasTartomanyok tart;
    tart.MindenHuzas(200);
    const SzamsorCel cel{szamok, felt, jelzo, eloszlas, tart};
    auto b = Kodolt(Pelda());
    b[29] = 7; // a number twice
    RogzitoUzenetek u;
    u.Var(HibaUzenet);
    io::Olvaso o1(b);
    EXPECT_FALSE(SzamsorOlvasas(o1, 5, true, 200, cel, u));
    EXPECT_EQ(szamok.JeloltSzamok(), Szamsor{77});
    EXPECT_TRUE(jelzo);
    b = Kodolt(Pelda());
    io::Olvaso o2(b);
    ASSERT_TRUE(SzamsorOlvasas(o2, 5, true, 200, cel, u));
    EXPECT_EQ(szamok.JeloltSzamok(), (Szamsor{7, 3, 12}));
    EXPECT_EQ(szamok.AllandoSzamok(), Szamsor{12});
    EXPECT_EQ(szamok.GetSzamsorrend(), Szamsorrend::Novekvo);
    EXPECT_FALSE(jelzo);
    EXPECT_EQ(felt, FeltetelAdatok{});
    EXPECT_EQ(tart.Get(TartomanyFajta::Bontas), (Tartomany{1, 100}));
    EXPECT_EQ(SzamsorFelvetel(szamok, felt, jelzo, eloszlas, {1, 100}), Pelda());
}

TEST(SzamsorFajl, MentesHibajaMegorziARegit) {
    teszt::IdeiglenesMappa m;
    RogzitoUzenetek u;
    ASSERT_TRUE(TipMentes(m / "a.tip", Pelda(), u));
    const auto regi = io::FajlBeolvasas(m / "a.tip");
    SzamsorAdatok mas = Pelda();
    mas.Jelolt.push_back(1);
    u.Var(HibaUzenet, "Hiba lépett fel a számsor állományának mentése során!");
    EXPECT_FALSE(TipMentes(m / "a.tip", mas, u, 100));
    EXPECT_EQ(io::FajlBeolvasas(m / "a.tip"), regi);
    EXPECT_TRUE(TipBetoltes(m / "a.tip", 5, true, 100, u));
    u.Var(HibaUzenet, "Hiba lépett fel az állomány beolvasása során!");
    EXPECT_FALSE(TipBetoltes(m / "nincs.tip", 5, true, 100, u));
}

TEST(FajlNevek, KiterjesztesekEsBiztonsagiMentesek) {
    EXPECT_EQ(FajlTipusa("/a/b/X.TIP"), FajlTipus::Tip);
    EXPECT_EQ(FajlTipusa("bontas.ToP"), FajlTipus::Top);
    EXPECT_EQ(FajlTipusa("xtop"), FajlTipus::Top) << "only the last three characters count";
    EXPECT_EQ(FajlTipusa("a.txt"), FajlTipus::Egyeb);
    EXPECT_EQ(FajlTipusa("ip"), FajlTipus::Egyeb);
    EXPECT_EQ(KiterjesztesCsere("/d/x.top", "tip"), "/d/x.tip");
    EXPECT_EQ(BackNev(6), "back6.tip");
    EXPECT_EQ(BackNev(6, "1"), "back61.tip");
    teszt::IdeiglenesMappa m;
    ASSERT_TRUE(io::BiztosMentes(m / "back5.tip", std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(BackCsere(m.Utvonal, 5));
    EXPECT_EQ(io::FajlBeolvasas(m / "back5.tip"), (std::vector<std::uint8_t>{1}));
    ASSERT_TRUE(io::BiztosMentes(m / "back51.tip", std::vector<std::uint8_t>{2}));
    EXPECT_TRUE(BackCsere(m.Utvonal, 5));
    EXPECT_EQ(io::FajlBeolvasas(m / "back5.tip"), (std::vector<std::uint8_t>{2}));
    EXPECT_EQ(io::FajlBeolvasas(m / "back51.tip"), (std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(std::filesystem::exists(m / "back52.tip"));
}

} // namespace
} // namespace varion
