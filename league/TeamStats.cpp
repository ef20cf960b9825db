#include "league/TeamStats.h"

namespace grd {

void TeamStats::computeAverages() {
    int played = gamesPlayed();
    if (played == 0) {
        avgPointsFor = 0.0;
        avgPointsAgainst = 0.0;
        return;
    }
    avgPointsFor = static_cast<double>(pointsFor) / played;
    avgPointsAgainst = static_cast<double>(pointsAgainst) / played;
}

} // namespace grd
