#include "accuracy/MarketTally.h"

namespace grd {

void MarketTally::add(const ForecastOutcome& game, const MarketLine& line) {
    if (!game.played) {
        return;
    }
    model.add(game);
    ForecastOutcome byMarket{line.home, line.away, line.line, true};
    byMarket.firstScore = game.first == line.home ? game.firstScore : game.secondScore;
    byMarket.secondScore = game.first == line.home ? game.secondScore : game.firstScore;
    market.add(byMarket);
    double forecast = forecastHomeMargin(game, line);
    double actual = actualHomeMargin(game, line);
    if (actual == line.line) {
        ++pushes;
    } else if (forecast == line.line) {
        ++noSide;
    } else {
        ++againstLine;
        coveredRight += (forecast > line.line) == (actual > line.line) ? 1 : 0;
    }
}

MarketTally& MarketTally::operator+=(const MarketTally& other) {
    model += other.model;
    market += other.market;
    pushes += other.pushes;
    noSide += other.noSide;
    coveredRight += other.coveredRight;
    againstLine += other.againstLine;
    return *this;
}

std::string MarketTally::againstLineText() const {
    return shareText(coveredRight, againstLine);
}

MarketTally compareWithMarket(const WeekAccuracy& week, const std::vector<MarketLine>& lines) {
    MarketTally tally;
    for (const auto& game : week.games) {
        if (const auto* line = findMarketLine(lines, week.week, game.first, game.second)) {
            tally.add(game, *line);
        }
    }
    return tally;
}

} // namespace grd
