#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "outlook/OutlookSeason.h"
#include "outlook/SeasonOdds.h"
#include "outlook/Standings.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path kBuildDir = fs::read_symlink("/proc/self/exe").parent_path().parent_path();

// The 2025 season replayed by grdtool through a week, made once per week and removed
// when the program ends.
struct ReplayedSeasons {
    std::map<int, grd::OutlookSeason> seasons;
    std::vector<fs::path> dirs;
    ~ReplayedSeasons() {
        for (const auto& dir : dirs) {
            fs::remove_all(dir);
        }
    }

    const grd::OutlookSeason* through(int week) {
        if (auto found = seasons.find(week); found != seasons.end()) {
            return &found->second;
        }
        fs::path dir = fs::temp_directory_path() / ("oddsmith-outlook-" + std::to_string(getpid()) +
                                                    "-" + std::to_string(week));
        fs::create_directories(dir);
        dirs.push_back(dir);
        const auto tool = (kBuildDir / "program" / "grdtool").string();
        const auto data = kBuildDir.parent_path() / "data";
        const auto games = (data / "games-2025.csv").string();
        std::string command = tool + " build-schedule --teams " + (data / "teams.csv").string() +
                              " --games " + games + " --slots " +
                              (data / "postseason-2025.csv").string() + " " + dir.string() +
                              " >/dev/null && " + tool + " init " + dir.string() +
                              " --average >/dev/null && " + tool + " replay " + dir.string() + " " +
                              games + " --through " + std::to_string(week) + " >/dev/null";
        grd::LeagueStructure league;
        grd::tSchedule70 schedule;
        std::string path = dir.string() + "/";
        if (std::system(command.c_str()) != 0 || !grd::LoadLeagueStructure(path, league).empty() ||
            !grd::LoadSchedule(path, schedule, league) ||
            !grd::LoadNames(path, schedule.namesFileName, league)) {
            return nullptr;
        }
        auto season = grd::readOutlookSeason(path, league, schedule);
        return season ? &seasons.emplace(week, std::move(season.value())).first->second : nullptr;
    }
};

ReplayedSeasons& replayed() {
    static ReplayedSeasons seasons;
    return seasons;
}

// The standings if the season ended today, with every tie broken.
void BM_OutlookStandings(benchmark::State& state) {
    const auto* season = replayed().through(static_cast<int>(state.range(0)));
    if (season == nullptr) {
        state.SkipWithError("grdtool could not replay the season");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(grd::standingsOf(season->played, season->shape, 1));
    }
}
BENCHMARK(BM_OutlookStandings)->Arg(9)->Unit(benchmark::kMicrosecond);

// Simulated seasons on every core: weeks replayed, then runs.
void BM_OutlookSimulation(benchmark::State& state) {
    const auto* season = replayed().through(static_cast<int>(state.range(0)));
    if (season == nullptr) {
        state.SkipWithError("grdtool could not replay the season");
        return;
    }
    for (auto _ : state) {
        grd::SimulationControl control;
        control.runs = static_cast<int>(state.range(1));
        benchmark::DoNotOptimize(grd::simulateSeason(*season, control));
    }
    state.counters["games_left"] = static_cast<double>(season->remaining.size());
}
BENCHMARK(BM_OutlookSimulation)
    ->Args({9, 10000})
    ->Args({9, 100000})
    ->Args({4, 100000})
    ->Args({14, 100000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
