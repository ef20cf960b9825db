#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"
#include "league/tRankings.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// What accuracy and the ratings chart need of one archive: the week it stands at
// (its forecasts are for that week, its scores are of the week before), its two game
// lists and the teams' ratings after the scores.
struct SeasonArchive {
    std::string fileName;
    int32_t week = 0;
    std::vector<ArchivedSpread> forecasts;
    std::vector<ArchivedScore> scores;
    std::vector<TeamStats> teams; // by team number; entry 0 unused
};

// The archives of one season in dir: the files whose extension is the season's
// suffix and whose kind line is "AD", in week order. Archives of the old format hold
// no week and are left out; of two archives of one week the later written counts.
// Archives past the week of dir's main data file are left out too: a Revert or Replace
// takes the season back without deleting the weeks it undid. A damaged archive or main
// data file fails the whole read with its numbered error. The archives' alignment
// becomes the active one, which gives their team numbers.
Result<std::vector<SeasonArchive>> readSeasonArchives(const std::filesystem::path& dir,
                                                      std::string_view suffix,
                                                      LeagueStructure& league);

// The week played after week: N is followed by the first playoff week.
int32_t weekAfter(int32_t week, int regularWeeks);

} // namespace grd
