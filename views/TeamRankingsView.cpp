#include "views/TeamRankingsView.h"

#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/RankingSort.h"
#include "views/DisplayKind.h"
#include "views/LeagueAverages.h"

namespace grd {
namespace {

void fillAverages(GridContent& grid, int row, const tRankings& rankings) {
    const LeagueAverages averages = leagueAverages(rankings);
    grid.set(row, kTeamColumn, "Averages");
    grid.set(row, kTotalColumn, cformat("%6.1f", averages.total));
    grid.set(row, kOffenseColumn, cformat("%4.0f", averages.offense));
    grid.set(row, kDefenseColumn, cformat("%4.0f", averages.defense));
    grid.set(row, kPointsForColumn, cformat("%4.0f", averages.pointsFor));
    grid.set(row, kPointsAgainstColumn, grid.text(row, kPointsForColumn));
    grid.set(row, kAvgForColumn, cformat("%5.1f", averages.avgPointsFor));
    grid.set(row, kAvgAgainstColumn, grid.text(row, kAvgForColumn));
    grid.set(row, kPercentColumn, averages.winPct ? cformat("%6.3f", *averages.winPct) : "0.000");
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
