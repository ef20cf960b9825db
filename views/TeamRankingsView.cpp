#include "views/TeamRankingsView.h"

#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/RankingSort.h"
#include "views/DisplayKind.h"

namespace grd {
namespace {

void fillAverages(GridContent& grid, int row, const tRankings& rankings) {
    const int n = rankings.teamCount;
    double total = 0, offense = 0, defense = 0, pointsFor = 0, avgFor = 0;
    long wins = 0, losses = 0, ties = 0;
    for (int t = 1; t <= n; ++t) {
        const TeamStats& team = rankings.teams[static_cast<size_t>(t)];
        total += team.total;
        offense += team.offense;
        defense += team.defense;
        pointsFor += team.pointsFor;
        avgFor += team.avgPointsFor;
        wins += team.wins;
        losses += team.losses;
        ties += team.ties;
    }
    grid.set(row, kTeamColumn, "Averages");
    grid.set(row, kTotalColumn, cformat("%6.1f", total / n));
    grid.set(row, kOffenseColumn, cformat("%4.0f", offense / n));
    grid.set(row, kDefenseColumn, cformat("%4.0f", defense / n));
    // League-wide, points scored equal points allowed.
    grid.set(row, kPointsForColumn, cformat("%4.0f", pointsFor / n));
    grid.set(row, kPointsAgainstColumn, grid.text(row, kPointsForColumn));
    grid.set(row, kAvgForColumn, cformat("%5.1f", avgFor / n));
    grid.set(row, kAvgAgainstColumn, grid.text(row, kAvgForColumn));
    const long games = wins + losses + ties;
    grid.set(row, kPercentColumn,
             games == 0 ? "0.000" : cformat("%6.3f", (wins + 0.5 * ties) / games));
}

} // namespace

GridContent teamRankingsGrid(tRankings& rankings, const LeagueStructure& league,
                             const RankingsLook& look) {
    GridContent grid(displayKind(kTeamRankWindow).titleList());
    const int sorted = sortedColumn(look.sortKey);
    if (sorted >= 0) {
        grid.headerMarks[static_cast<size_t>(sorted)] = CellMark::Highlight;
    }
    if (rankings.teamCount <= 0) {
        return grid;
    }
    SortRankings(rankings, look.sortKey);
    for (int i = 1; i <= rankings.teamCount; ++i) {
        const int32_t t = rankings.rankOrder[static_cast<size_t>(i)];
        const int row = grid.addRow();
        if (rankings.isTeam(t)) {
            fillTeamRow(grid, row, i, TeamName(league, t, look.cityNames),
                        rankings.teams[static_cast<size_t>(t)]);
        }
        if (look.rowHighlight && i % 5 == 0) {
            grid.markRow(row, CellMark::Highlight);
        }
    }
    fillAverages(grid, grid.addRow(), rankings);
    return grid;
}

} // namespace grd
