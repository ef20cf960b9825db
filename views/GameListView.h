#pragma once

#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"
#include "views/GridContent.h"

namespace grd {

// The spreads forecast in this run: forecast k of the program state on row k.
GridContent spreadsGrid(const ProgramState& state, const LeagueStructure& league, bool cityNames);

// The spreads stored in a loaded archive.
GridContent archiveSpreadsGrid(const tRankings& rankings, const LeagueStructure& league,
                               bool cityNames);

// The final scores stored in a loaded archive.
GridContent archiveScoresGrid(const tRankings& rankings, const LeagueStructure& league,
                              bool cityNames);

} // namespace grd
