#include "views/RankingsColumns.h"

#include "league/Format.h"

#include <array>

namespace grd {

int sortedColumn(int sortKey) {
    static constexpr std::array<int, 9> kColumns = {-1,
                                                    kTotalColumn,
                                                    kOffenseColumn,
                                                    kDefenseColumn,
                                                    kPointsForColumn,
                                                    kPointsAgainstColumn,
                                                    kPercentColumn,
                                                    kAvgForColumn,
                                                    kAvgAgainstColumn};
    return sortKey >= 1 && sortKey <= 8 ? kColumns[static_cast<size_t>(sortKey)] : -1;
}

void fillTeamRow(GridContent& grid, int row, int rank, const std::string& name,
                 const TeamStats& team) {
    grid.set(row, kRankColumn, cformat(" %2d", rank));
    grid.set(row, kTeamColumn, " " + name);
    grid.set(row, kTotalColumn, cformat("%6.1f", team.total));
    grid.set(row, kOffenseColumn, cformat("%4.0f", team.offense));
    grid.set(row, kDefenseColumn, cformat("%4.0f", team.defense));
    grid.set(row, kPointsForColumn, cformat("%4.0d", team.pointsFor));
    grid.set(row, kPointsAgainstColumn, cformat("%4.0d", team.pointsAgainst));
    grid.set(row, kAvgForColumn, cformat("%5.1f", team.avgPointsFor));
    grid.set(row, kAvgAgainstColumn, cformat("%5.1f", team.avgPointsAgainst));
    grid.set(row, kPercentColumn, cformat("%6.3f", team.winPct));
    grid.set(row, kWinsColumn, cformat("%3d", team.wins));
    grid.set(row, kLossesColumn, cformat("%3d", team.losses));
    grid.set(row, kTiesColumn, cformat("%3d", team.ties));
}

} // namespace grd
