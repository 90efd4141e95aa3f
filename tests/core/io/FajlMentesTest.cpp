#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "io/FajlMentes.h"
#include "io/Forras.h"
#include "io/KisVeg.h"
#include "support/IdeiglenesMappa.h"

namespace varion::io {
namespace {

namespace fs = std::filesystem;

using teszt::IdeiglenesMappa;

TEST(BiztosMentes, HibaEsetenARegiFajlMarad) {
    IdeiglenesMappa m;
    const auto cel = m.Utvonal / "adat.bin";
    const std::vector<std::uint8_t> regi{1, 2, 3}, uj(100000, 7);
    ASSERT_TRUE(BiztosMentes(cel, regi));
    EXPECT_FALSE(BiztosMentes(cel, uj, 50000)); // fails half-way
    EXPECT_EQ(FajlBeolvasas(cel), regi);
    EXPECT_EQ(std::distance(fs::directory_iterator(m.Utvonal), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
    ASSERT_TRUE(BiztosMentes(cel, uj));
    EXPECT_EQ(FajlBeolvasas(cel), uj);
    EXPECT_FALSE(BiztosMentes(m.Utvonal / "nincs" / "ilyen.bin", regi));
    EXPECT_FALSE(FajlBeolvasas(m.Utvonal / "nincs.bin"));
    EXPECT_FALSE(FajlBeolvasas("/dev/zero")) << "a device is no file: it would never end";
    EXPECT_FALSE(FajlBeolvasas(m.Utvonal)) << "nor is a folder";
}

// Content written in pieces lands whole, and a piece that fails (or a writer that gives up
// after its first pieces) leaves the old file, never the part written so far.
TEST(BiztosMentes, DarabonkentIrtTartalom) {
    IdeiglenesMappa m;
    const auto cel = m.Utvonal / "b.top";
    const std::vector<std::uint8_t> regi{9, 9}, darab(70000, 5);
    ASSERT_TRUE(BiztosMentes(cel, regi));
    auto harom = [&](Kimenet& ki) {
        return ki.Ir(darab) && ki.Ir(std::span(darab).first(3)) && ki.Ir(darab);
    };
    EXPECT_FALSE(BiztosMentesDarabonkent(cel, harom, 70001)) << "fails inside the second piece";
    EXPECT_FALSE(BiztosMentesDarabonkent(cel, harom, 100000)) << "fails inside the third piece";
    EXPECT_FALSE(BiztosMentesDarabonkent(cel, [&](Kimenet& ki) { return ki.Ir(darab) && false; }));
    EXPECT_EQ(FajlBeolvasas(cel), regi);
    EXPECT_EQ(std::distance(fs::directory_iterator(m.Utvonal), fs::directory_iterator()), 1);
    ASSERT_TRUE(BiztosMentesDarabonkent(cel, harom, 140003)) << "exactly enough";
    const auto uj = FajlBeolvasas(cel);
    ASSERT_EQ(uj->size(), 140003u);
    EXPECT_TRUE(std::all_of(uj->begin(), uj->end(), [](std::uint8_t b) { return b == 5; }));
}

TEST(Forras, FajlDarabjaiEsAVegenTul) {
    IdeiglenesMappa m;
    std::vector<std::uint8_t> adat(300000);
    for (std::size_t i = 0; i < adat.size(); ++i) adat[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(BiztosMentes(m.Utvonal / "a.bin", adat));
    auto f = FajlForras::Megnyitas(m.Utvonal / "a.bin");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Meret(), adat.size());
    std::vector<std::uint8_t> ki(1000);
    ASSERT_TRUE(f->Olvas(250000, ki));
    EXPECT_TRUE(std::equal(ki.begin(), ki.end(), adat.begin() + 250000));
    EXPECT_FALSE(f->Olvas(299001, ki)) << "past the end";
    EXPECT_FALSE(f->Olvas(UINT64_MAX - 10, ki)) << "a position that would wrap";
    MemoriaForras mf(adat);
    ASSERT_TRUE(mf.Olvas(250000, ki));
    EXPECT_TRUE(std::equal(ki.begin(), ki.end(), adat.begin() + 250000));
    EXPECT_FALSE(mf.Olvas(UINT64_MAX - 10, ki));
    EXPECT_FALSE(FajlForras::Megnyitas("/dev/zero")) << "a device is no file";
    EXPECT_FALSE(FajlForras::Megnyitas(m.Utvonal)) << "nor is a folder";
}

TEST(KisVeg, IrasOlvasasEsRovidAdat) {
    Iro iro;
    iro.Int32(-2);
    iro.Int16(0x1234);
    iro.Byte(9);
    EXPECT_EQ(iro.Adat(), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 9}));
    Olvaso o(iro.Adat());
    std::int32_t i = 0;
    std::int16_t h = 0;
    std::uint8_t b = 0;
    EXPECT_TRUE(o.Int32(i) && o.Int16(h) && o.Byte(b));
    EXPECT_EQ(i, -2);
    EXPECT_EQ(h, 0x1234);
    EXPECT_EQ(b, 9);
    EXPECT_FALSE(o.Byte(b));
    EXPECT_TRUE(o.Hibas());
    Olvaso rovid(std::span(iro.Adat()).first(3));
    EXPECT_FALSE(rovid.Int32(i));
    EXPECT_FALSE(rovid.Byte(b)) << "a failed reader stays failed";
}

} // namespace
} // namespace varion::io

namespace varion::io {
namespace {

// A writer killed by the file-size limit half-way: the target keeps its old content and,
// with the start-up clean-up, nothing else is left in the folder. (The named temporary of
// the plain mkstemp way stayed behind, empty, before.)
TEST(BiztosMentes, FajlmeretKorlatMiattMegoltIro) {
    teszt::IdeiglenesMappa m;
    const auto cel = m.Utvonal / "Huzas5.ldb";
    const std::vector<std::uint8_t> regi{1, 2, 3}, uj(1 << 20, 7);
    ASSERT_TRUE(BiztosMentes(cel, regi));
    const pid_t gyerek = ::fork();
    ASSERT_GE(gyerek, 0);
    if (gyerek == 0) {
        const rlimit korlat{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &korlat);
        BiztosMentes(cel, uj);
        ::_exit(0);
    }
    int allapot = 0;
    ASSERT_EQ(::waitpid(gyerek, &allapot, 0), gyerek);
    ASSERT_TRUE(WIFSIGNALED(allapot));
    EXPECT_EQ(WTERMSIG(allapot), SIGXFSZ);
    EXPECT_EQ(FajlBeolvasas(cel), regi);
    static constexpr std::string_view kit[] = {"ldb"};
    RegiIdeiglenesekTorlese(m.Utvonal, kit);
    EXPECT_EQ(std::distance(fs::directory_iterator(m.Utvonal), fs::directory_iterator()), 1);
}

} // namespace
} // namespace varion::io
