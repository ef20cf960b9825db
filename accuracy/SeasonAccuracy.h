#pragma once

#include "accuracy/AccuracyTally.h"
#include "accuracy/SeasonArchives.h"
#include "accuracy/WeekAccuracy.h"

#include <string>
#include <vector>

namespace grd {

// Every week whose forecasts and scores both have an archive, and the season's tally.
struct SeasonAccuracy {
    std::vector<WeekAccuracy> weeks;
    AccuracyTally season;

    int unplayedCount() const;
};

// Pairs the forecasts of each archive with the scores of the archive of the week
// after; a week whose scores have no archive yet is left out.
SeasonAccuracy seasonAccuracy(const std::vector<SeasonArchive>& archives, int regularWeeks);

// The season of the program directory's archives; the archives' alignment becomes
// the active one of league, which names their teams.
Result<SeasonAccuracy> readSeasonAccuracy(const std::string& programDir, LeagueStructure& league);

} // namespace grd
