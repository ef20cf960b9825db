#include "TestConfig.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "league/tSchedule70.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace grd {
namespace {

using test::TempDir;

TEST(GrdtoolInit, writesAverageTeamsBeforeWeekOne) {
    TempDir dir;
    for (const char* name : {kStructureFileName, kScheduleFileName}) {
        std::filesystem::copy_file(std::string(ODDSMITH_PROGRAM_DIR) + name, dir.path() / name);
    }
    std::string command = std::string(ODDSMITH_GRDTOOL) + " init " + dir.dir() + " --average";
    ASSERT_EQ(std::system(command.c_str()), 0);

    LeagueStructure league;
    ASSERT_TRUE(LoadLeagueStructure(dir.dir(), league).empty());
    tSchedule70 schedule;
    ASSERT_TRUE(LoadSchedule(dir.dir(), schedule, league).ok());
    tRankings rankings;
    ProgramState state;
    ASSERT_TRUE(
        ReadRankings(dir.path() / kMainDataFileName, kMainDataKind, rankings, state, league).ok());
    EXPECT_EQ(rankings.teamCount, schedule.teamCount);
    EXPECT_EQ(state.currentWeek, 1);
    EXPECT_EQ(rankings.seasonText, league.seasonLabel);
    ASSERT_NE(league.active(), nullptr);
    EXPECT_EQ(league.active()->teamCount, schedule.teamCount);
    for (int32_t team = 1; team <= rankings.teamCount; ++team) {
        const TeamStats& stats = rankings.teams[static_cast<size_t>(team)];
        EXPECT_EQ(stats.total, 100.0);
        EXPECT_EQ(stats.offense, 101.0);
        EXPECT_EQ(stats.defense, 99.0);
        EXPECT_EQ(stats.gamesPlayed(), 0);
    }
    std::string empty =
        std::string(ODDSMITH_GRDTOOL) + " init " + dir.dir() + "none --average" + " 2>/dev/null";
    EXPECT_NE(std::system(empty.c_str()), 0);
}

} // namespace
} // namespace grd
