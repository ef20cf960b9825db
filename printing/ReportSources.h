#pragma once

#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"
#include "prefs/tPrefsRec.h"

#include <string_view>

namespace grd {

// What every report text is made of, shared by the text of a print run and the
// builders of its blocks.

// Markup of report lines: cells are separated by kCellSeparator; a line that starts
// with kBoldMark is printed bold.
inline constexpr char kCellSeparator = '|';
inline constexpr std::string_view kBoldMark = "{$B}";

// Where the report texts come from. Building rewrites the orderings, the division
// order and the ranking positions held with the rankings, nothing else.
struct ReportSources {
    tRankings& rankings;
    const ProgramState& state;     // current and loaded week, sort key, forecast list
    const LeagueStructure& league; // team and division names, week labels
    const tPrefsRec& prefs;        // names list in use, spreads initials
};

} // namespace grd
