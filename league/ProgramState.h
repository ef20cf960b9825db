#pragma once

#include "league/LeagueStructure.h"

#include <cstdint>
#include <vector>

namespace grd {

// The empty mark of every game list: no team, no score, and as 99.0 no spread.
constexpr int32_t kEmptyMark = 99;
constexpr double kNoSpread = 99.0;

// The program-wide state of the season in memory and of the weekly task. Lists are
// 1-based: game k has its teams and scores at positions 2k-1 and 2k.
struct ProgramState {
    int32_t currentWeek = kNoWeek;
    int32_t loadedWeek = kNoWeek; // week stored in the last file read
    int32_t forecastGameCount = 0;
    int32_t scoreGameCount = 0;
    int32_t forecastCount = 0;
    std::vector<int32_t> scores = std::vector<int32_t>(1, 0);
    std::vector<int32_t> scoreTeams = std::vector<int32_t>(1, 0);
    std::vector<int32_t> forecastPairs = std::vector<int32_t>(1, 0);
    std::vector<double> spreads = {0.0, kNoSpread, 0.0, 0.0, 0.0};
    bool rankingsUpdated = false;
    bool spreadsForecast = false;
    bool mainDataSaved = false;
    bool archiveSaved = false;
    // The category of the team ordering, kept across loads and stored in the files;
    // a read moves the one in use to previousSortKey.
    int16_t sortKey = 1;
    int16_t previousSortKey = 1;

    void clearFlags();
    bool hasUnsavedData() const;
    // Empties the score and forecast lists for a weekly task on a schedule of
    // teamCount teams: scores and teams 1..T, pairs 1..T+4, spreads 1..T/2+2.
    void prepareWeekLists(int32_t teamCount);
    // scoreGameCount when the score lists hold that many games, all between teams
    // 1..teamCount; otherwise 0, so that nothing is posted from a broken list.
    int32_t postableGameCount(int32_t teamCount) const;
};

} // namespace grd
