#pragma once

#include "league/ProgramState.h"
#include "league/tRankings.h"

namespace grd {

constexpr double kLeagueScale = 20.4;   // points per 100 rating points
constexpr double kHomeAdvantage = 2.51; // HTA

// The fixed shaping curve of a raw point difference (>= 0), not yet rounded.
double ShapeSpread(double x);

// Forecasts pair number forecastCount in place: its spread becomes a whole number and
// the favourite moves first. Neutral games get no home advantage.
void ForecastGame(const tRankings& rankings, ProgramState& state, bool neutral);

// Forecasts pairs 1..forecastGameCount with the home advantage.
void ForecastScheduledGames(const tRankings& rankings, ProgramState& state);

} // namespace grd
