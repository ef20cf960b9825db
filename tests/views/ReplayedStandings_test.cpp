#include "TestConfig.h"
#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/NamesFile.h"
#include "league/ProgramState.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "support/TempDir.h"
#include "views/RankingsColumns.h"
#include "views/TeamRankingsView.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace grd {
namespace {

constexpr int kReplayedWeeks = 13;

struct Standing {
    int pointsFor = 0, pointsAgainst = 0, wins = 0, losses = 0, ties = 0;
};

// The standings that follow from the scores of the regular weeks 1..weeks, by team
// abbreviation.
std::map<std::string, Standing> standingsFromRecords(const std::string& csv, int weeks) {
    std::map<std::string, Standing> table;
    std::ifstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) {
            f.push_back(field);
        }
        if (f.size() < 10 || f[1] != "REG" || f[7].empty() ||
            parseInteger(f[2]).value_or(99) > weeks) {
            continue;
        }
        const int away = static_cast<int>(*parseInteger(f[7]));
        const int home = static_cast<int>(*parseInteger(f[9]));
        for (const auto& [team, own, other] : {std::tuple{f[6], away, home}, {f[8], home, away}}) {
            Standing& s = table[team];
            s.pointsFor += own;
            s.pointsAgainst += other;
            (own > other ? s.wins : own < other ? s.losses : s.ties) += 1;
        }
    }
    return table;
}

TEST(ReplayedStandings, teamRankingsShowTheStandingsOfTheSeasonsScores) {
    test::TempDir dir;
    const std::filesystem::path program(ODDSMITH_PROGRAM_DIR);
    for (const auto& entry : std::filesystem::directory_iterator(program)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("GRD", 0) == 0 || name == "MAIN-DTA.GRD") {
            std::filesystem::copy(entry.path(), dir.path() / name,
                                  std::filesystem::copy_options::recursive);
        }
    }
    const std::string csv = std::string(ODDSMITH_DATA_DIR) + "games-2025.csv";
    const std::string command = std::string(ODDSMITH_GRDTOOL) + " replay '" + dir.dir() + "' '" +
                                csv + "' --through " + std::to_string(kReplayedWeeks) +
                                " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    LeagueStructure league;
    ASSERT_TRUE(LoadLeagueStructure(dir.dir(), league).empty());
    tSchedule70 schedule;
    ASSERT_TRUE(LoadSchedule(dir.dir(), schedule, league).ok());
    std::vector<std::string> abbreviations;
    ASSERT_TRUE(LoadNames(dir.dir(), schedule.namesFileName, league, &abbreviations).ok());
    tRankings rankings;
    ProgramState state;
    ASSERT_TRUE(ReadRankings(dir.path() / "MAIN-DTA.GRD", kMainDataKind, rankings, state, league));

    const GridContent grid = teamRankingsGrid(rankings, league, {kSortTotal, false, true});
    const auto expected = standingsFromRecords(csv, kReplayedWeeks);
    ASSERT_EQ(grid.rowCount(), rankings.teamCount + 1);
    ASSERT_EQ(expected.size(), static_cast<size_t>(rankings.teamCount));
    for (int row = 0; row < rankings.teamCount; ++row) {
        const int32_t team = rankings.rankOrder[static_cast<size_t>(row) + 1];
        const auto index = static_cast<size_t>(NameIndexOfTeam(league, team));
        ASSERT_LT(index, abbreviations.size());
        const auto found = expected.find(abbreviations[index]);
        ASSERT_NE(found, expected.end()) << abbreviations[index];
        const Standing& s = found->second;
        const int games = s.wins + s.losses + s.ties;
        EXPECT_EQ(grid.text(row, kTeamColumn), " " + league.teamNames[index]);
        EXPECT_EQ(grid.text(row, kPointsForColumn), cformat("%4.0d", s.pointsFor));
        EXPECT_EQ(grid.text(row, kPointsAgainstColumn), cformat("%4.0d", s.pointsAgainst));
        EXPECT_EQ(grid.text(row, kAvgForColumn), cformat("%5.1f", double(s.pointsFor) / games));
        EXPECT_EQ(grid.text(row, kPercentColumn),
                  cformat("%6.3f", (s.wins + 0.5 * s.ties) / games));
        EXPECT_EQ(grid.text(row, kWinsColumn) + grid.text(row, kLossesColumn) +
                      grid.text(row, kTiesColumn),
                  cformat("%3d%3d%3d", s.wins, s.losses, s.ties));
        if (row > 0) {
            EXPECT_GE(*parseReal(grid.text(row - 1, kTotalColumn)),
                      *parseReal(grid.text(row, kTotalColumn)));
        }
    }
}

} // namespace
} // namespace grd
