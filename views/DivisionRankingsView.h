#pragma once

#include "league/LeagueStructure.h"
#include "league/tRankings.h"
#include "views/GridContent.h"
#include "views/RankingsColumns.h"

namespace grd {

// The division rankings window: per division of the active alignment a title row
// and its teams by percentage, each ranked by its place in the league-wide order of
// the sort key. Sets every team's displayRank and lays out divisionOrder.
GridContent divisionRankingsGrid(tRankings& rankings, const LeagueStructure& league,
                                 const RankingsLook& look);

} // namespace grd
