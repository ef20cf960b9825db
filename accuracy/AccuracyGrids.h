#pragma once

#include "accuracy/MarketLine.h"
#include "accuracy/SeasonAccuracy.h"
#include "league/LeagueStructure.h"
#include "views/GridContent.h"

#include <string>
#include <vector>

namespace grd {

// "Week 5", or the playoff week's name, for the week a forecast was made for.
std::string forecastWeekName(const LeagueStructure& league, int32_t week);

// One row per week and a season row: the week, games forecast and played, even
// forecasts, ties, winners, mean absolute error and forecasts not played; with lines,
// the market's winners and error on the same games and the record against the line.
GridContent accuracyWeeksGrid(const SeasonAccuracy& season, const LeagueStructure& league,
                              const std::vector<MarketLine>* lines);

// Follows the name of a game's home team in the games grid.
inline constexpr const char* kHomeMark = " (home)";

// One row per forecast of a week: both teams, the forecast, the score, the error and
// whether the favourite won; with lines, the line and the side it fell on, and the home
// team marked.
GridContent accuracyGamesGrid(const WeekAccuracy& week, const LeagueStructure& league,
                              bool cityNames, const std::vector<MarketLine>* lines);

// What a column of the games grid holds and which way its sign runs, for its header's
// tooltip; empty for a column that needs no word.
std::string accuracyGamesTip(const std::string& title);

// The clipboard text of the accuracy window: "GRD Oddsmith", the caption and the
// weeks, then a blank line, the chosen week's name and its games; TAB between cells,
// CR LF after each line.
std::string accuracyClipboardText(const std::string& caption, const GridContent& weeks,
                                  const std::string& weekName, const GridContent& games);

} // namespace grd
