#pragma once

#include <cmath>
#include <cstdint>

namespace grd {

// One forecast of a week and, once the next archive holds its game, the score. The
// forecast is the first team's margin; archives put the favourite first.
struct ForecastOutcome {
    int32_t first = 0;
    int32_t second = 0;
    double forecast = 0.0;
    bool played = false;
    int32_t firstScore = 0;
    int32_t secondScore = 0;

    int32_t actual() const { return firstScore - secondScore; }
    double error() const { return std::abs(forecast - actual()); }
    bool even() const { return forecast == 0.0; }
    bool tied() const { return firstScore == secondScore; }
    // Neither an even forecast nor a tie: the forecast named a winner who could win.
    bool decided() const { return !even() && !tied(); }
    bool favouriteWon() const { return decided() && (forecast > 0) == (actual() > 0); }
    // The first team's result: 1 won, 0 lost, 0.5 tied.
    double firstResult() const { return tied() ? 0.5 : actual() > 0 ? 1.0 : 0.0; }
};

} // namespace grd
