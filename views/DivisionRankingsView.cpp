#include "views/DivisionRankingsView.h"

#include "league/LeagueLookups.h"
#include "views/DisplayKind.h"
#include "views/DivisionGroups.h"

namespace grd {

GridContent divisionRankingsGrid(tRankings& rankings, const LeagueStructure& league,
                                 const RankingsLook& look) {
    GridContent grid(displayKind(kDivisionRankWindow).titleList());
    grid.headerMarks[kPercentColumn] = CellMark::Highlight;
    const int sorted = sortedColumn(look.sortKey);
    if (sorted >= 0) {
        grid.headerMarks[static_cast<size_t>(sorted)] = CellMark::Highlight;
    }
    for (const DivisionGroup& division : rankDivisions(rankings, league, look.sortKey)) {
        const int title = grid.addRow();
        grid.set(title, kTeamColumn, division.name);
        if (look.rowHighlight) {
            grid.markRow(title, CellMark::Highlight);
        }
        for (int32_t t : division.teams) {
            const TeamStats& team = rankings.teams[static_cast<size_t>(t)];
            fillTeamRow(grid, grid.addRow(), team.displayRank, TeamName(league, t, look.cityNames),
                        team);
        }
    }
    return grid;
}

} // namespace grd
