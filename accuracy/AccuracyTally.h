#pragma once

#include "accuracy/ForecastOutcome.h"

#include <string>

namespace grd {

// How a set of played forecasts fared: winners picked among the decided games and the
// mean absolute error of the margin over all of them (an even forecast predicts 0), and
// the Brier score of the chances the margins give (a tie counts half a win).
struct AccuracyTally {
    int games = 0;
    int even = 0;
    int tied = 0;
    int decided = 0;
    int correct = 0;
    double errorSum = 0.0;
    double brierSum = 0.0;

    // Counts a played game; unplayed ones are left out.
    void add(const ForecastOutcome& game);
    AccuracyTally& operator+=(const AccuracyTally& other);

    double meanError() const { return games == 0 ? 0.0 : errorSum / games; }
    // "150/250 = 60.0%"; "0/0" when no game was decided.
    std::string winnersText() const;
    // "9.75"; "-" without games.
    std::string meanErrorText() const;
    // "0.226"; "-" without games.
    std::string brierText() const;
};

// "150/250 = 60.0%", or "0/0" for an empty share.
std::string shareText(int part, int whole);

} // namespace grd
