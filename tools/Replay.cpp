#include "tools/Commands.h"

#include "files/AtomicFile.h"
#include "league/Format.h"
#include "league/Messages.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "state/AppState.h"
#include "tasks/SeasonReplay.h"

#include <cstdio>
#include <cstring>

namespace grd::tool {

namespace {

void usage(std::FILE* out) {
    std::fprintf(out,
                 "usage: grdtool replay DIR GAMES.csv [--through WEEK]\n\n"
                 "Runs the weekly task for each week of the game records, from the week the\n"
                 "main data file of program directory DIR stands at: scores are entered from\n"
                 "the records, the coming week is forecast, and every week is saved as the\n"
                 "program saves it. Stops after the final's scores, at the first week the\n"
                 "records hold no scores for, or after week WEEK (the records' numbering,\n"
                 "playoff rounds continuing the count). One line per week on standard output.\n");
}

// A numbered failure names its own file in its detail; the others are about what.
void printFailure(const char* what, const Failure& failure) {
    if (failure.number == 0) {
        std::fprintf(stderr, "grdtool replay: %s: %s\n", what, failure.detail.c_str());
        return;
    }
    std::fprintf(stderr, "grdtool replay: error %d: %s\n", failure.number,
                 errorText(failure.number, failure.detail).c_str());
}

// The league model, schedule and names of a program directory, as start-up loads them,
// and the names file's abbreviations, by which the game records name the teams.
bool loadProgramDirectory(AppState& app, std::vector<std::string>& abbreviations) {
    if (auto failures = LoadLeagueStructure(app.programDir, app.league); !failures.empty()) {
        printFailure(kStructureFileName, failures.front());
        return false;
    }
    app.schedule = std::make_unique<tSchedule70>();
    if (auto loaded = LoadSchedule(app.programDir, *app.schedule, app.league); !loaded) {
        printFailure(kScheduleFileName, loaded.failure());
        return false;
    }
    Status loaded =
        LoadNames(app.programDir, app.schedule->namesFileName, app.league, &abbreviations);
    if (loaded) {
        loaded = CheckNamesCoverSeason(app.league, app.schedule->teamCount,
                                       app.programDir + app.schedule->namesFileName);
    }
    if (!loaded) {
        printFailure(app.schedule->namesFileName.c_str(), loaded.failure());
        return false;
    }
    return true;
}

} // namespace

int replay(const Args& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        usage(stdout);
        return 0;
    }
    std::optional<int> through;
    if (args.size() == 4 && args[2] == "--through") {
        auto week = parseInteger(args[3]);
        if (!week || *week < 0 || *week > 99) {
            std::fprintf(stderr, "grdtool replay: --through needs a week number, not '%s'\n",
                         args[3].c_str());
            return 2;
        }
        through = static_cast<int>(*week);
    } else if (args.size() != 2) {
        usage(stderr);
        return 2;
    }
    AppState app;
    app.programDir = args[0].empty() || args[0].back() == '/' ? args[0] : args[0] + "/";
    removeStaleTemporaryFiles(app.programDir);
    std::vector<std::string> abbreviations;
    if (!loadProgramDirectory(app, abbreviations)) {
        return 1;
    }
    std::string text;
    if (!readWholeFile(args[1], text)) {
        std::fprintf(stderr, "grdtool replay: %s: cannot be read\n", args[1].c_str());
        return 1;
    }
    auto records = parseGameRecords(text);
    if (!records) {
        printFailure(args[1].c_str(), records.failure());
        return 1;
    }
    int weeks = app.league.regularWeekCount();
    auto replayed = replaySeason(app, records.value(), abbreviations, through,
                                 [weeks](const ReplayedWeek& week) {
                                     std::printf("%s\n", describeReplayedWeek(week, weeks).c_str());
                                 });
    if (!replayed) {
        printFailure(args[1].c_str(), replayed.failure());
        return 1;
    }
    return 0;
}

} // namespace grd::tool
