#pragma once

#include "accuracy/ForecastOutcome.h"
#include "files/Failure.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// The market's line on one game: the home team's expected margin, as the public game
// records give it in their spread_line column. Weeks are the program's (playoff
// weeks from 100).
struct MarketLine {
    int32_t week = 0;
    int32_t away = 0;
    int32_t home = 0;
    double line = 0.0;
};

// No market sets a game's line beyond this many points; a larger value is damage.
inline constexpr double kMaxLinePoints = 100.0;

// Whether line is a finite number of points within kMaxLinePoints either way.
bool isPlausibleLine(double line);

// The lines of game records in the public layout: columns week, away_team, home_team
// and spread_line; the records' weeks after the last regular one are playoff weeks.
// A game without a line is left out; an unknown team, a week that is not 1..99, a line
// that is not a plausible number of points or a season column naming another season
// than seasonLabel's ("2025-26") fails naming the row and the value.
Result<std::vector<MarketLine>> parseMarketLines(std::string_view text,
                                                 const std::map<std::string, int>& teams,
                                                 int regularWeeks, std::string_view seasonLabel);

// The line of a week's game between two teams, in either order; null when none.
const MarketLine* findMarketLine(const std::vector<MarketLine>& lines, int32_t week, int32_t teamA,
                                 int32_t teamB);

// A played forecast seen from the home team of its line: the forecast and the
// actual home margins.
double forecastHomeMargin(const ForecastOutcome& game, const MarketLine& line);
int32_t actualHomeMargin(const ForecastOutcome& game, const MarketLine& line);

} // namespace grd
