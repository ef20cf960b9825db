#include "league/Ratings.h"

#include <cmath>

namespace grd {

namespace {

constexpr double kRatingPerDeviation = 20.371;
constexpr double kAverageRating = 100.0;
constexpr double kWinBonus = 3.35;

void rateTeam(TeamStats& team, const WeekMeasure& week) {
    double offenseMeasure = (team.pointsFor - week.mean) / week.spread;
    team.offense = (kRatingPerDeviation * offenseMeasure + kAverageRating + team.offense) / 2;
    // Points allowed are measured against the points scored: the league has one scale.
    double defenseMeasure = -((team.pointsAgainst - week.mean) / week.spread);
    team.defense = (kRatingPerDeviation * defenseMeasure + kAverageRating + team.defense) / 2;
}

void addBonus(TeamStats& winner, TeamStats& loser) {
    winner.offense += kWinBonus;
    loser.offense -= kWinBonus;
    winner.defense += kWinBonus;
    loser.defense -= kWinBonus;
}

} // namespace

WeekMeasure MeasureWeek(const tRankings& rankings, const ProgramState& state) {
    int32_t games = state.postableGameCount(rankings.teamCount);
    WeekMeasure week;
    if (games < 1) {
        return week;
    }
    auto pointsAt = [&](int32_t position) {
        int32_t team = state.scoreTeams[static_cast<size_t>(position)];
        return rankings.teams[static_cast<size_t>(team)].pointsFor;
    };
    double sum = 0.0;
    for (int32_t j = 1; j <= 2 * games; ++j) {
        sum += pointsAt(j);
    }
    week.mean = sum / (2 * games);
    double squares = 0.0;
    for (int32_t j = 1; j <= 2 * games; ++j) {
        double difference = pointsAt(j) - week.mean;
        squares += difference * difference;
    }
    week.spread = std::sqrt(squares / (2 * games));
    if (week.spread == 0.0) {
        week.spread = 1.0;
    }
    return week;
}

void UpdateGameRatings(tRankings& rankings, const WeekMeasure& week, int32_t teamA, int32_t teamB,
                       int32_t scoreA, int32_t scoreB) {
    TeamStats& a = rankings.teams[static_cast<size_t>(teamA)];
    TeamStats& b = rankings.teams[static_cast<size_t>(teamB)];
    rateTeam(a, week);
    rateTeam(b, week);
    if (scoreA > scoreB) {
        addBonus(a, b);
    } else if (scoreB > scoreA) {
        addBonus(b, a);
    }
    a.total = (a.total + a.offense + a.defense) / 3;
    b.total = (b.total + b.offense + b.defense) / 3;
}

} // namespace grd
