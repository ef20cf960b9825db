#pragma once

#include "accuracy/AccuracyTally.h"
#include "accuracy/ForecastOutcome.h"
#include "league/tRankings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// The forecasts made for one week, each with its score when the week's archive holds
// the game, and how the played ones fared.
struct WeekAccuracy {
    int32_t week = 0;                   // the week forecast
    std::string forecastFile;           // the archive that holds the forecasts
    std::string scoresFile;             // the archive that holds the week's scores
    std::vector<ForecastOutcome> games; // in forecast order, unplayed ones included
    AccuracyTally tally;

    int unplayedCount() const;
};

// Pairs each forecast with the score line of the same two teams, in either order. A
// score line answers one forecast only; a forecast without one stays unplayed.
WeekAccuracy pairWeek(int32_t week, const std::vector<ArchivedSpread>& forecasts,
                      const std::vector<ArchivedScore>& scores);

} // namespace grd
