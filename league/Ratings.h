#pragma once

#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <cstdint>

namespace grd {

// Mean and population deviation of the season points scored by the teams that played
// in the week; a deviation of exactly 0 is replaced by 1.
struct WeekMeasure {
    double mean = 0.0;
    double spread = 1.0;
};

WeekMeasure MeasureWeek(const tRankings& rankings, const ProgramState& state);

// Moves both teams' offense, defense and total towards what their season points say,
// with the win bonus for the winner.
void UpdateGameRatings(tRankings& rankings, const WeekMeasure& week, int32_t teamA, int32_t teamB,
                       int32_t scoreA, int32_t scoreB);

} // namespace grd
