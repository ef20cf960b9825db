#include "views/CategoryRankingsView.h"
#include "views/DivisionRankingsView.h"
#include "views/RankingsColumns.h"
#include "views/TeamRankingsView.h"
#include "views/ViewsFixture.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

class RankingsViews : public ::testing::Test {
protected:
    void SetUp() override {
        league = test::viewsLeague();
        test::readViewsFixture("MAIN-DTA.GRD", kMainDataKind, rankings, state, league);
    }
    std::vector<std::string> column(const GridContent& grid, int logical) const {
        std::vector<std::string> texts;
        for (int row = 0; row < grid.rowCount(); ++row) {
            texts.push_back(grid.text(row, logical));
        }
        return texts;
    }

    LeagueStructure league;
    tRankings rankings;
    ProgramState state;
};

TEST_F(RankingsViews, teamWindowListsTheSortOrderThenTheLeagueAverages) {
    const GridContent grid = teamRankingsGrid(rankings, league, {kSortTotal, true, true});
    ASSERT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(column(grid, kTeamColumn),
              (std::vector<std::string>{" Buffalo", " San Francisco", " New York", " Dallas",
                                        " Miami", " Green Bay", "Averages"}));
    EXPECT_EQ(grid.rows[0],
              (std::vector<std::string>{"  1", " Buffalo", " 106.2", " 105", " 107", "  98", "  71",
                                        " 24.5", " 17.8", " 0.750", "  3", "  1", "  0"}));
    // League points scored equal points allowed: both columns show the Pts+ average.
    EXPECT_EQ(grid.rows[6],
              (std::vector<std::string>{"", "Averages", " 100.0", " 100", " 100", "  86", "  86",
                                        " 21.5", " 21.5", " 0.521", "", "", ""}));
}

TEST_F(RankingsViews, teamWindowHighlightsEveryFifthTeamAndTheSortedHeader) {
    GridContent grid = teamRankingsGrid(rankings, league, {kSortPointsAgainst, false, true});
    EXPECT_EQ(grid.text(0, kTeamColumn), " Bills");
    EXPECT_EQ(grid.markAt(4, kPointsAgainstColumn), CellMark::Highlight);
    EXPECT_EQ(grid.markAt(3, kTeamColumn), CellMark::None);
    EXPECT_EQ(grid.markAt(6, kTeamColumn), CellMark::None); // the averages row
    EXPECT_EQ(grid.headerMarks[kPointsAgainstColumn], CellMark::Highlight);
    EXPECT_EQ(grid.headerMarks[kTotalColumn], CellMark::None);

    grid = teamRankingsGrid(rankings, league, {kSortPercentage, true, false});
    EXPECT_EQ(grid.markAt(4, kTeamColumn), CellMark::None);
    EXPECT_EQ(grid.headerMarks[kPercentColumn], CellMark::Highlight);
}

TEST_F(RankingsViews, teamWindowWithoutGamesShowsAZeroPercentage) {
    for (TeamStats& team : rankings.teams) {
        team.wins = team.losses = team.ties = 0;
    }
    const GridContent grid = teamRankingsGrid(rankings, league, {kSortTotal, true, true});
    EXPECT_EQ(grid.text(6, kPercentColumn), "0.000");
}

TEST_F(RankingsViews, divisionWindowRanksLeagueWideButOrdersByPercentage) {
    const GridContent grid = divisionRankingsGrid(rankings, league, {kSortTotal, true, true});
    ASSERT_EQ(grid.rowCount(), 8);
    EXPECT_EQ(
        column(grid, kTeamColumn),
        (std::vector<std::string>{"East Division", " Buffalo", " New York", " Miami",
                                  "West Division", " San Francisco", " Dallas", " Green Bay"}));
    EXPECT_EQ(column(grid, kRankColumn),
              (std::vector<std::string>{"", "  1", "  3", "  5", "", "  2", "  4", "  6"}));
    EXPECT_EQ(grid.markAt(0, kWinsColumn), CellMark::Highlight);
    EXPECT_EQ(grid.markAt(1, kWinsColumn), CellMark::None);
    EXPECT_EQ(grid.headerMarks[kPercentColumn], CellMark::Highlight);
    EXPECT_EQ(grid.headerMarks[kTotalColumn], CellMark::Highlight);

    // Another sort key renumbers the teams but keeps the rows.
    const GridContent byPointsFor =
        divisionRankingsGrid(rankings, league, {kSortPointsFor, true, false});
    EXPECT_EQ(column(byPointsFor, kTeamColumn), column(grid, kTeamColumn));
    EXPECT_EQ(column(byPointsFor, kRankColumn),
              (std::vector<std::string>{"", "  2", "  3", "  5", "", "  1", "  4", "  6"}));
    EXPECT_EQ(byPointsFor.markAt(0, kWinsColumn), CellMark::None);
}

TEST_F(RankingsViews, categoryWindowListsEachStatisticsOwnOrder) {
    CategoryLook look;
    look.nameLength = 3;
    const GridContent grid = categoryRankingsGrid(rankings, league, look);
    ASSERT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{
                                "  1", " 106.2  Buf  ", " 106  San  ", " 107  Buf  ", " 120  San  ",
                                "  71  Buf  ", " 30.0  San  ", " 17.8  Buf  ", " 1.000  San  "}));
    // Team 1 (Buffalo) is the first pick, team 2 (Miami) the second.
    EXPECT_EQ(grid.markAt(0, 1), CellMark::FirstTeam);
    EXPECT_EQ(grid.markAt(4, 1), CellMark::SecondTeam);
    EXPECT_EQ(grid.markAt(4, 0), CellMark::Highlight);
    EXPECT_EQ(grid.markAt(4, 2), CellMark::Highlight); // Dallas, fifth by offense
    EXPECT_EQ(categoryTeamAt(rankings, 5, 0), 1);      // fewest points allowed
    EXPECT_EQ(categoryTeamAt(rankings, 0, 0), 0);
    EXPECT_EQ(categoryTeamAt(rankings, 1, 6), 0);
}

TEST(TeamPicks, picksReplaceTheFirstAndSecondTeamInTurn) {
    TeamPicks picks;
    EXPECT_FALSE(picks.pick(2));
    EXPECT_TRUE(picks.pick(5));
    EXPECT_EQ(picks.first(), 5);
    EXPECT_TRUE(picks.pick(6));
    EXPECT_EQ(picks.second(), 6);
    EXPECT_TRUE(picks.pick(1));
    EXPECT_EQ(picks.first(), 1);
    picks.fitTo(6);
    EXPECT_EQ(picks.first(), 1);
    picks.fitTo(4); // data of a smaller league: team 6 no longer exists
    EXPECT_EQ(picks.first(), 1);
    EXPECT_EQ(picks.second(), 2);
}

TEST(CutName, keepsWholeCharacters) {
    EXPECT_EQ(cutName("San Francisco", 3), "San");
    EXPECT_EQ(cutName("Miami", 13), "Miami");
    EXPECT_EQ(cutName("M\xc3\xbcnchen", 2), "M\xc3\xbc");
}

} // namespace
} // namespace grd
