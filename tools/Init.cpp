#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/Messages.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/SeasonAlignment.h"
#include "league/StructureLoader.h"
#include "league/tSchedule70.h"
#include "tools/Commands.h"
#include "tools/ProgramDirectory.h"
#include "tools/WriterLock.h"

#include <cstdio>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool init [DIR] --average\n\n"
    "Writes DIR/MAIN-DTA.GRD standing before week 1 of the season of DIR's schedule\n"
    "(DIR is by default the program's own data directory, as Oddsmith chooses it):\n"
    "every team at total 100, offense 101, defense 99, no statistics, and the\n"
    "alignment that the season and the schedule's team count select.\n";

int fail(const std::string& dir, const Failure& failure) {
    std::fprintf(stderr, "grdtool init: %s: error %d: %s\n", dir.c_str(), failure.number,
                 errorText(failure.number, failure.detail).c_str());
    return 1;
}

} // namespace

int init(const Args& args) {
    std::string dir;
    bool average = false;
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--average") {
            average = true;
        } else if (dir.empty() && !arg.starts_with("-")) {
            dir = arg;
        } else {
            std::fprintf(stderr, "grdtool init: unexpected '%s'\n\n%s", arg.c_str(), kHelp);
            return 2;
        }
    }
    if (!average) {
        std::fprintf(stderr, "grdtool init: give --average\n\n%s", kHelp);
        return 2;
    }
    if (!dir.empty()) {
        dir = programDirectory(dir);
    } else if (auto chosen = defaultDataDirectory("init")) {
        dir = *chosen;
    } else {
        return 1;
    }
    auto lock = lockForWriting("init", dir);
    if (!lock) {
        return 1;
    }
    removeStaleTemporaryFiles(dir, isProgramFileName);
    LeagueStructure league;
    if (auto failures = LoadLeagueStructure(dir, league); !failures.empty()) {
        return fail(dir, failures.front());
    }
    tSchedule70 schedule;
    if (Status loaded = LoadSchedule(dir, schedule, league); !loaded) {
        return fail(dir, loaded.failure());
    }
    auto year = parseInteger(std::string_view(league.seasonLabel).substr(0, 4));
    league.activeAlignment =
        year ? AlignmentForSeason(league, static_cast<int32_t>(*year), schedule.teamCount) : -1;
    if (league.activeAlignment < 0) {
        std::fprintf(stderr, "grdtool init: %s: no alignment of %d teams for season %s\n",
                     dir.c_str(), schedule.teamCount, league.seasonLabel.c_str());
        return 1;
    }
    tRankings rankings;
    rankings.resize(schedule.teamCount);
    for (int32_t team = 1; team <= schedule.teamCount; ++team) {
        TeamStats& stats = rankings.teams[static_cast<size_t>(team)];
        stats.total = 100.0;
        stats.offense = 101.0;
        stats.defense = 99.0;
    }
    ProgramState state;
    state.currentWeek = 1;
    if (Status written = WriteRankings(kMainDataKind, dir + kMainDataFileName, rankings, state,
                                       league, schedule.teamCount);
        !written) {
        return fail(dir, written.failure());
    }
    return 0;
}

} // namespace grd::tool
