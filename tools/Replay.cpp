#include "tools/Commands.h"
#include "tools/ToolArgs.h"

#include "files/AtomicFile.h"
#include "league/Format.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "state/AppState.h"
#include "state/ProgramPaths.h"
#include "tasks/SeasonReplay.h"

#include <cstdio>
#include <cstring>

namespace grd::tool {

namespace {

void usage(std::FILE* out) {
    std::fprintf(out,
                 "usage: grdtool replay [DIR] GAMES.csv [--through WEEK]\n\n"
                 "Runs the weekly task for each week of the game records, from the week the\n"
                 "main data file of data directory DIR stands at (by default the program's\n"
                 "own data directory, as Oddsmith chooses it): scores are entered from\n"
                 "the records, the coming week is forecast, and every week is saved as the\n"
                 "program saves it. Stops after the final's scores, at the first week the\n"
                 "records hold no scores for, or after week WEEK (the records' numbering,\n"
                 "playoff rounds continuing the count). One line per week on standard output.\n");
}

void printFailure(const char* what, const Failure& failure) {
    std::fprintf(stderr, "grdtool replay: %s:", what);
    if (failure.number != 0) {
        std::fprintf(stderr, " error %d:", failure.number);
    }
    std::fprintf(stderr, " %s\n", failure.detail.c_str());
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
    if (auto loaded =
            LoadNames(app.programDir, app.schedule->namesFileName, app.league, &abbreviations);
        !loaded) {
        printFailure(app.schedule->namesFileName.c_str(), loaded.failure());
        return false;
    }
    return true;
}

// The words of a call: [DIR] GAMES.csv [--through WEEK].
struct ReplayCall {
    std::vector<std::string> positional;
    std::optional<int> through;
};

std::optional<ReplayCall> parseCall(const Args& args) {
    ReplayCall call;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--through") {
            if (args[i].starts_with('-')) {
                usage(stderr);
                return std::nullopt;
            }
            call.positional.push_back(args[i]);
            continue;
        }
        auto week = i + 1 < args.size() ? parseInteger(args[i + 1]) : std::nullopt;
        if (call.through || !week || *week < 0 || *week > 99) {
            std::fprintf(stderr, "grdtool replay: --through needs one week number\n");
            return std::nullopt;
        }
        call.through = static_cast<int>(*week);
        ++i;
    }
    if (call.positional.empty() || call.positional.size() > 2) {
        usage(stderr);
        return std::nullopt;
    }
    return call;
}

} // namespace

int replay(const Args& args) {
    if (wantsHelp(args)) {
        usage(stdout);
        return 0;
    }
    auto call = parseCall(args);
    if (!call)
        return 2;
    AppState app;
    if (call->positional.size() == 2) {
        app.programDir = withTrailingSlash(call->positional.front());
    } else if (auto dir = defaultDataDirectory("replay")) {
        app.programDir = *dir;
    } else {
        return 1;
    }
    const std::string& games = call->positional.back();
    const std::optional<int> through = call->through;
    std::vector<std::string> abbreviations;
    if (!loadProgramDirectory(app, abbreviations)) {
        return 1;
    }
    std::string text;
    if (!readWholeFile(games, text)) {
        std::fprintf(stderr, "grdtool replay: %s: cannot be read\n", games.c_str());
        return 1;
    }
    auto records = parseGameRecords(text);
    if (!records) {
        printFailure(games.c_str(), records.failure());
        return 1;
    }
    int weeks = app.league.regularWeekCount();
    auto replayed = replaySeason(app, records.value(), abbreviations, through,
                                 [weeks](const ReplayedWeek& week) {
                                     std::printf("%s\n", describeReplayedWeek(week, weeks).c_str());
                                 });
    if (!replayed) {
        printFailure(games.c_str(), replayed.failure());
        return 1;
    }
    return 0;
}

} // namespace grd::tool
