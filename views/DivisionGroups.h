#pragma once

#include "league/LeagueStructure.h"
#include "league/tRankings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// One division of the active alignment with its teams, best percentage first.
struct DivisionGroup {
    std::string name;
    std::vector<int32_t> teams;
};

// Ranks every team league-wide by sortKey into its displayRank, then lays out
// divisionOrder division by division (conferences and divisions in alignment order),
// each division sorted by percentage. Empty when no alignment is active or nothing
// is loaded.
std::vector<DivisionGroup> rankDivisions(tRankings& rankings, const LeagueStructure& league,
                                         int sortKey);

} // namespace grd
