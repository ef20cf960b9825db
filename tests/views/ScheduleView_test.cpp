#include "views/ScheduleView.h"
#include "views/ViewsFixture.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

class ScheduleViews : public ::testing::Test {
protected:
    GridContent view(int entry) const {
        return scheduleGrid(schedule, league, entries, entry, {true, true}, texts);
    }
    std::vector<std::string> column(const GridContent& grid, int logical) const {
        std::vector<std::string> values;
        for (int row = 0; row < grid.rowCount(); ++row) {
            values.push_back(grid.text(row, logical));
        }
        return values;
    }

    LeagueStructure league = test::viewsLeague();
    tSchedule70 schedule = test::viewsSchedule();
    std::vector<ScheduleViewEntry> entries = scheduleViewEntries(schedule, league, true);
    KickoffTexts texts;
};

TEST_F(ScheduleViews, listsTheFixedViewsThenEveryTeamByNameCode) {
    ASSERT_EQ(entries.size(), 14u);
    EXPECT_EQ(entries[1].text, "Sunday Night Games");
    EXPECT_EQ(entries[8].text, "Buffalo");
    EXPECT_EQ(entries[13].text, "San Francisco");
    EXPECT_EQ(entries[13].code, 8);
    EXPECT_EQ(scheduleCaption(schedule, entries, 9), "2025 Fixture Schedule: Miami");
}

TEST_F(ScheduleViews, completeScheduleHasWeekTitlesAndRoundHeadings) {
    const GridContent grid = view(0);
    ASSERT_EQ(grid.rowCount(), 13);
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{"", "", " Week  1", "", "", ""}));
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{" Miami", " at", " Buffalo", " Thu", " Sep 4",
                                                      " 8:20 PM"}));
    EXPECT_EQ(grid.text(6, kTimeColumn), " TBA");
    EXPECT_EQ(grid.text(8, kHomeColumn), " Week  3");
    EXPECT_EQ(grid.text(11, kHomeColumn), " Super Bowl");
    EXPECT_EQ(grid.text(12, kVisitorColumn), " San Francisco");
    EXPECT_EQ(grid.markAt(11, kVisitorColumn), CellMark::Highlight);
    EXPECT_EQ(grid.markAt(12, kVisitorColumn), CellMark::None);
}

TEST_F(ScheduleViews, nightViewsStartAtSixInTheEvening) {
    const GridContent sunday = view(1);
    ASSERT_EQ(sunday.rowCount(), 2); // 17:59 on 7 Sep is left out
    EXPECT_EQ(sunday.rows[0], (std::vector<std::string>{" San Francisco", " at", " Green Bay",
                                                        " Sun", " Sep 7", " 6:00 PM"}));
    EXPECT_EQ(sunday.text(1, kDateColumn), " Sep 21");
    // The Super Bowl, a Sunday night game too, is no regular-season game.
    EXPECT_EQ(view(2).rowCount(), 1);
    EXPECT_EQ(view(5).text(0, kDayColumn), " Thu");
}

TEST_F(ScheduleViews, aWeekdayWithoutGamesShowsNoGames) {
    const GridContent saturday = view(7);
    ASSERT_EQ(saturday.rowCount(), 1);
    EXPECT_EQ(saturday.text(0, kVisitorColumn), " No Games");
    EXPECT_TRUE(scheduleHasNoGames(saturday));
    EXPECT_FALSE(scheduleHasNoGames(view(2)));
}

TEST_F(ScheduleViews, aTeamViewHasOneRowPerWeekWithItsOpenDate) {
    const GridContent greenBay = view(12);
    EXPECT_EQ(column(greenBay, kVisitorColumn),
              (std::vector<std::string>{" San Francisco", " Green Bay", " Open Date"}));
    EXPECT_EQ(greenBay.text(2, kHomeColumn), "");
    const GridContent buffalo = view(8);
    EXPECT_EQ(column(buffalo, kHomeColumn),
              (std::vector<std::string>{" Buffalo", " New York", " Miami"}));
}

TEST_F(ScheduleViews, survivesWeekCountsBeyondTheGames) {
    league.weekGameCounts = {5, 3, 3, 3, 9, 9};
    EXPECT_EQ(view(0).rowCount(), 14); // five week titles, nine games, no playoff heading
    EXPECT_EQ(view(10).rowCount(), 5);
}

} // namespace
} // namespace grd
