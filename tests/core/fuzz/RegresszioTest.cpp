// Every input that ever made a reader crash or contradict itself under the fuzzer stays in
// fuzz/regresszio/TARGET/ and is replayed here by the normal test run.
#include <filesystem>
#include <gtest/gtest.h>

#include "Celok.h"
#include "io/FajlMentes.h"

namespace varion::fuzz {
namespace {

namespace fs = std::filesystem;

TEST(FuzzRegresszio, MindenKorabbiLeletetKibirnakAzOlvasok) {
    const fs::path gyoker = VARION_FUZZ_REGRESSZIO;
    int db = 0;
    for (const Cel& c : Celok) {
        const fs::path mappa = gyoker / std::string(c.Nev);
        if (!fs::is_directory(mappa)) continue;
        for (const auto& f : fs::directory_iterator(mappa)) {
            const auto adat = io::FajlBeolvasas(f.path());
            ASSERT_TRUE(adat) << f.path();
            EXPECT_TRUE(c.Futtatas(*adat)) << f.path();
            ++db;
        }
    }
    EXPECT_GT(db, 0) << "the corpus is in " << gyoker;
}

} // namespace
} // namespace varion::fuzz
