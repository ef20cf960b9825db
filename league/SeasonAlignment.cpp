#include "league/SeasonAlignment.h"

namespace grd {

int32_t AlignmentForSeason(const LeagueStructure& league, int32_t year, int32_t teamCount) {
    for (size_t i = 0; i < league.alignments.size(); ++i) {
        const LeagueAlignment& alignment = league.alignments[i];
        if (alignment.teamCount == teamCount && alignment.firstSeason <= year &&
            year <= alignment.lastSeason) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t YearOfTwoDigits(int32_t digits) {
    int32_t year = 1900 + digits;
    return year < 1984 ? year + 100 : year;
}

} // namespace grd
