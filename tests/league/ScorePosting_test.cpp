#include "EngineFixture.h"
#include "league/Ratings.h"
#include "league/ScorePosting.h"

#include <cmath>
#include <gtest/gtest.h>

namespace grd {
namespace {

using test::averageTeams;
using test::weekOf;

TEST(PostGame, countsResultsPointsAndSeasonAverages) {
    tRankings rankings = averageTeams(4);
    PostGame(rankings, 1, 2, 20, 20);
    PostGame(rankings, 1, 3, 27, 10);
    const TeamStats& one = rankings.teams[1];
    EXPECT_EQ(one.wins, 1);
    EXPECT_EQ(one.ties, 1);
    EXPECT_EQ(one.pointsFor, 47);
    EXPECT_EQ(one.pointsAgainst, 30);
    EXPECT_DOUBLE_EQ(one.winPct, 0.75);
    EXPECT_DOUBLE_EQ(one.avgPointsFor, 23.5);
    EXPECT_DOUBLE_EQ(one.avgPointsAgainst, 15.0);
    EXPECT_EQ(rankings.teams[2].ties, 1);
    EXPECT_DOUBLE_EQ(rankings.teams[2].winPct, 0.5);
    EXPECT_EQ(rankings.teams[3].losses, 1);
    EXPECT_DOUBLE_EQ(rankings.teams[3].winPct, 0.0);
    EXPECT_EQ(rankings.teams[4].gamesPlayed(), 0);
    EXPECT_DOUBLE_EQ(rankings.teams[4].avgPointsFor, 0.0);
}

TEST(PostGame, scorelessGameIsATieWithoutPoints) {
    tRankings rankings = averageTeams(2);
    PostGame(rankings, 1, 2, 0, 0);
    EXPECT_EQ(rankings.teams[1].ties, 1);
    EXPECT_EQ(rankings.teams[2].ties, 1);
    EXPECT_EQ(rankings.teams[1].pointsFor, 0);
    EXPECT_DOUBLE_EQ(rankings.teams[1].winPct, 0.5);
}

TEST(PostWeekScores, orderOfTheTwoTeamsDoesNotMatter) {
    tRankings forward = averageTeams(4);
    tRankings backward = averageTeams(4);
    ProgramState a = weekOf(4, {{1, 31, 2, 17}, {3, 14, 4, 14}});
    ProgramState b = weekOf(4, {{2, 17, 1, 31}, {4, 14, 3, 14}});
    PostWeekScores(forward, a);
    PostWeekScores(backward, b);
    for (size_t team = 1; team <= 4; ++team) {
        EXPECT_EQ(forward.teams[team].total, backward.teams[team].total) << team;
        EXPECT_EQ(forward.teams[team].offense, backward.teams[team].offense) << team;
        EXPECT_EQ(forward.teams[team].defense, backward.teams[team].defense) << team;
        EXPECT_EQ(forward.teams[team].winPct, backward.teams[team].winPct) << team;
    }
}

TEST(PostWeekScores, weekAverageIsPointsPerTeamAndGame) {
    tRankings rankings = averageTeams(26);
    ProgramState state;
    state.prepareWeekLists(26);
    // 13 games totalling 546 points.
    for (size_t k = 1; k <= 13; ++k) {
        state.scoreTeams[2 * k - 1] = static_cast<int32_t>(2 * k - 1);
        state.scoreTeams[2 * k] = static_cast<int32_t>(2 * k);
        state.scores[2 * k - 1] = 24;
        state.scores[2 * k] = 18;
    }
    state.scoreGameCount = 13;
    PostWeekScores(rankings, state);
    EXPECT_DOUBLE_EQ(rankings.weekAvgPoints, 21.0);
    EXPECT_TRUE(state.rankingsUpdated);
}

TEST(PostWeekScores, teamsThatDidNotPlayAreUntouched) {
    tRankings rankings = averageTeams(4);
    rankings.teams[4].wins = 2;
    rankings.teams[4].pointsFor = 40;
    rankings.teams[4].winPct = 1.0;
    rankings.teams[4].computeAverages();
    TeamStats before = rankings.teams[4];
    ProgramState state = weekOf(4, {{1, 21, 2, 7}});
    PostWeekScores(rankings, state);
    const TeamStats& after = rankings.teams[4];
    EXPECT_EQ(after.total, before.total);
    EXPECT_EQ(after.offense, before.offense);
    EXPECT_EQ(after.wins, before.wins);
    EXPECT_EQ(after.avgPointsFor, before.avgPointsFor);
    EXPECT_EQ(after.winPct, before.winPct);
}

TEST(PostWeekScores, listNamingNoTeamPostsNothing) {
    tRankings rankings = averageTeams(4);
    ProgramState state = weekOf(4, {{1, 21, 2, 7}, {3, 10, 99, 3}});
    PostWeekScores(rankings, state);
    EXPECT_EQ(rankings.teams[1].gamesPlayed(), 0);
    EXPECT_FALSE(state.rankingsUpdated);
    state.scoreGameCount = 40; // more games than the lists hold
    PostWeekScores(rankings, state);
    EXPECT_EQ(rankings.teams[1].gamesPlayed(), 0);
}

TEST(UpdateGameRatings, firstWeekFromAverageRatings) {
    tRankings rankings = averageTeams(2);
    PostGame(rankings, 1, 2, 24, 17);
    UpdateGameRatings(rankings, WeekMeasure{20.0, 5.0}, 1, 2, 24, 17);
    const TeamStats& winner = rankings.teams[1];
    EXPECT_NEAR(winner.offense, 111.4984, 5e-5);
    EXPECT_NEAR(winner.defense, 109.4613, 5e-5);
    EXPECT_NEAR(winner.total, 106.9866, 5e-5);
    // The same arithmetic in the same order gives the same bits.
    double offense = (20.371 * ((24 - 20.0) / 5.0) + 100 + 100.0) / 2 + 3.35;
    EXPECT_EQ(winner.offense, offense);
    const TeamStats& loser = rankings.teams[2];
    EXPECT_EQ(loser.offense, (20.371 * ((17 - 20.0) / 5.0) + 100 + 100.0) / 2 - 3.35);
    EXPECT_EQ(loser.defense, (20.371 * -((24 - 20.0) / 5.0) + 100 + 100.0) / 2 - 3.35);
}

TEST(UpdateGameRatings, tieGivesNoBonus) {
    tRankings rankings = averageTeams(2);
    PostGame(rankings, 1, 2, 20, 20);
    UpdateGameRatings(rankings, WeekMeasure{20.0, 5.0}, 1, 2, 20, 20);
    EXPECT_DOUBLE_EQ(rankings.teams[1].offense, 100.0);
    EXPECT_DOUBLE_EQ(rankings.teams[2].defense, 100.0);
    EXPECT_DOUBLE_EQ(rankings.teams[1].total, 100.0);
}

TEST(MeasureWeek, equalSeasonPointsUseDeviationOne) {
    tRankings rankings = averageTeams(4);
    ProgramState state = weekOf(4, {{1, 17, 2, 17}, {3, 17, 4, 17}});
    PostGame(rankings, 1, 2, 17, 17);
    PostGame(rankings, 3, 4, 17, 17);
    WeekMeasure week = MeasureWeek(rankings, state);
    EXPECT_EQ(week.mean, 17.0);
    EXPECT_EQ(week.spread, 1.0);
}

TEST(MeasureWeek, populationDeviationOfSeasonPoints) {
    tRankings rankings = averageTeams(4);
    rankings.teams[1].pointsFor = 30;
    rankings.teams[2].pointsFor = 10;
    rankings.teams[3].pointsFor = 20;
    rankings.teams[4].pointsFor = 20;
    ProgramState state = weekOf(4, {{1, 0, 2, 0}, {3, 0, 4, 0}});
    WeekMeasure week = MeasureWeek(rankings, state);
    EXPECT_EQ(week.mean, 20.0);
    EXPECT_DOUBLE_EQ(week.spread, std::sqrt(50.0));
}

} // namespace
} // namespace grd
