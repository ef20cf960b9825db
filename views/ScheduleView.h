#pragma once

#include "league/LeagueStructure.h"
#include "league/tSchedule70.h"
#include "views/GridContent.h"
#include "views/KickoffTexts.h"

#include <string>
#include <vector>

namespace grd {

// The views of the schedule window: entry 0 the complete schedule, 1..7 the games of
// one weekday (Sunday and Monday only at night), then one entry per team.
enum ScheduleColumn : int {
    kVisitorColumn = 0,
    kAtColumn = 1,
    kHomeColumn = 2,
    kDayColumn = 3,
    kDateColumn = 4,
    kTimeColumn = 5,
};
constexpr int kFirstTeamView = 8;

struct ScheduleViewEntry {
    std::string text;
    int32_t code = 0; // the team's name code, for team entries
};

// The entries of the view list: the fixed ones, then every team that plays a game of
// the schedule, by ascending name code.
std::vector<ScheduleViewEntry> scheduleViewEntries(const tSchedule70& schedule,
                                                   const LeagueStructure& league, bool cityNames);

struct ScheduleLook {
    bool cityNames = true;
    bool rowHighlight = true;
};

// The rows of one view; an entry outside the list shows the complete schedule.
GridContent scheduleGrid(const tSchedule70& schedule, const LeagueStructure& league,
                         const std::vector<ScheduleViewEntry>& entries, int entry,
                         const ScheduleLook& look, const KickoffTexts& texts);

// The window caption: the schedule's title and the entry shown.
std::string scheduleCaption(const tSchedule70& schedule,
                            const std::vector<ScheduleViewEntry>& entries, int entry);

// A view with nothing to print: one row only, with no home team (" No Games" or a
// single open date).
bool scheduleHasNoGames(const GridContent& grid);

} // namespace grd
