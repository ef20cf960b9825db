#pragma once

#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <cstdint>

namespace grd {

// Posts the state's scoreGameCount games to the season statistics, then updates the
// ratings of the teams that played. A list naming a team outside 1..T posts nothing.
void PostWeekScores(tRankings& rankings, ProgramState& state);

// Adds one game to both teams' points, results, percentage and averages.
void PostGame(tRankings& rankings, int32_t teamA, int32_t teamB, int32_t scoreA, int32_t scoreB);

} // namespace grd
