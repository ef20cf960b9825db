#include "state/WindowCode.h"
#include "views/DisplayCaption.h"
#include "views/GameListView.h"
#include "views/ViewsFixture.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

class GameLists : public ::testing::Test {
protected:
    void read(const std::string& name, int32_t kind) {
        test::readViewsFixture(name, kind, rankings, state, league);
    }
    std::string caption(int code) const { return displayCaption(code, rankings, state, league); }

    LeagueStructure league = test::viewsLeague();
    tRankings rankings;
    ProgramState state;
};

TEST_F(GameLists, spreadsReadAsOverByOrVersusEven) {
    read("MAIN-DTA.GRD", kMainDataKind);
    const GridContent grid = spreadsGrid(state, league, true);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.rows[0],
              (std::vector<std::string>{" Buffalo", " over", " Miami", " by", "    3"}));
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{" Dallas", " vs", " New York", "", " Even"}));
    EXPECT_EQ(grid.text(2, 4), "   14");
}

TEST_F(GameLists, archiveWindowsShowTheStoredScoresAndSpreads) {
    read("WEEK-04.25", kArchiveKind);
    const GridContent scores = archiveScoresGrid(rankings, league, false);
    ASSERT_EQ(scores.rowCount(), 3);
    EXPECT_EQ(scores.rows[1], (std::vector<std::string>{" Jets", "  0", " Cowboys", "  0"}));
    const GridContent spreads = archiveSpreadsGrid(rankings, league, false);
    ASSERT_EQ(spreads.rowCount(), 2);
    EXPECT_EQ(spreads.rows[1],
              (std::vector<std::string>{" 49ers", " over", " Packers", " by", "   14"}));
}

TEST_F(GameLists, currentCaptionsNameTheWeek) {
    read("MAIN-DTA.GRD", kMainDataKind);
    EXPECT_EQ(caption(kTeamRankWindow), " Team Rankings  2025-26: Week 4  ");
    EXPECT_EQ(caption(kSpreadsWindow), " Spreads  2025-26: Week 5  ");
    // After a weekly task: the schedule's season and the week's average points.
    rankings.weekAvgPoints = 22.75;
    state.rankingsUpdated = true;
    league.seasonLabel = "2026-27";
    EXPECT_EQ(caption(kTeamRankWindow), " Team Rankings  2026-27: Week 4  : APPG = 22.8");
    EXPECT_EQ(caption(kDivisionRankWindow), " Division Rankings  2026-27: Week 4  ");
    state.currentWeek = kNoWeek;
    EXPECT_EQ(caption(kCategoryRankWindow), " Current Category Rankings ");
}

TEST_F(GameLists, archiveCaptionsNameTheArchivedWeek) {
    read("WEEK-04.25", kArchiveKind);
    EXPECT_EQ(caption(kArchiveSpreadsWindow), " Spreads for  2025-26: Week 5  ");
    EXPECT_EQ(caption(kArchiveScoresWindow), " Scores for  2025-26: Week 4  : APPG = 20.2");
    EXPECT_EQ(caption(kTeamRankWindow), " Team Rankings  2025-26: Week 4  ");

    read("WEEK-03.25", kArchiveKind);
    EXPECT_EQ(caption(kArchiveSpreadsWindow), " No Spreads for  2025-26: Week 4  ");
    EXPECT_EQ(caption(kArchiveScoresWindow), " Scores for  2025-26: Week 3  ");
}

TEST_F(GameLists, oldArchiveCaptionsNameTheFile) {
    read("WEEK-04.25", kArchiveKind);
    rankings.fileVersion = 50;
    rankings.fileName = "WEEK-04.25";
    EXPECT_EQ(caption(kTeamRankWindow), " Team Rankings for WEEK-04.25");
    EXPECT_EQ(caption(kArchiveScoresWindow), " Scores for WEEK-04.25: APPG = 20.2");
    rankings.spreadCount = 0;
    EXPECT_EQ(caption(kArchiveSpreadsWindow), " No Spreads for week after WEEK-04.25");
}

} // namespace
} // namespace grd
