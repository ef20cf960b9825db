#pragma once

#include "accuracy/AccuracyTally.h"
#include "accuracy/MarketLine.h"
#include "accuracy/WeekAccuracy.h"

#include <string>
#include <vector>

namespace grd {

// The forecasts beside the market on the played games that have a line: the model's
// and the market's winners and errors, and the model's record against the line.
struct MarketTally {
    AccuracyTally model;
    AccuracyTally market;
    int pushes = 0; // the actual home margin equals the line
    int noSide = 0; // the forecast home margin equals the line
    int coveredRight = 0;
    int againstLine = 0; // games with a side and no push

    void add(const ForecastOutcome& game, const MarketLine& line);
    MarketTally& operator+=(const MarketTally& other);
    // "70/130 = 53.8%".
    std::string againstLineText() const;
};

// The market beside the played forecasts of a week.
MarketTally compareWithMarket(const WeekAccuracy& week, const std::vector<MarketLine>& lines);

} // namespace grd
