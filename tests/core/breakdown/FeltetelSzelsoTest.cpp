// A condition record handed to the engine directly, not through the file reader's check:
// whatever its fields hold, the run ends by itself, within a time limit, without a report
// of the sanitizers (signed overflow, a write past a count table, an index at or above N).
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "breakdown/UBontas.h"
#include "conditions/FeltetelEllenorzes.h"
#include "support/BontasSegito.h"
#include "support/RogzitoUzenetek.h"

namespace varion {
namespace {

using namespace std::chrono_literals;

// Twelve numbers with twins (11, 22, 33, 77) and mirror pairs (12 and 21, 45 and 54 absent).
const Szamsor Jelolt{3, 7, 11, 12, 21, 22, 33, 40, 45, 58, 77, 85};

// Every condition on with limits that let every variation through, so that each condition's
// code is reached by every combination.
FeltetelAdatok MindenBe() {
    FeltetelAdatok a;
    a.FavBe = 1, a.FavSzamai = 1, a.FavSzamaiMax = 12, a.FavTalalat = 0, a.FavTalalatMax = 5;
    a.MobBe = 1, a.MobSzamai = 12, a.MobTalalatMax = 5;
    a.FixBe = 1, a.FixSzamai = 12, a.FixTalalatMax = 5;
    a.SzcsParosBe = 1, a.SzcsParos = 0, a.SzcsParosMax = 5;
    a.SzcsIsmetBe = 1, a.SzcsIsmet = 0, a.SzcsIsmetMax = 5;
    a.TalArBe = 1, a.TalArKeresett = 1, a.TalArTalalat = 0, a.TalArTalalatMax = 5;
    a.SzvParosBe = 1, a.SzvParos = 0, a.SzvParosMax = 5;
    a.SzvIsmetBe = 1, a.SzvIsmet = 0, a.SzvIsmetMax = 5;
    a.EsemOsszegBe = 1, a.EsemOsszFix = 0, a.EsemOsszMax = 1000;
    a.IkerszamBe = 1, a.Ikerszam = 0, a.IkerszamMax = 5;
    a.TukorszamBe = 1, a.Tukorszam = 0, a.TukorszamMax = 5;
    return a;
}

struct Huzasok {
    std::vector<std::int32_t> adat; // number, year, week, five numbers
    Huzasok() {
        const int sorok[][5] = {{3, 7, 11, 40, 85}, {1, 2, 4, 5, 6}, {12, 21, 22, 33, 77}};
        int n = 0;
        for (const auto& s : sorok) {
            adat.insert(adat.end(), {++n, 2020, n});
            adat.insert(adat.end(), std::begin(s), std::end(s));
        }
    }
    HuzasTablaNezet Nezet() const { return {adat, 8}; }
};

// Runs the breakdown on a worker; false when it has not ended within `hatar`. A run that
// does not even answer Stop cannot be joined: the test program ends there.
bool IdobenLefut(TBontas& b, const FeltetelKeszlet& f, const Huzasok& h, Uzenetek& u,
                 std::chrono::milliseconds hatar, const std::string& eset) {
    BontasBemenet be;
    be.Jatek = 5;
    be.JeloltSzamok = Jelolt;
    be.Feltetelek = &f;
    be.Huzasok = h.Nezet();
    be.ElsoHuzas = 1;
    be.UtolsoHuzas = 3;
    if (!b.BontasIndul(be, u, [] { return std::optional<std::uint64_t>(1ull << 40); }))
        return true; // refused before it started: nothing to hang
    b.SzalInditas();
    const auto vege = std::chrono::steady_clock::now() + hatar;
    while (b.Fut() && std::chrono::steady_clock::now() < vege) std::this_thread::sleep_for(1ms);
    if (!b.Fut()) {
        b.Megvar();
        return true;
    }
    b.Stop();
    const auto stopVege = std::chrono::steady_clock::now() + 2s;
    while (b.Fut() && std::chrono::steady_clock::now() < stopVege) std::this_thread::sleep_for(1ms);
    if (b.Fut()) {
        std::fprintf(stderr, "the run of %s does not stop\n", eset.c_str());
        std::_Exit(1);
    }
    b.Megvar();
    return false;
}

TEST(FeltetelSzelso, MindenMezoSzelsoErtekeiKozvetlenulAMotorba) {
    const Huzasok h;
    {
        // The all-on record lets variations through every condition: each one is reached.
        TBontas b;
        teszt::RogzitoUzenetek u;
        u.MindentElfogad();
        const auto f = teszt::Keszlet(MindenBe(), Jelolt, 5);
        ASSERT_TRUE(IdobenLefut(b, f, h, u, 10s, "the all-on record"));
        ASSERT_GT(b.GetTaroltNyerSzelv(), 0);
        using namespace teljesult;
        // The hit ratio comes last and marks nothing: reaching the mirror pairs reaches it.
        EXPECT_EQ(b.TeljesultFeltetelek(), Fav | Mob | Fix | SzcsParos | SzcsIsmet | SzvParos |
                                               SzvIsmet | Osszeg | Ikerszam | Tukorszam);
    }
    const std::int32_t ertekek[] = {0, 1, -1, 255, 256, 65536, INT_MAX, INT_MIN};
    for (const FeltetelAdatok& alap : {MindenBe(), FeltetelAdatok{}}) {
        // The bytes as the program would hand them over, aggregates of the row included.
        io::Iro iro;
        FeltetelAdatokIras(teszt::Keszlet(alap, Jelolt, 5).Adatok, iro);
        // Every word of the block: a value, or a switch with the padding bytes after it.
        for (std::size_t poz = 0; poz < FeltetelAdatokMerete; poz += 4) {
            for (const std::int32_t v : ertekek) {
                auto bajtok = iro.Adat();
                io::Int32Ir(bajtok.data() + poz, v);
                io::Olvaso o(bajtok);
                FeltetelKeszlet f = teszt::Keszlet(alap, Jelolt, 5);
                ASSERT_TRUE(FeltetelAdatokOlvasas(o, f.Adatok));
                f.FeltetelJelzo = true;
                const std::string eset = (alap.FavBe ? "all on, " : "all off, ") +
                                         std::string("offset ") + std::to_string(poz) + " = " +
                                         std::to_string(v);
                TBontas b;
                teszt::RogzitoUzenetek u;
                u.MindentElfogad();
                EXPECT_TRUE(IdobenLefut(b, f, h, u, 5s, eset)) << eset;
                // Every stored row is one the program can read back.
                for (std::int32_t r = 0; r < b.GetTaroltNyerSzelv(); ++r) {
                    const auto s = b.Sor(r);
                    for (std::size_t i = 0; i < s.size(); ++i) {
                        if (b.HuzasMod())
                            ASSERT_LE(s[i], 90) << eset;
                        else
                            ASSERT_TRUE(s[i] < Jelolt.size() && (i == 0 || s[i] > s[i - 1]))
                                << eset;
                    }
                }
            }
        }
    }
}

// The engine's clamp leaves a record the reader accepts as it is, and brings any other
// inside the reader's limits.
TEST(FeltetelSzelso, IgazitasErvenyesetNemValtoztat) {
    FeltetelAdatok jo = MindenBe();
    jo.FavSzamai = 3, jo.FavSzamaiMax = 7, jo.FavTalalat = 1, jo.FavTalalatMax = 2;
    ASSERT_TRUE(FeltetelAdatokErvenyes(jo, 12, 5, 5));
    FeltetelAdatok igazitott = jo;
    FeltetelAdatokIgazitas(igazitott, 12, 5, 5);
    EXPECT_EQ(igazitott, jo);

    FeltetelAdatok rossz = jo;
    rossz.FavSzamai = INT_MIN;
    rossz.FavSzamaiMax = 258;
    rossz.MobTalalatMax = 65536;
    rossz.OsszegMax = -1;
    rossz.TukorszamBe = 255;
    rossz.Hibapont = 200;
    FeltetelAdatokIgazitas(rossz, 12, 5, 5);
    EXPECT_TRUE(FeltetelAdatokErvenyes(rossz, 12, 5, 5));
    EXPECT_EQ(rossz.FavSzamai, 1);
    EXPECT_EQ(rossz.FavSzamaiMax, 12);
    EXPECT_EQ(rossz.MobTalalatMax, 5);
    EXPECT_EQ(rossz.OsszegMax, 0);
    EXPECT_EQ(rossz.TukorszamBe, 1);
    EXPECT_EQ(rossz.Hibapont, 3);
}

} // namespace
} // namespace varion
