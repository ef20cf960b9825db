#include "printing/ReportFixture.h"
#include "printing/ReportKind.h"

namespace grd {
namespace {

using Lines = std::vector<std::string>;

class GameListReports : public test::ReportFixture {};

TEST_F(GameListReports, currentSpreadsPrintPlainAndAsAPickSheet) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    EXPECT_EQ(lines(kSpreadsPlainReport),
              (Lines{"2025-26: Week 5  ", "|Buffalo|Miami| 3.0", "|Dallas|New York|EVEN",
                     "|San Francisco|Green Bay|14.0"}));
    // The even game is not counted; a count below 10 keeps a leading blank.
    EXPECT_EQ(lines(kSpreadsGridReport),
              (Lines{"2025-26: Week 5  ", "  []|Buffalo|_____|  []|Miami|_____| 3.0 ",
                     "  []|Dallas|_____|  []|New York|_____|EVEN |----|----",
                     "  []|San Francisco|_____|  []|Green Bay|_____|14.0 ", " 2"}));
}

TEST_F(GameListReports, theForecastListEndsAtTheFirstGameWithoutASpread) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    state.spreads[2] = kNoSpread;
    EXPECT_EQ(lines(kSpreadsPlainReport), (Lines{"2025-26: Week 5  ", "|Buffalo|Miami| 3.0"}));
    EXPECT_EQ(lines(kSpreadsGridReport).back(), " 1");
}

TEST_F(GameListReports, mainDataWithoutAWeekIsHeadedByItsFileName) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    state.currentWeek = kNoWeek;
    EXPECT_EQ(lines(kTeamReport)[0], "MAIN-DTA.GRD ");
    EXPECT_EQ(lines(kSpreadsGridReport)[0], "MAIN-DTA.GRD ");
}

TEST_F(GameListReports, weeklyTaskResultsNameTheSchedulesSeason) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    state.spreadsForecast = true;
    league.seasonLabel = "2026-27";
    EXPECT_EQ(lines(kSpreadsPlainReport)[0], "2026-27: Week 5  ");
}

TEST_F(GameListReports, archiveSpreadsAndScoresAreHeadedByTheirWeeks) {
    read("views/WEEK-04.25", kArchiveKind);
    prefs.cityNames = false;
    EXPECT_EQ(lines(kArchiveSpreadsPlainReport),
              (Lines{" 2025-26: Week 5  ", "|Bills|Dolphins| 3.0", "|49ers|Packers|14.0", "-"}));
    EXPECT_EQ(lines(kArchiveSpreadsGridReport),
              (Lines{" 2025-26: Week 5  ", "  []|Bills|_____|  []|Dolphins|_____| 3.0 ",
                     "  []|49ers|_____|  []|Packers|_____|14.0 ", " 2"}));
    EXPECT_EQ(lines(kArchiveScoresReport),
              (Lines{" 2025-26: Week 4  ", "|Bills|24||Dolphins|17", "|Jets|0||Cowboys|0",
                     "|49ers|31||Packers|10", "-", "|Average points per game per team = 20.2"}));
}

TEST_F(GameListReports, anArchiveWithoutScoresGivesHeadingDashAndAverage) {
    read("views/WEEK-03.25", kArchiveKind);
    rankings.archivedScores.clear();
    EXPECT_EQ(lines(kArchiveScoresReport),
              (Lines{" 2025-26: Week 3  ", "-", "|Average points per game per team = 0.0"}));
    EXPECT_EQ(lines(kArchiveSpreadsPlainReport), (Lines{" 2025-26: Week 4  ", "-"}));
    EXPECT_EQ(lines(kArchiveSpreadsGridReport), (Lines{" 2025-26: Week 4  ", " 0"}));
}

TEST_F(GameListReports, oldArchivesNameTheWeekFromTheFileName) {
    read("printing/WEEK-16.25", kArchiveKind);
    ASSERT_EQ(rankings.fileVersion, 50);
    EXPECT_EQ(lines(kArchiveSpreadsPlainReport),
              (Lines{"2025: Wild Card", "|Buffalo|Miami| 3.0", "|Dallas|New York|EVEN",
                     "|San Francisco|Green Bay|14.0", "-"}));
    EXPECT_EQ(lines(kArchiveSpreadsGridReport)[0], "2025: Wild Card");
    EXPECT_EQ(lines(kArchiveScoresReport)[0], "WEEK-16.25 ");
    EXPECT_EQ(lines(kTeamReport)[0], "WEEK-16.25 ");
    // The stored sort key is Def.
    EXPECT_EQ(lines(kTeamReport)[2].substr(0, 10), "  2|Dallas");
}

} // namespace
} // namespace grd
