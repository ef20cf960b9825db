#include "outlook/OutlookFixture.h"
#include "outlook/OutlookGrids.h"
#include "outlook/SeasonOdds.h"
#include "outlook/Standings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grd {
namespace {

std::vector<std::string> seedNames(const OutlookSeason& season, const std::vector<int>& seeds) {
    std::vector<std::string> names;
    for (int team : seeds) {
        names.push_back(season.names[static_cast<size_t>(team)]);
    }
    return names;
}

std::vector<TeamOdds> simulate(const OutlookSeason& season, int runs, int threads) {
    SimulationControl control;
    control.runs = runs;
    control.seed = 5;
    control.threads = threads;
    auto odds = simulateSeason(season, control);
    EXPECT_TRUE(odds.has_value());
    EXPECT_EQ(control.done.load(), runs);
    return odds.value_or(std::vector<TeamOdds>{});
}

// The league's own seeds of 2024, and a played season leaves nothing to chance.
TEST(SeasonOdds, completed2024SeasonGivesTheLeaguesSeeds) {
    test::TempDir dir;
    auto season = test::replayedOutlook(dir, 2024, 18);
    ASSERT_EQ(season.shape.teamCount, 32);
    EXPECT_TRUE(season.remaining.empty());
    auto today = standingsOf(season.played, season.shape, 1);
    EXPECT_EQ(seedNames(season, today.seeds[0]),
              (std::vector<std::string>{"Kansas City Chiefs", "Buffalo Bills", "Baltimore Ravens",
                                        "Houston Texans", "Los Angeles Chargers",
                                        "Pittsburgh Steelers", "Denver Broncos"}));
    EXPECT_EQ(
        seedNames(season, today.seeds[1]),
        (std::vector<std::string>{"Detroit Lions", "Philadelphia Eagles", "Tampa Bay Buccaneers",
                                  "Los Angeles Rams", "Minnesota Vikings", "Washington Commanders",
                                  "Green Bay Packers"}));
    auto odds = simulate(season, 50, 2);
    for (int team = 1; team <= 32; ++team) {
        auto index = static_cast<size_t>(team);
        EXPECT_EQ(odds[index].playoffs, today.seed[index] != 0 ? 1.0 : 0.0);
        EXPECT_EQ(odds[index].division, today.divisionRank[index] == 1 ? 1.0 : 0.0);
        EXPECT_EQ(odds[index].meanWins, season.played.record(team).wins());
    }
}

// Before week 10 of 2025: the chances add up, and threads do not change them.
TEST(SeasonOdds, chancesAddUpAndDoNotDependOnThreads) {
    test::TempDir dir;
    auto season = test::replayedOutlook(dir, 2025, 9);
    ASSERT_EQ(season.nextWeek(), 10);
    auto one = simulate(season, 1000, 1);
    auto two = simulate(season, 1000, 2);
    for (size_t team = 1; team < one.size(); ++team) {
        EXPECT_EQ(one[team].seeds, two[team].seeds);
        EXPECT_EQ(one[team].meanWins, two[team].meanWins);
        EXPECT_EQ(one[team].division, two[team].division);
    }
    for (int conference = 0; conference < 2; ++conference) {
        double playoffs = 0.0;
        for (int ordinal : season.shape.conferenceDivisions[static_cast<size_t>(conference)]) {
            double division = 0.0;
            for (int team : season.shape.divisionTeams[static_cast<size_t>(ordinal)]) {
                division += one[static_cast<size_t>(team)].division;
                playoffs += one[static_cast<size_t>(team)].playoffs;
            }
            EXPECT_NEAR(division, 1.0, 1e-9);
        }
        EXPECT_NEAR(playoffs, 7.0, 1e-9);
    }
    EXPECT_EQ(nextWeekGrid(season).rowCount(), 14);

    // The report: a page per conference, each table headed in bold.
    auto lines =
        outlookReportLines(season, {standingsOf(season.played, season.shape, 1), one, 1000, 5});
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\f"), 1);
    EXPECT_EQ(lines.front(), "{$B}AFC, 2025-26 before week 10");
    EXPECT_EQ(lines[2].substr(0, 15), "{$B}Team|Divisi");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "{$B}Week 10"), 1);
}

TEST(SeasonOdds, cancelledSimulationGivesNothing) {
    test::TempDir dir;
    auto season = test::replayedOutlook(dir, 2025, 9);
    SimulationControl control;
    control.cancel = true;
    EXPECT_FALSE(simulateSeason(season, control).has_value());
}

} // namespace
} // namespace grd
