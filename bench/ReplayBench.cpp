#include "files/AtomicFile.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "state/AppState.h"
#include "tasks/SeasonReplay.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path kBuildDir = fs::read_symlink("/proc/self/exe").parent_path().parent_path();
// Build directories live in the source tree, beside data/.
const fs::path kGames2024 = kBuildDir.parent_path() / "data" / "games-2024.csv";

// A directory the benchmark made, removed when the program ends.
struct MadeDirectory {
    fs::path path;
    ~MadeDirectory() {
        if (!path.empty())
            fs::remove_all(path);
    }
};

// A program directory of the 2024 season standing before week 1, made once by grdtool.
const fs::path& seasonStart() {
    static const MadeDirectory dir{[] {
        fs::path made = fs::temp_directory_path() / ("oddsmith-replay-" + std::to_string(getpid()));
        fs::create_directories(made);
        const auto tool = (kBuildDir / "program" / "grdtool").string();
        const auto data = kBuildDir.parent_path() / "data";
        std::string command = tool + " build-schedule --teams " + (data / "teams.csv").string() +
                              " --games " + kGames2024.string() + " " + made.string() + " && " +
                              tool + " init " + made.string() + " --average";
        if (std::system(command.c_str()) != 0) {
            fs::remove_all(made);
            made.clear();
        }
        return made;
    }()};
    return dir.path;
}

// The 2024 season standing before week 1 in a folder that also holds the weekly
// archives of the 50 seasons before it, as a long-kept program directory does.
const fs::path& seasonStartAmongFiftySeasons() {
    static const MadeDirectory dir{[] {
        if (seasonStart().empty())
            return fs::path();
        fs::path made = seasonStart().string() + "-50";
        fs::copy(seasonStart(), made);
        for (int season = 1974; season < 2024; ++season) {
            for (int week = 1; week <= 22; ++week) {
                char name[16];
                std::snprintf(name, sizeof name, "WEEK-%02d.%02d", week, season % 100);
                std::ofstream(made / name) << "archive";
            }
        }
        return made;
    }()};
    return dir.path;
}

// The whole 2024 season replayed from its records, as `grdtool replay` does it after
// start-up: 23 weekly tasks, each reading the main data file and writing it and the
// week's archive. Under base (a directory on disk) every write is flushed to the disk;
// under /dev/shm the flushes cost nothing, which leaves the computing.
void replayIn(benchmark::State& state, const fs::path& base,
              const fs::path& start = seasonStart()) {
    if (start.empty()) {
        state.SkipWithError("cannot make the 2024 program directory with grdtool");
        return;
    }
    std::string records;
    grd::readWholeFile(kGames2024, records);
    auto games = grd::parseGameRecords(records);
    const fs::path dir = base / ("oddsmith-replay-run-" + std::to_string(getpid()));
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir);
        fs::copy(start, dir);
        state.ResumeTiming();
        grd::AppState app;
        app.programDir = dir.string() + "/";
        std::vector<std::string> abbreviations;
        app.schedule = std::make_unique<grd::tSchedule70>();
        bool loaded =
            grd::LoadLeagueStructure(app.programDir, app.league).empty() &&
            grd::LoadSchedule(app.programDir, *app.schedule, app.league).ok() &&
            grd::LoadNames(app.programDir, app.schedule->namesFileName, app.league, &abbreviations)
                .ok();
        auto weeks = loaded ? grd::replaySeason(app, games.value(), abbreviations, std::nullopt,
                                                [](const grd::ReplayedWeek&) { return true; })
                            : grd::Result<int>(grd::Failure{0, "load"});
        if (!weeks || weeks.value() != 23) {
            state.SkipWithError("the replay did not run 23 weekly tasks");
            break;
        }
    }
    fs::remove_all(dir);
}

void BM_ReplaySeasonDurable(benchmark::State& state) {
    replayIn(state, fs::temp_directory_path());
}
BENCHMARK(BM_ReplaySeasonDurable)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ReplaySeasonComputing(benchmark::State& state) {
    replayIn(state, "/dev/shm");
}
BENCHMARK(BM_ReplaySeasonComputing)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReplaySeasonAmongFiftySeasons(benchmark::State& state) {
    replayIn(state, "/dev/shm", seasonStartAmongFiftySeasons());
}
BENCHMARK(BM_ReplaySeasonAmongFiftySeasons)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
