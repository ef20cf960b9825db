#pragma once

#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <cstdint>

namespace grd {

// The data one weekly-task window works on: the rankings read for the task, the
// week's lists, the league model and the schedule's team count T.
struct WeekData {
    tRankings& rankings;
    ProgramState& state;
    const LeagueStructure& league;
    int32_t teamCount = 0;

    int32_t maxGamesPerWeek() const { return teamCount / 2; }
    int playoffWeekCount() const;
    // The games of playoff week 99 + entry (1-based entry of playoffGameCounts); 0
    // for an entry outside the table.
    int playoffGameCount(int entry) const;
    // playoffWeekNames entry, empty outside the table.
    std::string playoffWeekName(int entry) const;
};

} // namespace grd
