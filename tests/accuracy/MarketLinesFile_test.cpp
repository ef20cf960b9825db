#include "accuracy/MarketLinesFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(MarketLinesFile, writtenLinesReadBackTheSame) {
    test::TempDir dir;
    std::vector<MarketLine> lines{{1, 4, 3, -1.0}, {2, 5, 2, 27.5}, {100, 1, 6, 0.1}};
    const auto file = dir.path() / "GRDLines.25.csv";
    ASSERT_TRUE(writeMarketLines(file, lines).ok());
    EXPECT_EQ(dir.read("GRDLines.25.csv"),
              "week,away,home,line\r\n1,4,3,-1\r\n2,5,2,27.5\r\n100,1,6,0.1\r\n");
    auto read = readMarketLines(file);
    ASSERT_TRUE(read.ok());
    ASSERT_TRUE(read.value().has_value());
    ASSERT_EQ(read.value()->size(), 3u);
    EXPECT_EQ(read.value()->at(2).week, 100);
    EXPECT_EQ(read.value()->at(2).line, 0.1);
}

TEST(MarketLinesFile, missingFileHasNoLinesAndDamagedOneFailsNamingTheLine) {
    test::TempDir dir;
    auto missing = readMarketLines(dir.path() / "GRDLines.25.csv");
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing.value().has_value());

    dir.write("GRDLines.25.csv", "week,away,home,line\r\n1,4,3,-1\r\n2,five,2,3\r\n");
    auto damaged = readMarketLines(dir.path() / "GRDLines.25.csv");
    ASSERT_FALSE(damaged.ok());
    EXPECT_NE(damaged.failure().detail.find("line 3"), std::string::npos);
    EXPECT_FALSE(readMarketLines(dir.path()).ok()); // a directory is no lines file
}

TEST(MarketLinesFile, failedWriteLeavesTheFileAsItWas) {
    test::TempDir dir;
    EXPECT_FALSE(writeMarketLines(dir.path() / "missing" / "GRDLines.25.csv", {}).ok());
    LeagueStructure league;
    league.seasonSuffix = ".25";
    EXPECT_EQ(marketLinesFileName(league), "GRDLines.25.csv");
}

} // namespace
} // namespace grd
