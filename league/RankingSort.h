#pragma once

#include "league/tRankings.h"

#include <cstdint>

namespace grd {

// Sorts rankOrder in place by the category of sortKey (1..8) with the gap-halving
// exchange sort, which keeps equal teams where the previous order had them. Any other
// key leaves the order as it is.
void SortRankings(tRankings& rankings, int sortKey);

// Sorts positions first..last of divisionOrder by percentage, best first.
void SortRangeByPct(tRankings& rankings, int32_t first, int32_t last);

// Fills categoryOrders with the order of every key, each sort starting from the one
// before; rankOrder is left in the order of the last key.
void BuildCategoryOrders(tRankings& rankings);

} // namespace grd
