#include "files/AtomicFile.h"
#include "league/DecompressedFile.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "records/CsvTable.h"
#include "records/LeagueHistory.h"
#include "records/ScheduleBuilder.h"
#include "tools/Commands.h"
#include "tools/ToolArgs.h"
#include "tools/WriterLock.h"

#include <cstdio>
#include <filesystem>
#include <map>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool build-schedule --teams TEAMS.csv --games GAMES.csv [--slots SLOTS.csv]\n"
    "                              [--title TEXT] [--first-season YEAR] OUTDIR\n\n"
    "Makes the shipped data files in OUTDIR from the league's records:\n"
    "  GRDSchedule.ccs   the season of GAMES.csv: its regular weeks, then its playoff\n"
    "                    games as AFC/NFC placeholders (from SLOTS.csv where GAMES.csv\n"
    "                    holds no playoff games yet)\n"
    "  GRDNames.ccn      every team name of TEAMS.csv with its name code\n"
    "  GRDStructure.txt  one alignment per era of TEAMS.csv from YEAR on (default 1976)\n"
    "  --title TEXT      the schedule's title (default \"SEASON Schedule\")\n";

struct Options {
    std::map<std::string, std::string> values;
    std::string outDir;
};

std::string readOrEmpty(const std::string& path, bool& ok) {
    auto text = readRecordsFile(path);
    ok = text.ok();
    if (!ok) {
        std::fprintf(stderr, "grdtool build-schedule: %s\n", text.failure().detail.c_str());
        return {};
    }
    return std::move(text.value());
}

int fail(const std::string& path, const Failure& failure) {
    std::fprintf(stderr, "grdtool build-schedule: %s: %s\n", path.c_str(), failure.detail.c_str());
    return 1;
}

bool parseOptions(const Args& args, Options& options, std::string& problem) {
    for (size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if (arg == "--teams" || arg == "--games" || arg == "--slots" || arg == "--title" ||
            arg == "--first-season") {
            if (i + 1 == args.size()) {
                problem = arg + " needs a value";
                return false;
            }
            options.values[arg] = args[++i];
        } else if (arg.starts_with("-")) {
            problem = "unknown option '" + arg + "'";
            return false;
        } else if (options.outDir.empty()) {
            options.outDir = arg;
        } else {
            problem = "more than one output directory";
            return false;
        }
    }
    if (!options.values.count("--teams") || !options.values.count("--games") ||
        options.outDir.empty()) {
        problem = "needs --teams, --games and an output directory";
        return false;
    }
    return true;
}

bool write(const std::filesystem::path& path, const std::string& bytes) {
    std::string reason;
    if (!writeFileAtomically(path, bytes, &reason)) {
        std::fprintf(stderr, "grdtool build-schedule: %s\n", reason.c_str());
        return false;
    }
    return true;
}

} // namespace

int buildSchedule(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    Options options;
    std::string problem;
    if (!parseOptions(args, options, problem)) {
        return usageError("build-schedule", problem, kHelp);
    }
    auto firstSeason = options.values.count("--first-season")
                           ? parseInteger(options.values["--first-season"])
                           : std::optional<long long>(1976);
    if (!firstSeason || *firstSeason < 1900 || *firstSeason > 2999) {
        return usageError("build-schedule", "--first-season needs a year", kHelp);
    }
    bool ok = true;
    const std::string& teamsPath = options.values["--teams"];
    const std::string& gamesPath = options.values["--games"];
    std::string teamsText = readOrEmpty(teamsPath, ok);
    std::string gamesText = ok ? readOrEmpty(gamesPath, ok) : "";
    std::string slotsPath = options.values.count("--slots") ? options.values["--slots"] : "";
    std::string slotsText = ok && !slotsPath.empty() ? readOrEmpty(slotsPath, ok) : "";
    if (!ok) {
        return 1;
    }
    auto eras = parseTeamEras(teamsText);
    if (!eras) {
        return fail(teamsPath, eras.failure());
    }
    auto history = buildLeagueHistory(eras.value(), static_cast<int>(*firstSeason));
    if (!history) {
        return fail(teamsPath, history.failure());
    }
    auto games = parseGameRecords(gamesText);
    if (!games) {
        return fail(gamesPath, games.failure());
    }
    std::vector<PlayoffSlot> slots;
    if (!slotsPath.empty()) {
        auto parsed = parsePlayoffSlots(slotsText);
        if (!parsed) {
            return fail(slotsPath, parsed.failure());
        }
        slots = std::move(parsed.value());
    }
    auto schedule = buildSchedule(games.value(), slots, eras.value(),
                                  options.values.count("--title") ? options.values["--title"] : "");
    if (!schedule) {
        return fail(gamesPath, schedule.failure());
    }
    std::filesystem::path out = options.outDir;
    auto lock = lockForWriting("build-schedule", out);
    if (!lock) {
        return 1;
    }
    removeStaleTemporaryFiles(out, isProgramFileName);
    bool written =
        write(out / kStructureFileName, leagueStructureText(history.value().structure)) &&
        write(out / kNamesFileName, compressed(namesRecords(history.value().names))) &&
        write(out / kScheduleFileName, compressed(scheduleRecords(schedule.value())));
    return written ? 0 : 1;
}

} // namespace grd::tool
