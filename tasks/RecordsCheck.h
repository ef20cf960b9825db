#pragma once

#include "records/GameRecords.h"
#include "state/AppState.h"

#include <map>
#include <string>
#include <vector>

namespace grd {

// Checks the whole of a season's game records before a replay writes anything: every
// team is one of the active alignment's (teams, by abbreviation), no team plays
// itself or twice in a week, every week lies within the season, and a regular week
// the records hold has exactly the schedule's games. The failure names the line, or
// the scheduled game no record gives.
Status checkRecordsForReplay(const AppState& app, const std::vector<GameRecord>& records,
                             const std::map<std::string, int>& teams);

} // namespace grd
