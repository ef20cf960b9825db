#include "tools/Commands.h"

#include "league/Format.h"
#include "outlook/OutlookGrids.h"
#include "state/AppState.h"
#include "tools/GridPrint.h"
#include "tools/ProgramDirectory.h"
#include "tools/ToolArgs.h"

#include <cstdio>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool outlook [DIR] [--runs N] [--seed S] [--csv]\n\n"
    "Prints the standings of the season in program directory DIR (by default the\n"
    "program's own) by the league's tie-breaking procedure, the seeds if the season\n"
    "ended today, and each team's chances from N simulated seasons (default 20000):\n"
    "mean wins, winning its division, making the playoffs, the top seed and each seed.\n"
    "--runs 0 prints only the standings. --seed S (default 1) fixes the simulation and\n"
    "the coin tosses: the same seed gives the same figures. --csv prints one row per\n"
    "team instead. Only archives up to the main data file's week count.\n";

struct Options {
    std::string dir;
    int runs = kDefaultRuns;
    uint64_t seed = 1;
    bool csv = false;
};

std::optional<std::string> parseOptions(const Args& args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if ((arg == "--runs" || arg == "--seed") && i + 1 < args.size()) {
            auto value = parseInteger(args[++i]);
            constexpr long long kMostRuns = 10'000'000;
            if (!value || *value < 0 || (arg == "--runs" && *value > kMostRuns)) {
                return arg + " needs a whole number from 0" +
                       (arg == "--runs" ? " to 10000000" : std::string());
            }
            if (arg == "--runs") {
                options.runs = static_cast<int>(*value);
            } else {
                options.seed = static_cast<uint64_t>(*value);
            }
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (options.dir.empty() && !arg.starts_with("-")) {
            options.dir = programDirectory(arg);
        } else {
            return "unexpected argument '" + arg + "'";
        }
    }
    return std::nullopt;
}

void printTables(const OutlookSeason& season, const OutlookFigures& figures) {
    std::printf("Season outlook %s\n", outlookTitle(season).c_str());
    for (int conference = 0; conference < season.shape.conferenceCount(); ++conference) {
        std::printf("\n%s\n",
                    season.shape.conferenceNames[static_cast<size_t>(conference)].c_str());
        printGrid(conferenceGrid(season, figures, conference));
    }
    auto games = nextWeekGrid(season);
    if (games.rowCount() > 0) {
        std::printf("\nWeek %d\n", season.nextWeek());
        printGrid(games);
    }
    std::printf("\n");
    for (const auto& note : outlookFootnotes(figures)) {
        std::printf("%s\n", note.c_str());
    }
}

} // namespace

int outlook(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    Options options;
    if (auto problem = parseOptions(args, options)) {
        return usageError("outlook", *problem, kHelp);
    }
    AppState app;
    if (!chooseProgramDirectory("outlook", options.dir, app) ||
        !loadProgramDirectory("outlook", app)) {
        return 1;
    }
    auto season = readOutlookSeason(app.programDir, app.league, *app.schedule);
    if (!season) {
        printFailure("outlook", app.programDir, season.failure());
        return 1;
    }
    OutlookFigures figures{standingsOf(season.value().played, season.value().shape, options.seed),
                           {},
                           options.runs,
                           options.seed};
    if (options.runs > 0) {
        SimulationControl control;
        control.runs = options.runs;
        control.seed = options.seed;
        figures.odds = *simulateSeason(season.value(), control);
    }
    if (options.csv) {
        std::fputs(outlookCsv(season.value(), figures).c_str(), stdout);
    } else {
        printTables(season.value(), figures);
    }
    return 0;
}

} // namespace grd::tool
