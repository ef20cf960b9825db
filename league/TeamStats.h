#pragma once

#include <cstdint>

namespace grd {

// One team's ratings and season statistics. The first nine fields are stored in the
// data files; displayRank and the averages are worked out in memory.
struct TeamStats {
    double offense = 0.0;
    double defense = 0.0;
    double winPct = 0.0;
    double total = 0.0;
    int16_t pointsFor = 0;
    int16_t pointsAgainst = 0;
    int16_t wins = 0;
    int16_t losses = 0;
    int16_t ties = 0;
    int16_t displayRank = 0;
    double avgPointsFor = 0.0;
    double avgPointsAgainst = 0.0;

    int gamesPlayed() const { return wins + losses + ties; }
    // Per-game averages from the season counters; 0 before the first game.
    void computeAverages();
};

} // namespace grd
