#include "tools/Commands.h"

#include "accuracy/AccuracyGrids.h"
#include "accuracy/MarketLine.h"
#include "accuracy/MarketTally.h"
#include "accuracy/SeasonAccuracy.h"
#include "files/AtomicFile.h"
#include "league/LeagueLookups.h"
#include "records/CsvTable.h"
#include "state/AppState.h"
#include "tasks/SeasonReplay.h"
#include "tools/GridPrint.h"
#include "tools/ProgramDirectory.h"
#include "tools/ToolArgs.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool accuracy DIR [--lines GAMES.csv] [--games]\n\n"
    "Pairs the forecasts of each archive of the season in program directory DIR with\n"
    "the scores in the next archive and prints, per week and for the season, the games\n"
    "forecast and played, even forecasts, ties, winners picked (even forecasts and tied\n"
    "games left out) and the mean absolute error of the margin, then the forecasts of\n"
    "games that were not played. --lines adds the market's winners and error on the\n"
    "same games and the record against the line, from the spread_line column of game\n"
    "records (the home team's expected margin). --games prints every week's games.\n"
    "The Brier score rates the chance each margin gives, a normal distribution of the\n"
    "result around the margin with a deviation of 13.5 points.\n";

void printUnplayed(const SeasonAccuracy& season, const LeagueStructure& league) {
    if (season.unplayedCount() == 0) {
        return;
    }
    std::printf("\nForecasts of games not played:\n");
    for (const auto& week : season.weeks) {
        for (const auto& game : week.games) {
            if (!game.played) {
                std::printf("%s: %s over %s by %g\n", forecastWeekName(league, week.week).c_str(),
                            TeamName(league, game.first, false).c_str(),
                            TeamName(league, game.second, false).c_str(), game.forecast);
            }
        }
    }
}

// The market's Brier score over the season's games that have a line.
std::string seasonMarket(const SeasonAccuracy& season, const std::vector<MarketLine>& lines) {
    MarketTally tally;
    for (const auto& week : season.weeks) {
        tally += compareWithMarket(week, lines);
    }
    return tally.market.brierText();
}

} // namespace

int accuracy(const Args& args) {
    if (wantsHelp(args)) {
        std::printf("%s", kHelp);
        return 0;
    }
    std::optional<std::string> linesFile;
    bool games = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--lines" && i + 1 < args.size()) {
            linesFile = args[++i];
        } else if (args[i] == "--games") {
            games = true;
        } else {
            return usageError("accuracy", "unexpected argument '" + args[i] + "'", kHelp);
        }
    }
    if (args.empty()) {
        return usageError("accuracy", "the program directory is missing", kHelp);
    }
    AppState app;
    app.programDir = programDirectory(args[0]);
    std::vector<std::string> abbreviations;
    if (!loadProgramDirectory("accuracy", app, &abbreviations)) {
        return 1;
    }
    int weeks = app.league.regularWeekCount();
    auto season = readSeasonAccuracy(app.programDir, app.league);
    if (!season) {
        printFailure("accuracy", args[0], season.failure());
        return 1;
    }
    if (season.value().weeks.empty()) {
        std::printf("No week of the %s season has its forecasts and its scores archived in %s\n",
                    app.league.seasonLabel.c_str(), args[0].c_str());
        return 0;
    }
    std::optional<std::vector<MarketLine>> lines;
    if (linesFile) {
        auto text = readRecordsFile(*linesFile);
        if (!text) {
            std::fprintf(stderr, "grdtool accuracy: %s\n", text.failure().detail.c_str());
            return 1;
        }
        auto parsed = parseMarketLines(text.value(), teamsByAbbreviation(app.league, abbreviations),
                                       weeks, app.league.seasonLabel);
        if (!parsed) {
            printFailure("accuracy", *linesFile, parsed.failure());
            return 1;
        }
        lines = std::move(parsed.value());
    }
    const auto* marketLines = lines ? &*lines : nullptr;
    std::printf("Forecast accuracy %s\n\n", app.league.seasonLabel.c_str());
    printGrid(accuracyWeeksGrid(season.value(), app.league, marketLines));
    std::printf("\nbrier %s\n", season.value().season.brierText().c_str());
    if (marketLines != nullptr) {
        std::printf("market brier %s\n", seasonMarket(season.value(), *marketLines).c_str());
    }
    for (const auto& week : games ? season.value().weeks : std::vector<WeekAccuracy>{}) {
        std::printf("\n%s\n", forecastWeekName(app.league, week.week).c_str());
        printGrid(accuracyGamesGrid(week, app.league, false, marketLines));
    }
    printUnplayed(season.value(), app.league);
    return 0;
}

} // namespace grd::tool
