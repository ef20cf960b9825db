#include "accuracy/AccuracyGrids.h"

#include "accuracy/MarketTally.h"
#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "views/ClipboardText.h"

#include <cmath>

namespace grd {

namespace {

// Archives hold whole points; a margin typed by hand keeps its half.
std::string marginText(double margin) {
    return margin == std::floor(margin) ? cformat("%.0f", margin) : cformat("%.1f", margin);
}

std::vector<std::string> weekTitles(bool market) {
    std::vector<std::string> titles{"Week",    "Games", "Even",  "Tied",
                                    "Winners", "Error", "Brier", "Not played"};
    if (market) {
        titles.insert(titles.end(),
                      {"Market winners", "Market error", "Market Brier", "Against the line"});
    }
    return titles;
}

void setTallyRow(GridContent& grid, int row, const std::string& label, const AccuracyTally& tally,
                 int unplayed, const MarketTally* market) {
    grid.set(row, 0, label);
    grid.set(row, 1, std::to_string(tally.games));
    grid.set(row, 2, std::to_string(tally.even));
    grid.set(row, 3, std::to_string(tally.tied));
    grid.set(row, 4, tally.winnersText());
    grid.set(row, 5, tally.meanErrorText());
    grid.set(row, 6, tally.brierText());
    grid.set(row, 7, std::to_string(unplayed));
    if (market != nullptr) {
        grid.set(row, 8, market->market.winnersText());
        grid.set(row, 9, market->market.meanErrorText());
        grid.set(row, 10, market->market.brierText());
        grid.set(row, 11, market->againstLineText());
    }
}

std::string sideText(const ForecastOutcome& game, const MarketLine& line) {
    double forecast = forecastHomeMargin(game, line);
    double actual = actualHomeMargin(game, line);
    if (actual == line.line) {
        return "push";
    }
    if (forecast == line.line) {
        return "no side";
    }
    return (forecast > line.line) == (actual > line.line) ? "right" : "wrong";
}

} // namespace

std::string forecastWeekName(const LeagueStructure& league, int32_t week) {
    if (week < kFirstPlayoffWeek) {
        return "Week " + std::to_string(week);
    }
    auto entry = static_cast<size_t>(week - kFirstPlayoffWeek);
    return entry < league.playoffWeekNames.size() && !league.playoffWeekNames[entry].empty()
               ? league.playoffWeekNames[entry]
               : "Playoff week " + std::to_string(entry + 1);
}

GridContent accuracyWeeksGrid(const SeasonAccuracy& season, const LeagueStructure& league,
                              const std::vector<MarketLine>* lines) {
    GridContent grid(weekTitles(lines != nullptr));
    MarketTally seasonMarket;
    for (const auto& week : season.weeks) {
        MarketTally market;
        if (lines != nullptr) {
            market = compareWithMarket(week, *lines);
            seasonMarket += market;
        }
        setTallyRow(grid, grid.addRow(), forecastWeekName(league, week.week), week.tally,
                    week.unplayedCount(), lines != nullptr ? &market : nullptr);
    }
    setTallyRow(grid, grid.addRow(), "Season", season.season, season.unplayedCount(),
                lines != nullptr ? &seasonMarket : nullptr);
    return grid;
}

GridContent accuracyGamesGrid(const WeekAccuracy& week, const LeagueStructure& league,
                              bool cityNames, const std::vector<MarketLine>* lines) {
    std::vector<std::string> titles{"Team 1", "Team 2", "Forecast",
                                    "Score",  "Error",  "Favourite won"};
    if (lines != nullptr) {
        titles.insert(titles.end(), {"Line", "Against the line"});
    }
    GridContent grid(std::move(titles));
    for (const auto& game : week.games) {
        int row = grid.addRow();
        const auto* line =
            lines != nullptr ? findMarketLine(*lines, week.week, game.first, game.second) : nullptr;
        // Only the records know where a game was played.
        auto name = [&](int32_t team) {
            return TeamName(league, team, cityNames) +
                   (line != nullptr && line->home == team ? kHomeMark : "");
        };
        grid.set(row, 0, name(game.first));
        grid.set(row, 1, name(game.second));
        grid.set(row, 2, game.even() ? "even" : "by " + marginText(game.forecast));
        if (!game.played) {
            grid.set(row, 3, "not played");
            continue;
        }
        grid.set(row, 3, cformat("%d-%d", game.firstScore, game.secondScore));
        grid.set(row, 4, marginText(game.error()));
        grid.set(row, 5, game.decided() ? (game.favouriteWon() ? "yes" : "no") : "-");
        if (line != nullptr) {
            // The line as the first team's margin, beside the forecast.
            grid.set(row, 6, marginText(game.first == line->home ? line->line : -line->line));
            grid.set(row, 7, sideText(game, *line));
        }
    }
    return grid;
}

std::string accuracyGamesTip(const std::string& title) {
    if (title == "Team 1" || title == "Team 2") {
        return "Team 1 is the team the forecast favoured; \"(home)\" marks the home team where "
               "imported market lines say which it is";
    }
    if (title == "Forecast") {
        return "The forecast margin of Team 1: \"by 3\" means Team 1 by 3 points";
    }
    if (title == "Line") {
        return "The market's line as Team 1's margin, like the forecast: positive when the market "
               "favoured Team 1, negative when it favoured Team 2";
    }
    return {};
}

std::string accuracyClipboardText(const std::string& caption, const GridContent& weeks,
                                  const std::string& weekName, const GridContent& games) {
    // The games follow under their week's name, without a second program line.
    std::string gamesText = gridClipboardText(weekName, games, ColumnMap());
    gamesText.erase(0, gamesText.find('\n') + 1);
    return gridClipboardText(caption, weeks, ColumnMap()) + "\n" + gamesText;
}

} // namespace grd
