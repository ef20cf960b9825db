#include "views/LeagueAverages.h"

namespace grd {

LeagueAverages leagueAverages(const tRankings& rankings) {
    LeagueAverages averages;
    const int n = rankings.teamCount;
    if (n <= 0) {
        return averages;
    }
    long wins = 0, losses = 0, ties = 0;
    for (int t = 1; t <= n; ++t) {
        const TeamStats& team = rankings.teams[static_cast<size_t>(t)];
        averages.total += team.total;
        averages.offense += team.offense;
        averages.defense += team.defense;
        averages.pointsFor += team.pointsFor;
        averages.avgPointsFor += team.avgPointsFor;
        wins += team.wins;
        losses += team.losses;
        ties += team.ties;
    }
    averages.total /= n;
    averages.offense /= n;
    averages.defense /= n;
    averages.pointsFor /= n;
    averages.avgPointsFor /= n;
    if (const long games = wins + losses + ties; games != 0) {
        averages.winPct = (wins + 0.5 * ties) / static_cast<double>(games);
    }
    return averages;
}

} // namespace grd
