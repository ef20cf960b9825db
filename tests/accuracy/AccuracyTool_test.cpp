#include "TestConfig.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace grd {
namespace {

using test::runTool;

// The 2024 season's first two weeks replayed from average ratings.
void makeTwoWeeks(const test::TempDir& dir) {
    const std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
    const std::string path = dir.path().string();
    ASSERT_EQ(runTool(std::string("build-schedule --teams ") + ODDSMITH_DATA_DIR + "teams.csv" +
                      " --games " + games + " " + path)
                  .status,
              0);
    ASSERT_EQ(runTool("init " + path + " --average").status, 0);
    ASSERT_EQ(runTool("replay " + path + " " + games + " --through 2").status, 0);
}

TEST(AccuracyTool, printsWeeksSeasonAndTheMarketFromLines) {
    test::TempDir dir;
    makeTwoWeeks(dir);
    // Every home team a 3-point favourite.
    std::istringstream records(test::readFile(std::string(ODDSMITH_DATA_DIR) + "games-2024.csv"));
    std::string lines;
    for (std::string line; std::getline(records, line);) {
        lines += line + (lines.empty() ? ",spread_line\n" : ",3\n");
    }
    dir.write("lines.csv", lines);

    auto plain = runTool("accuracy " + dir.path().string());
    ASSERT_EQ(plain.status, 0) << plain.output;
    EXPECT_NE(plain.output.find("\nWeek 1 "), std::string::npos) << plain.output;
    EXPECT_NE(plain.output.find("\nWeek 2 "), std::string::npos);
    EXPECT_EQ(plain.output.find("\nWeek 3 "), std::string::npos); // no scores yet
    EXPECT_NE(plain.output.find("\nSeason "), std::string::npos);
    EXPECT_EQ(plain.output.find("Against the line"), std::string::npos);
    EXPECT_NE(plain.output.find("\nbrier 0."), std::string::npos);

    auto market = runTool("accuracy " + dir.path().string() + " --lines " +
                          (dir.path() / "lines.csv").string() + " --games");
    ASSERT_EQ(market.status, 0) << market.output;
    EXPECT_NE(market.output.find("Against the line"), std::string::npos);
    EXPECT_NE(market.output.find("Favourite won"), std::string::npos);
    EXPECT_NE(market.output.find("\nmarket brier 0."), std::string::npos);
}

TEST(AccuracyTool, refusesLinesWithoutTheirColumnAndUnknownArguments) {
    test::TempDir dir;
    makeTwoWeeks(dir);
    auto noColumn = runTool("accuracy " + dir.path().string() + " --lines " + ODDSMITH_DATA_DIR +
                            "games-2024.csv");
    EXPECT_NE(noColumn.status, 0);
    EXPECT_NE(noColumn.output.find("spread_line"), std::string::npos) << noColumn.output;
    EXPECT_NE(runTool("accuracy " + dir.path().string() + " --weeks").status, 0);
}

} // namespace
} // namespace grd
