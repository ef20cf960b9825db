#pragma once

#include "league/LeagueStructure.h"
#include "league/tRankings.h"
#include "views/GridContent.h"
#include "views/RankingsColumns.h"

namespace grd {

// The team rankings window: every team in the order of the sort key, then the league
// averages. Sorts rankOrder as a side effect, as every drawing of the window does.
GridContent teamRankingsGrid(tRankings& rankings, const LeagueStructure& league,
                             const RankingsLook& look);

} // namespace grd
