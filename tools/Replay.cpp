#include "tools/Commands.h"

#include "files/AtomicFile.h"
#include "league/Format.h"
#include "state/AppState.h"
#include "tasks/SeasonReplay.h"
#include "tools/ProgramDirectory.h"

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
    app.programDir = programDirectory(args[0]);
    std::vector<std::string> abbreviations;
    if (!loadProgramDirectory("replay", app, &abbreviations)) {
        return 1;
    }
    std::string text;
    if (!readWholeFile(args[1], text)) {
        std::fprintf(stderr, "grdtool replay: %s: cannot be read\n", args[1].c_str());
        return 1;
    }
    auto records = parseGameRecords(text);
    if (!records) {
        printFailure("replay", args[1], records.failure());
        return 1;
    }
    int weeks = app.league.regularWeekCount();
    auto replayed = replaySeason(app, records.value(), abbreviations, through,
                                 [weeks](const ReplayedWeek& week) {
                                     std::printf("%s\n", describeReplayedWeek(week, weeks).c_str());
                                 });
    if (!replayed) {
        printFailure("replay", args[1], replayed.failure());
        return 1;
    }
    return 0;
}

} // namespace grd::tool
