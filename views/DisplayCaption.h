#pragma once

#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <string>

namespace grd {

// The caption of a display window of codes 2..7: its design caption completed with
// what names the loaded data: the week, the file, the average points per game, and
// " No" for an archive window without lines.
std::string displayCaption(int code, const tRankings& rankings, const ProgramState& state,
                           const LeagueStructure& league);

// The season text of week labels: the schedule's once forecasts or rankings were made
// since the file was read, else the one stored in the file.
std::string captionSeasonText(const tRankings& rankings, const ProgramState& state,
                              const LeagueStructure& league);

} // namespace grd
