#pragma once

#include "league/LeagueStructure.h"

#include <string>

namespace grd {

// The week chooser's entries in order: 0 forecasts week 1, 1..N enter a regular week's
// scores, then each playoff round's, then "Other".

// "Week 1 forecasts", "Week 5 scores", "Wild Card scores": what an entry enters.
std::string weekEntryName(int entry, const LeagueStructure& league);

// The entry whose task leaves the main data file at currentWeek.
int entryOfCurrentWeek(int currentWeek, int regularWeeks);

} // namespace grd
