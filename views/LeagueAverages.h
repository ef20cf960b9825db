#pragma once

#include "league/tRankings.h"

#include <optional>

namespace grd {

// The league's averages over every team, as the averages line of the team rankings
// shows them. League-wide, points scored equal points allowed, so one average of
// each stands for both.
struct LeagueAverages {
    double total = 0.0;
    double offense = 0.0;
    double defense = 0.0;
    double pointsFor = 0.0;
    double avgPointsFor = 0.0;
    std::optional<double> winPct; // none before the first game
};

// The averages of rankings' teams; all zero when it holds none.
LeagueAverages leagueAverages(const tRankings& rankings);

} // namespace grd
