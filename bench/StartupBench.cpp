#include "app/Startup.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The library's share of start-up is a dlopen into a process that has Qt loaded
// already; it is left out so the figure is the program's own work.
class QuietHost : public grd::StartupHost {
public:
    grd::Status bindCompanion() override { return grd::Ok{}; }
    void showSplash() override {}
    void handOverLeague(const grd::LeagueStructure&) override {}
    void unloadCompanion() override {}
};

// A copy of the built program directory (shipped data and help bundle), so the
// revert copy start-up makes does not land in the real one.
fs::path copyOfProgramDir() {
    const fs::path program =
        fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "program";
    const fs::path copy =
        fs::temp_directory_path() / ("oddsmith-bench-" + std::to_string(getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    for (const char* name :
         {"GRDStructure.txt", "GRDSchedule.ccs", "GRDNames.ccn", "MAIN-DTA.GRD", "GRDOdds.help"})
        if (fs::exists(program / name))
            fs::copy(program / name, copy / name, fs::copy_options::recursive);
    return copy;
}

// Start-up to the ready state on the shipped data, splash timer aside.
void BM_StartupOnShippedData(benchmark::State& state) {
    const fs::path dir = copyOfProgramDir();
    QuietHost host;
    for (auto _ : state) {
        grd::AppState app;
        app.programDir = dir.string() + "/";
        auto outcome = grd::runStartup(app, host, false);
        if (app.startupFailed || !outcome.failures.empty())
            state.SkipWithError("start-up failed on the shipped data");
        benchmark::DoNotOptimize(app);
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_StartupOnShippedData)->Unit(benchmark::kMillisecond);

} // namespace
