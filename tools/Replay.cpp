#include "tools/Commands.h"
#include "tools/ToolArgs.h"

#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "records/CsvTable.h"
#include "state/AppState.h"
#include "tasks/SeasonReplay.h"
#include "tools/ProgramDirectory.h"
#include "tools/WriterLock.h"

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
                 "records lack a score of, or after week WEEK (the records' numbering,\n"
                 "playoff rounds continuing the count). A week partly played stops it before\n"
                 "that week, saying so. Nothing is written unless the whole of GAMES.csv fits\n"
                 "the season. One line per week on standard output.\n");
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
    if (!chooseProgramDirectory(
            "replay",
            call->positional.size() == 2 ? programDirectory(call->positional.front()) : "", app)) {
        return 1;
    }
    auto lock = lockForWriting("replay", app.programDir);
    if (!lock) {
        return 1;
    }
    removeStaleTemporaryFiles(app.programDir, isProgramFileName);
    const std::string& games = call->positional.back();
    const std::optional<int> through = call->through;
    std::vector<std::string> abbreviations;
    if (!loadProgramDirectory("replay", app, &abbreviations)) {
        return 1;
    }
    auto text = readRecordsFile(games);
    if (!text) {
        std::fprintf(stderr, "grdtool replay: %s\n", text.failure().detail.c_str());
        return 1;
    }
    auto records = parseGameRecords(text.value(), app.league.seasonLabel);
    if (!records) {
        printFailure("replay", games, records.failure());
        return 1;
    }
    int weeks = app.league.regularWeekCount();
    auto replayed = replaySeason(app, records.value(), abbreviations, through,
                                 [weeks](const ReplayedWeek& week) {
                                     std::printf("%s\n", describeReplayedWeek(week, weeks).c_str());
                                     return true;
                                 });
    if (!replayed) {
        // A numbered failure is a file's, which its detail names; the others are the records'.
        const Failure& failure = replayed.failure();
        printFailure("replay", failure.number != 0 ? std::string() : games, failure);
        return 1;
    }
    if (std::string waiting = partlyScoredWeekAhead(app, records.value()); !waiting.empty()) {
        std::printf("%s\n", waiting.c_str());
    }
    return 0;
}

} // namespace grd::tool
