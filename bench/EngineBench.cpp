#include "league/RankingsFile.h"
#include "league/ScorePosting.h"
#include "league/SpreadForecast.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace grd;

constexpr int32_t kTeams = 32;

LeagueStructure benchLeague() {
    LeagueStructure league;
    league.alignments.resize(1);
    league.alignments[0].teamCount = kTeams;
    league.activeAlignment = 0;
    league.weekGameCounts = {17};
    league.seasonLabel = "2025-26";
    league.seasonSuffix = ".25";
    return league;
}

// A main data file of a mid-season league in a directory of its own.
class MainDataOnDisk {
public:
    MainDataOnDisk()
        : dir_(std::filesystem::temp_directory_path() /
               ("oddsmith-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir_);
        tRankings rankings;
        rankings.resize(kTeams);
        for (int32_t team = 1; team <= kTeams; ++team) {
            TeamStats& stats = rankings.teams[static_cast<size_t>(team)];
            stats.total = 90.0 + team * 0.7;
            stats.offense = 95.0 + team * 0.3;
            stats.defense = 105.0 - team * 0.3;
            stats.pointsFor = static_cast<int16_t>(150 + team);
            stats.pointsAgainst = static_cast<int16_t>(180 - team);
            stats.wins = static_cast<int16_t>(team % 8);
            stats.losses = static_cast<int16_t>(8 - team % 8);
        }
        ProgramState state;
        state.currentWeek = 9;
        LeagueStructure league = benchLeague();
        if (!WriteRankings(kMainDataKind, file(), rankings, state, league, kTeams).ok()) {
            throw std::runtime_error("cannot write the benchmark's main data file");
        }
    }
    ~MainDataOnDisk() { std::filesystem::remove_all(dir_); }
    std::filesystem::path file() const { return dir_ / kMainDataFileName; }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

void fillWeek(ProgramState& state) {
    state.prepareWeekLists(kTeams);
    for (size_t k = 1; k <= kTeams / 2; ++k) {
        state.scoreTeams[2 * k - 1] = static_cast<int32_t>(2 * k - 1);
        state.scoreTeams[2 * k] = static_cast<int32_t>(2 * k);
        state.scores[2 * k - 1] = static_cast<int32_t>(10 + k);
        state.scores[2 * k] = static_cast<int32_t>(30 - k);
        state.forecastPairs[2 * k - 1] = static_cast<int32_t>(kTeams + 1 - k);
        state.forecastPairs[2 * k] = static_cast<int32_t>(k);
    }
    state.scoreGameCount = kTeams / 2;
    state.forecastGameCount = kTeams / 2;
}

// One week in memory: read the main data file, post 16 games, forecast 16, and make
// the texts of the main data and archive files.
void BM_WeekInMemory(benchmark::State& bench) {
    MainDataOnDisk disk;
    LeagueStructure league = benchLeague();
    for (auto _ : bench) {
        tRankings rankings;
        ProgramState state;
        if (!ReadRankings(disk.file(), kMainDataKind, rankings, state, league).ok()) {
            bench.SkipWithError("read failed");
            break;
        }
        fillWeek(state);
        PostWeekScores(rankings, state);
        ForecastScheduledGames(rankings, state);
        std::string main = FormatRankings(kMainDataKind, rankings, state, league, kTeams);
        std::string archive = FormatRankings(kArchiveKind, rankings, state, league, kTeams);
        benchmark::DoNotOptimize(main.data());
        benchmark::DoNotOptimize(archive.data());
    }
}
BENCHMARK(BM_WeekInMemory)->Unit(benchmark::kMicrosecond);

// The durable save of both files: each is flushed to the disk before its rename.
void BM_SaveWeekDurably(benchmark::State& bench) {
    MainDataOnDisk disk;
    LeagueStructure league = benchLeague();
    tRankings rankings;
    ProgramState state;
    if (!ReadRankings(disk.file(), kMainDataKind, rankings, state, league).ok()) {
        bench.SkipWithError("read failed");
        return;
    }
    fillWeek(state);
    PostWeekScores(rankings, state);
    ForecastScheduledGames(rankings, state);
    for (auto _ : bench) {
        bool saved =
            WriteRankings(kMainDataKind, disk.file(), rankings, state, league, kTeams).ok() &&
            WriteRankings(kArchiveKind, disk.dir() / "WEEK-08.25", rankings, state, league, kTeams)
                .ok();
        if (!saved) {
            bench.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveWeekDurably)->Unit(benchmark::kMillisecond);

} // namespace
