#include "accuracy/RatingsHistory.h"
#include "accuracy/SeasonAccuracy.h"
#include "accuracy/SeasonArchives.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "league/tSchedule70.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path kBuildDir = fs::read_symlink("/proc/self/exe").parent_path().parent_path();

// A directory removed with everything in it when the program ends.
struct ScratchDir {
    fs::path path;
    ~ScratchDir() {
        if (!path.empty()) {
            fs::remove_all(path);
        }
    }
};

// The 2024 season replayed from its records by grdtool, made once: 23 archives.
const fs::path& replayedSeason() {
    static const ScratchDir dir{[] {
        fs::path made =
            fs::temp_directory_path() / ("oddsmith-accuracy-" + std::to_string(getpid()));
        fs::create_directories(made);
        const auto tool = (kBuildDir / "program" / "grdtool").string();
        const auto data = kBuildDir.parent_path() / "data";
        const auto games = (data / "games-2024.csv").string();
        std::string command = tool + " build-schedule --teams " + (data / "teams.csv").string() +
                              " --games " + games + " " + made.string() + " >/dev/null && " + tool +
                              " init " + made.string() + " --average >/dev/null && " + tool +
                              " replay " + made.string() + " " + games + " >/dev/null";
        if (std::system(command.c_str()) != 0) {
            fs::remove_all(made);
            made.clear();
        }
        return made;
    }()};
    return dir.path;
}

// The league of the replayed season in dir; false when there is none.
bool loadSeason(const std::string& dir, grd::LeagueStructure& league) {
    grd::tSchedule70 schedule;
    return !replayedSeason().empty() && grd::LoadLeagueStructure(dir, league).empty() &&
           grd::LoadSchedule(dir, schedule, league).ok();
}

// What the accuracy window does on opening: every archive of the season read and
// each week's forecasts paired with the next week's scores.
void BM_SeasonAccuracy(benchmark::State& state) {
    grd::LeagueStructure league;
    const auto dir = replayedSeason().string() + "/";
    if (!loadSeason(dir, league)) {
        state.SkipWithError("cannot make the replayed 2024 season with grdtool");
        return;
    }
    for (auto _ : state) {
        auto archives = grd::readSeasonArchives(dir, league.seasonSuffix, league);
        if (!archives || archives.value().size() != 23) {
            state.SkipWithError("the season does not have 23 archives");
            break;
        }
        auto season = grd::seasonAccuracy(archives.value(), league.regularWeekCount());
        benchmark::DoNotOptimize(season);
    }
}
BENCHMARK(BM_SeasonAccuracy)->Unit(benchmark::kMillisecond);

// The data the ratings chart opens on: the archives read, the six highest Totals
// chosen and their series made.
void BM_RatingsChartData(benchmark::State& state) {
    grd::LeagueStructure league;
    const auto dir = replayedSeason().string() + "/";
    if (!loadSeason(dir, league)) {
        state.SkipWithError("cannot make the replayed 2024 season with grdtool");
        return;
    }
    for (auto _ : state) {
        auto archives = grd::readSeasonArchives(dir, league.seasonSuffix, league);
        size_t points = 0;
        for (int32_t team : grd::highestTotals(archives.value(), 6)) {
            points += grd::ratingHistory(archives.value(), team, grd::RatingKind::Total,
                                         league.regularWeekCount())
                          .size();
        }
        if (points != 6 * 23) {
            state.SkipWithError("the chart's series do not have 23 points each");
            break;
        }
    }
}
BENCHMARK(BM_RatingsChartData)->Unit(benchmark::kMillisecond);

} // namespace
