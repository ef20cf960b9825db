#include "accuracy/AccuracyFixture.h"
#include "accuracy/AccuracyGrids.h"
#include "accuracy/MarketLine.h"
#include "accuracy/MarketTally.h"
#include "accuracy/SeasonAccuracy.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::kAccuracyFixtureDir;
using test::kFixtureRegularWeeks;

std::vector<MarketLine> fixtureLines() {
    auto lines = parseMarketLines(test::readFile(kAccuracyFixtureDir + "lines.csv"),
                                  test::fixtureAbbreviations(), kFixtureRegularWeeks, "2025-26");
    EXPECT_TRUE(lines.ok());
    return lines.ok() ? lines.value() : std::vector<MarketLine>{};
}

TEST(MarketLine, recordsGiveHomeMarginsAndPlayoffWeeksFollowTheRegularOnes) {
    auto lines = fixtureLines();
    ASSERT_EQ(lines.size(), 7u); // the week-3 game has no line
    EXPECT_EQ(lines[1].week, 1);
    EXPECT_EQ(lines[1].away, 4);
    EXPECT_EQ(lines[1].home, 3);
    EXPECT_DOUBLE_EQ(lines[1].line, -1.0);
    EXPECT_EQ(lines.back().week, 100);
    EXPECT_EQ(findMarketLine(lines, 100, 1, 6), &lines.back());
    EXPECT_EQ(findMarketLine(lines, 3, 1, 2), nullptr);
}

TEST(MarketLine, badRecordsFailNamingTheRowAndTheValue) {
    auto teams = test::fixtureAbbreviations();
    EXPECT_FALSE(
        parseMarketLines("week,away_team,home_team\n1,MIA,BUF\n", teams, 3, "2025-26").ok());
    struct Case {
        std::string row, named;
    };
    const Case cases[] = {
        {"1,XYZ,BUF,3", "away_team \"XYZ\""}, {"1,MIA,BUF,pk", "\"pk\""},
        {"1,MIA,BUF,nan", "\"nan\""},         {"1,MIA,BUF,inf", "\"inf\""},
        {"1,MIA,BUF,-inf", "\"-inf\""},       {"1,MIA,BUF,1e308", "\"1e308\""},
        {"1,MIA,BUF,100.5", "\"100.5\""},     {"1,MIA,BUF,-101", "\"-101\""},
        {"x,MIA,BUF,3", "week \"x\""},        {"1,MIA,QQQ,3", "home_team \"QQQ\""},
    };
    for (const auto& c : cases) {
        auto parsed = parseMarketLines("week,away_team,home_team,spread_line\n" + c.row + "\n",
                                       teams, 3, "2025-26");
        ASSERT_FALSE(parsed.ok()) << c.row;
        EXPECT_NE(parsed.failure().detail.find("line 2: "), std::string::npos) << c.row;
        EXPECT_NE(parsed.failure().detail.find(c.named), std::string::npos)
            << parsed.failure().detail;
    }
    EXPECT_TRUE(parseMarketLines("week,away_team,home_team,spread_line\n1,MIA,BUF,-100\n", teams, 3,
                                 "2025-26")
                    .ok());
    // Public records hold every season: only the loaded one's rows count, and records
    // of another season alone are refused rather than read as no lines.
    auto mixed = parseMarketLines(
        "season,week,away_team,home_team,spread_line\n2024,1,MIA,BUF,9\n2025,1,MIA,BUF,3\n", teams,
        3, "2025-26");
    ASSERT_TRUE(mixed.ok());
    ASSERT_EQ(mixed.value().size(), 1u);
    EXPECT_EQ(mixed.value()[0].line, 3);
    auto otherSeason = parseMarketLines(
        "season,week,away_team,home_team,spread_line\n2024,1,MIA,BUF,3\n", teams, 3, "2025-26");
    ASSERT_FALSE(otherSeason.ok());
    EXPECT_NE(otherSeason.failure().detail.find("line 2: the records are of the 2024 season, not "
                                                "of the loaded season 2025-26"),
              std::string::npos)
        << otherSeason.failure().detail;
}

// With lines, per the fixture's week 1: Buffalo -2.5 won by 7 (right side), Jets +1
// even forecast won by 3 (right), Green Bay -6 forecast 6 (no side); week 2: a tie on
// a line of 0 and Miami by 27 on a line of 27 (pushes); the Super Bowl: SF -1.5,
// forecast 4, lost by 21 (wrong). The unplayed game's line counts for nothing.
TEST(MarketLine, marketBesideTheForecastsWorkedByHand) {
    auto league = test::viewsLeague();
    auto archives = readSeasonArchives(kAccuracyFixtureDir, ".25", league);
    ASSERT_TRUE(archives.ok());
    auto season = seasonAccuracy(archives.value(), kFixtureRegularWeeks);
    auto lines = fixtureLines();
    MarketTally total;
    for (const auto& week : season.weeks) {
        total += compareWithMarket(week, lines);
    }
    EXPECT_EQ(total.model.games, 6);
    EXPECT_EQ(total.market.games, 6);
    EXPECT_EQ(total.market.even, 1);
    EXPECT_EQ(total.market.winnersText(), "2/5 = 40.0%");
    EXPECT_EQ(total.market.meanErrorText(), "7.33"); // 44 / 6
    EXPECT_EQ(total.pushes, 2);
    EXPECT_EQ(total.noSide, 1);
    EXPECT_EQ(total.againstLineText(), "2/3 = 66.7%");

    auto grid = accuracyWeeksGrid(season, league, &lines);
    EXPECT_EQ(grid.title(10), "Market Brier");
    EXPECT_EQ(grid.title(11), "Against the line");
    EXPECT_EQ(grid.rows.back()[8], "2/5 = 40.0%");
    EXPECT_EQ(grid.rows.back()[11], "2/3 = 66.7%");
    auto games = accuracyGamesGrid(season.weeks[0], league, false, &lines);
    EXPECT_EQ(games.rows[0][0], "Bills (home)");
    EXPECT_EQ(games.rows[0][1], "Dolphins");
    EXPECT_EQ(games.rows[1][0], "Jets (home)");
    EXPECT_EQ(games.rows[0][6], "2.5");
    EXPECT_EQ(games.rows[0][7], "right");
    EXPECT_EQ(games.rows[1][6], "-1");
    EXPECT_EQ(games.rows[2][7], "no side");
    EXPECT_NE(accuracyGamesTip("Team 2").find("\"(home)\" marks the home team"), std::string::npos);
    EXPECT_NE(accuracyGamesTip("Line").find("positive when the market favoured Team 1"),
              std::string::npos);
}

} // namespace
} // namespace grd
