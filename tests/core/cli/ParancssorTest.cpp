#include <algorithm>
#include <gtest/gtest.h>

#include "support/CliFuttatas.h"

namespace varion::teszt {
namespace {

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
    EXPECT_EQ(std::count(ismeretlen.Hibak.begin(), ismeretlen.Hibak.end(), '\n'), 1);
}

} // namespace
} // namespace varion::teszt
