#include "league/Messages.h"
#include "outlook/LeagueShape.h"
#include "outlook/OutlookFixture.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(OutlookTool, printsStandingsAsCsvAndRefusesWhatItCannotUse) {
    test::TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeReplayedSeason(dir, 2024, 0, app));
    auto none = test::runTool("outlook " + dir.path().string());
    EXPECT_EQ(none.status != 0, true);
    EXPECT_NE(none.output.find("error -55"), std::string::npos) << none.output;
    EXPECT_NE(none.output.find("no week of the 2024-25 season"), std::string::npos);

    ASSERT_EQ(test::runTool("replay " + dir.path().string() + " " + ODDSMITH_DATA_DIR +
                            "games-2024.csv --through 18")
                  .status,
              0);
    auto csv = test::runTool("outlook " + dir.path().string() + " --runs 0 --csv");
    ASSERT_EQ(csv.status, 0) << csv.output;
    EXPECT_EQ(csv.output.substr(0, csv.output.find('\n')),
              "conference,division,team,wins,losses,ties,seed,p_division,p_playoffs,p_top_seed,"
              "mean_wins");
    EXPECT_NE(csv.output.find("\nAFC,AFC West,Kansas City Chiefs,15,2,0,1,,,,\n"),
              std::string::npos)
        << csv.output;
    EXPECT_NE(csv.output.find("\nNFC,NFC West,Seattle Seahawks,10,7,0,,,,,\n"), std::string::npos);

    auto odds = test::runTool("outlook " + dir.path().string() + " --runs 100 --seed 3");
    ASSERT_EQ(odds.status, 0) << odds.output;
    EXPECT_NE(odds.output.find("100 simulated seasons, seed 3"), std::string::npos);
    EXPECT_EQ(test::runTool("outlook " + dir.path().string() + " --runs many").status >> 8, 2);
}

TEST(OutlookTool, declinesAPlayoffFormatItDoesNotKnow) {
    LeagueStructure league;
    LeagueAlignment alignment;
    alignment.teamCount = 4;
    alignment.conferences = {{{1}, {2}}, {{3}, {4}}};
    alignment.teamCodes = {1, 2, 3, 4};
    alignment.playoffGameCounts = {8, 4, 2, 1}; // 1982: eight teams a conference
    league.alignments.push_back(alignment);
    league.activeAlignment = 0;
    auto shape = leagueShapeOf(league);
    ASSERT_FALSE(shape.ok());
    EXPECT_EQ(shape.failure().number, kOutlookError);

    league.alignments[0].playoffGameCounts = {0, 2, 1};
    ASSERT_TRUE(leagueShapeOf(league).ok());
    EXPECT_EQ(leagueShapeOf(league).value().fieldSize, 4);
}

} // namespace
} // namespace grd
