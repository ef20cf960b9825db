#pragma once

#include "records/GameRecords.h"
#include "state/AppState.h"
#include "tasks/WeekEntries.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace grd {

// What one replayed week did, for the line printed about it.
struct ReplayedWeek {
    int entry = 0;
    int gamesPosted = 0;
    int forecastsMade = 0;
    std::vector<std::string> filesWritten;
};

// One line about a replayed week: "week  5: 16 games posted, 14 forecasts, wrote ...".
std::string describeReplayedWeek(const ReplayedWeek& week, int regularWeeks);

// Team numbers of the active alignment by their abbreviation.
std::map<std::string, int> teamsByAbbreviation(const LeagueStructure& league,
                                               const std::vector<std::string>& abbreviations);

// The week-chooser entry that follows a main data file standing at currentWeek:
// before any game only the week-1 forecasts are due (entry 0) unless they were made.
int nextEntry(int currentWeek, int forecastCount, int regularWeeks);

// Catches a season up from its game records: runs the weekly task week after week,
// from where the main data file of app's program directory stands, until the
// final's scores are in, the records lack a score of the next week, or after the
// entry through. The records name teams by abbreviation: the names file's third name
// form, given by name index. Each week done is passed to report, which returns false
// to stop before the next. Records that do not fit the season are refused before
// anything is written, naming the line; a file that fails stops the week it is
// written in, the weeks before it staying saved.
Result<int> replaySeason(AppState& app, const std::vector<GameRecord>& records,
                         const std::vector<std::string>& abbreviations, std::optional<int> through,
                         const std::function<bool(const ReplayedWeek&)>& report);

// The week-chooser entries that can be caught up: from where the main data file
// stands, each week in a row whose every game has its score in the records. A week
// still being played ends the list, so replaySeason through its last entry runs them.
Result<std::vector<int>> entriesToReplay(AppState& app, const std::vector<GameRecord>& records);

// The week ahead of where the main data file stands, when it is partly played: its
// week-chooser entry, and how many of its games have scores.
struct PartlyScoredWeek {
    int entry = 0;
    int scored = 0;
    int games = 0;
};
std::optional<PartlyScoredWeek> partlyScoredWeek(AppState& app,
                                                 const std::vector<GameRecord>& records);

// Why a catch-up stopped there: "week 14: 13 of 14 games have scores; stopped before
// it"; empty when that week is played in full or not at all.
std::string partlyScoredWeekAhead(AppState& app, const std::vector<GameRecord>& records);

} // namespace grd
