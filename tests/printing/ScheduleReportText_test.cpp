#include "printing/ScheduleReportText.h"
#include "views/ScheduleView.h"
#include "views/ViewsFixture.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using Lines = std::vector<std::string>;

class ScheduleReportText : public ::testing::Test {
protected:
    ScheduleReport print(int entry, ScheduleColumns columns) const {
        const GridContent grid = scheduleGrid(schedule, league, entries, entry, {}, texts);
        return scheduleReportText(grid, columns, league.regularWeekCount(), schedule.title,
                                  entries[static_cast<size_t>(entry)].text);
    }

    LeagueStructure league = test::viewsLeague();
    tSchedule70 schedule = test::viewsSchedule();
    std::vector<ScheduleViewEntry> entries = scheduleViewEntries(schedule, league, true);
    KickoffTexts texts;
};

const std::string kWeek1[] = {" Thu| Sep 4| 8:20 PM| Miami|at| Buffalo",
                              " Sun| Sep 7| 5:59 PM| Dallas|at| New York",
                              " Sun| Sep 7| 6:00 PM| San Francisco|at| Green Bay"};
const std::string kWeek2[] = {" Sun| Sep 14| 1:00 PM| Buffalo|at| New York",
                              " Sun| Sep 14| TBA| Green Bay|at| Miami",
                              " Mon| Sep 15| 8:15 PM| Dallas|at| San Francisco"};
const std::string kWeek3[] = {" Sun| Sep 21| 1:00 PM| Buffalo|at| Miami",
                              " Sun| Sep 21| 8:20 PM| New York|at| Dallas"};
const std::string kFinal = " Sun| Feb 8| 6:30 PM| San Francisco|at| Buffalo";

TEST_F(ScheduleReportText, oneColumnHeadsEachWeekAndPlayoffRound) {
    const ScheduleReport report = print(0, kOneColumn);
    EXPECT_EQ(report.title, "2025 Fixture Schedule");
    EXPECT_EQ(report.lines,
              (Lines{"", "{$B}||| Week 1", kWeek1[0], kWeek1[1], kWeek1[2], "", "{$B}||| Week 2",
                     kWeek2[0], kWeek2[1], kWeek2[2], "", "{$B}||| Week 3", kWeek3[0], kWeek3[1],
                     "", "{$B}||| Super Bowl", kFinal}));
}

TEST_F(ScheduleReportText, aTeamsScheduleNamesTheTeamAndItsOpenDate) {
    ASSERT_EQ(entries[12].text, "Green Bay");
    const ScheduleReport report = print(12, 12);
    EXPECT_EQ(report.title, "2025 Fixture Schedule: Green Bay");
    EXPECT_EQ(report.lines, (Lines{kWeek1[2], kWeek2[1], "||| Open Date"}));
    EXPECT_EQ(print(1, 1).lines, (Lines{kWeek1[2], " Sun| Sep 21| 8:20 PM| New York|at| Dallas"}));
}

TEST_F(ScheduleReportText, threeColumnsPutThreeWeeksSideBySide) {
    const ScheduleReport report = print(0, kThreeColumns);
    EXPECT_EQ(report.title, "2025 Fixture Schedule");
    // Later weeks keep the grid's two-character week numbers; a week with fewer
    // games leaves its column empty.
    EXPECT_EQ(report.lines,
              (Lines{"{$B}||| Week 1||||||| Week  2||||||| Week  3",
                     kWeek1[0] + "||" + kWeek2[0] + "||" + kWeek3[0],
                     kWeek1[1] + "||" + kWeek2[1] + "||" + kWeek3[1], kWeek1[2] + "||" + kWeek2[2],
                     "{$B}||| Super Bowl", kFinal + "|||||||"}));
}

TEST_F(ScheduleReportText, twoColumnsSeparateTheirGroupsByAnEmptyLine) {
    EXPECT_EQ(print(0, kTwoColumns).lines,
              (Lines{"{$B}||| Week 1||||||| Week  2", kWeek1[0] + "||" + kWeek2[0],
                     kWeek1[1] + "||" + kWeek2[1], kWeek1[2] + "||" + kWeek2[2], "",
                     "{$B}||| Week  3||||||| Super Bowl", kWeek3[0] + "||" + kFinal,
                     kWeek3[1] + "|||||||"}));
}

} // namespace
} // namespace grd
