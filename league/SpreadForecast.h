#pragma once

#include "league/ProgramState.h"
#include "league/tRankings.h"

namespace grd {

constexpr double kLeagueScale = 20.4;   // points per 100 rating points
constexpr double kHomeAdvantage = 2.51; // HTA

// The fixed shaping curve of a raw point difference (>= 0), not yet rounded.
double ShapeSpread(double x);

// A game's forecast: the favourite's margin, a whole number, and which team it is.
struct Spread {
    double points = 0.0;
    bool homeFavoured = false;
};

// The forecast of a game between teams of the given Total ratings, the home team
// second. Neutral games get no home advantage.
Spread forecastSpread(double visitorTotal, double homeTotal, bool neutral);

// Forecasts pair number forecastCount in place: its spread becomes a whole number and
// the favourite moves first. Neutral games get no home advantage.
void ForecastGame(const tRankings& rankings, ProgramState& state, bool neutral);

// Forecasts pairs 1..forecastGameCount with the home advantage.
void ForecastScheduledGames(const tRankings& rankings, ProgramState& state);

} // namespace grd
