#include "tasks/WeekEntries.h"

#include "league/Format.h"

namespace grd {

std::string weekEntryName(int entry, const LeagueStructure& league) {
    int weeks = league.regularWeekCount();
    if (entry == 0) {
        return "Week 1 forecasts";
    }
    if (entry <= weeks) {
        return cformat("Week %d scores", entry);
    }
    auto round = static_cast<size_t>(entry - weeks - 1);
    return (round < league.playoffWeekNames.size() ? league.playoffWeekNames[round]
                                                   : cformat("Playoff week %d", entry - weeks)) +
           " scores";
}

int entryOfCurrentWeek(int currentWeek, int regularWeeks) {
    return currentWeek >= kFirstPlayoffWeek ? currentWeek - kFirstPlayoffWeek + regularWeeks
                                            : currentWeek - 1;
}

} // namespace grd
