#include "prefs/Preferences.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A full configuration file (every preference key, as the program writes it) read and
// written back, as start-up and shut-down do; under /dev/shm, so the figure is the
// parsing and editing rather than the disk.
void BM_PreferencesLoadAndSave(benchmark::State& state) {
    const fs::path dir = fs::path("/dev/shm") / ("oddsmith-prefs-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / grd::kConfigFileName;
    if (!grd::SavePreferences(file, grd::LoadPreferences(file, false).prefs)) {
        state.SkipWithError("cannot write the configuration file");
        return;
    }
    for (auto _ : state) {
        grd::LoadedPreferences loaded = grd::LoadPreferences(file, false);
        if (loaded.failure || !grd::SavePreferences(file, loaded.prefs)) {
            state.SkipWithError("the configuration file did not read and save");
            break;
        }
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_PreferencesLoadAndSave)->Unit(benchmark::kMicrosecond);

} // namespace
