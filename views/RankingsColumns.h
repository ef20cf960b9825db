#pragma once

#include "league/TeamStats.h"
#include "views/GridContent.h"

#include <string>

namespace grd {

// Logical columns shared by the team and division rankings windows.
enum RankingsColumn : int {
    kRankColumn = 0,
    kTeamColumn = 1,
    kTotalColumn = 2,
    kOffenseColumn = 3,
    kDefenseColumn = 4,
    kPointsForColumn = 5,
    kPointsAgainstColumn = 6,
    kAvgForColumn = 7,
    kAvgAgainstColumn = 8,
    kPercentColumn = 9,
    kWinsColumn = 10,
    kLossesColumn = 11,
    kTiesColumn = 12,
};

// The column whose header marks the order of a sort key; -1 for an unknown key.
int sortedColumn(int sortKey);

// Writes one team's line: its rank number, name and every statistic.
void fillTeamRow(GridContent& grid, int row, int rank, const std::string& name,
                 const TeamStats& team);

// Which rows of a rankings window get highlighted.
struct RankingsLook {
    int sortKey = 1;
    bool cityNames = true;
    bool rowHighlight = true;
};

} // namespace grd
