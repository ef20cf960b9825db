#pragma once

#include "league/LeagueStructure.h"

#include <string>
#include <string_view>

namespace grd {

// The caption text of a week: seasonText, ": ", the week's label and two blanks.
// forecastMode names the week being forecast; otherwise the standings after the
// week before. The caller picks seasonText (the schedule's label once forecasts or
// rankings were made since the last read, else the loaded file's).
std::string WeekLabel(const LeagueStructure& league, std::string_view seasonText, bool forecastMode,
                      int week);

// Names the week after the one held by an archive file of the old format, from its
// file name (such as "WEEK-17.08") and the number of spreads it holds.
std::string ArchiveWeekLabel(std::string_view fileName, int spreadCount);

} // namespace grd
