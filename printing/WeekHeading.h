#pragma once

#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <string>

namespace grd {

// The first line of every report block: the week the loaded data stands at, or the
// week being forecast when forecastNaming is set; the loaded file's name and a blank
// when the data does not tell the week.
std::string weekHeadingLine(const tRankings& rankings, const ProgramState& state,
                            const LeagueStructure& league, bool forecastNaming);

} // namespace grd
