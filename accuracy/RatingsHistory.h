#pragma once

#include "accuracy/SeasonArchives.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grd {

enum class RatingKind { Total, Offense, Defense };

// A team's rating after a number of the season's weeks were played (0: before week
// 1; the playoff rounds count on after the last regular week).
struct RatingPoint {
    int weeksPlayed = 0;
    double value = 0.0;
};

// The weeks played by the data of an archive that stands at week.
int weeksPlayedAt(int32_t week, int regularWeeks);

// One point per archive, in week order, for a team of the archives.
std::vector<RatingPoint> ratingHistory(const std::vector<SeasonArchive>& archives, int32_t team,
                                       RatingKind kind, int regularWeeks);

// The count teams with the highest Total in the last archive, highest first; ties go
// to the lower team number.
std::vector<int32_t> highestTotals(const std::vector<SeasonArchive>& archives, int count);

// The teams of each division of the active alignment, for choosing them by division.
struct DivisionTeams {
    std::string name;
    std::vector<int32_t> teams;
};
std::vector<DivisionTeams> divisionsOf(const LeagueStructure& league);

} // namespace grd
