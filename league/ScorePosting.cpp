#include "league/ScorePosting.h"

#include "league/Ratings.h"

namespace grd {

namespace {

void recomputeSeasonValues(TeamStats& team) {
    team.winPct = (team.ties * 0.5 + team.wins) / (team.wins + team.losses + team.ties);
    team.computeAverages();
}

int16_t add16(int16_t counter, int32_t amount) {
    return static_cast<int16_t>(counter + amount);
}

} // namespace

void PostGame(tRankings& rankings, int32_t teamA, int32_t teamB, int32_t scoreA, int32_t scoreB) {
    // References, not copies, and this exact order: a team entered against itself
    // must come out as it always has.
    TeamStats& a = rankings.teams[static_cast<size_t>(teamA)];
    TeamStats& b = rankings.teams[static_cast<size_t>(teamB)];
    a.pointsFor = add16(a.pointsFor, scoreA);
    b.pointsFor = add16(b.pointsFor, scoreB);
    a.pointsAgainst = add16(a.pointsAgainst, scoreB);
    b.pointsAgainst = add16(b.pointsAgainst, scoreA);
    if (scoreA > scoreB) {
        a.wins = add16(a.wins, 1);
        b.losses = add16(b.losses, 1);
    } else if (scoreB > scoreA) {
        b.wins = add16(b.wins, 1);
        a.losses = add16(a.losses, 1);
    } else {
        a.ties = add16(a.ties, 1);
        b.ties = add16(b.ties, 1);
    }
    recomputeSeasonValues(a);
    recomputeSeasonValues(b);
}

void PostWeekScores(tRankings& rankings, ProgramState& state) {
    rankings.weekAvgPoints = 0.0;
    int32_t games = state.postableGameCount(rankings.teamCount);
    if (games < 1) {
        return;
    }
    int32_t pointsTotal = 0;
    for (int32_t k = 1; k <= games; ++k) {
        auto at = [&](int32_t position) { return state.scores[static_cast<size_t>(position)]; };
        auto team = [&](int32_t position) {
            return state.scoreTeams[static_cast<size_t>(position)];
        };
        PostGame(rankings, team(2 * k - 1), team(2 * k), at(2 * k - 1), at(2 * k));
        pointsTotal += at(2 * k - 1) + at(2 * k);
    }
    rankings.weekAvgPoints = static_cast<double>(pointsTotal) / (2 * games);

    WeekMeasure week = MeasureWeek(rankings, state);
    for (int32_t k = 1; k <= games; ++k) {
        UpdateGameRatings(rankings, week, state.scoreTeams[static_cast<size_t>(2 * k - 1)],
                          state.scoreTeams[static_cast<size_t>(2 * k)],
                          state.scores[static_cast<size_t>(2 * k - 1)],
                          state.scores[static_cast<size_t>(2 * k)]);
    }
    state.rankingsUpdated = true;
}

} // namespace grd
