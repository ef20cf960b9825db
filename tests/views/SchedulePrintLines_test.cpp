#include "views/SchedulePrintLines.h"
#include "views/ScheduleView.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

// A complete schedule grid: weeks of games, each after its title row.
GridContent weeksGrid(const std::vector<int>& gamesPerWeek) {
    GridContent grid({" Team 1", "", " Team 2", " Day", " Date", " Time"});
    for (size_t w = 0; w < gamesPerWeek.size(); ++w) {
        int title = grid.addRow();
        grid.set(title, kHomeColumn, " Week  " + std::to_string(w + 1));
        for (int g = 0; g < gamesPerWeek[w]; ++g) {
            int row = grid.addRow();
            grid.set(row, kVisitorColumn, " V" + std::to_string(w + 1) + std::to_string(g));
            grid.set(row, kAtColumn, " at");
            grid.set(row, kHomeColumn, " H" + std::to_string(w + 1) + std::to_string(g));
            grid.set(row, kDayColumn, " Sun");
            grid.set(row, kDateColumn, " Sep 7");
            grid.set(row, kTimeColumn, " 1:00 PM");
        }
    }
    return grid;
}

TEST(SchedulePrintLines, singleColumnNumbersTheWeeksAndKeepsRoundHeadings) {
    GridContent grid = weeksGrid({1, 1});
    int heading = grid.addRow();
    grid.set(heading, kHomeColumn, " Wild Card");
    auto lines = schedulePrintLines(grid, 0, 1);
    std::vector<std::string> expected = {
        "", "{$B}||| Week 1",   " Sun| Sep 7| 1:00 PM| V10|at| H10",
        "", "{$B}||| Week  2",  " Sun| Sep 7| 1:00 PM| V20|at| H20",
        "", "{$B}||| Wild Card"};
    EXPECT_EQ(lines, expected);
}

TEST(SchedulePrintLines, teamViewPrintsOpenDates) {
    GridContent grid({" Team 1", "", " Team 2", " Day", " Date", " Time"});
    grid.set(grid.addRow(), kVisitorColumn, " Open Date");
    EXPECT_EQ(schedulePrintLines(grid, 9, 18), std::vector<std::string>{"||| Open Date"});
}

TEST(SchedulePrintLines, twoColumnsPairWeeksWithABlankLineBetweenGroups) {
    auto lines = schedulePrintLines(weeksGrid({2, 1, 1}), -1, 3);
    std::vector<std::string> expected = {
        "{$B}||| Week 1||||||| Week  2",
        " Sun| Sep 7| 1:00 PM| V10|at| H10|| Sun| Sep 7| 1:00 PM| V20|at| H20",
        " Sun| Sep 7| 1:00 PM| V11|at| H11|||||||",
        "",
        "{$B}||| Week  3",
        " Sun| Sep 7| 1:00 PM| V30|at| H30|||||||"};
    EXPECT_EQ(lines, expected);
}

TEST(SchedulePrintLines, threeColumnsLeaveAShortWeekEmpty) {
    auto lines = schedulePrintLines(weeksGrid({2, 2, 1}), -2, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "{$B}||| Week 1||||||| Week  2||||||| Week  3");
    EXPECT_EQ(lines[2], " Sun| Sep 7| 1:00 PM| V11|at| H11|| Sun| Sep 7| 1:00 PM| V21|at| H21");
}

} // namespace
} // namespace grd
