#pragma once

#include "league/LeagueStructure.h"
#include "league/tRankings.h"
#include "views/GridContent.h"
#include "views/ViewState.h"

#include <string>

namespace grd {

// The sort key whose order a category column (1..8) lists; 0 for the Rank column.
int categoryKey(int column);

// The first length characters of a name (whole UTF-8 characters).
std::string cutName(const std::string& name, int length);

struct CategoryLook {
    bool cityNames = true;
    bool rowHighlight = true;
    int nameLength = ViewState::kDefaultNameLength;
    TeamPicks picks;
};

// The category rankings window: eight rankings side by side, each cell a value and a
// shortened name; the picked teams are marked red and blue in every column.
// Rebuilds the category orders.
GridContent categoryRankingsGrid(tRankings& rankings, const LeagueStructure& league,
                                 const CategoryLook& look);

// The team shown in a data row (0-based) of a category column, from the orders the
// last grid was built with; 0 for none.
int32_t categoryTeamAt(const tRankings& rankings, int column, int row);

// The picked teams as the tool bar names them: "first at second".
std::string picksLabel(const LeagueStructure& league, const TeamPicks& picks, bool cityNames);

} // namespace grd
