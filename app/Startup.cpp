#include "app/Startup.h"

#include "files/AtomicFile.h"
#include "files/DirectoryLock.h"
#include "league/FileNames.h"
#include "league/LeagueLookups.h"
#include "league/NamesFile.h"
#include "league/RevertCopy.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "prefs/HelpMap.h"
#include "state/CompanionLibrary.h"
#include "state/MainDataVersion.h"

#include <filesystem>

namespace grd {

namespace {

std::string existingPath(const std::string& dir, std::string_view name) {
    return findFileIgnoringCase(dir, name).string();
}

void loadPreferences(AppState& state, bool usMeasurement, StartupOutcome& outcome) {
    auto loaded =
        LoadPreferences(findFileIgnoringCase(state.programDir, kConfigFileName), usMeasurement);
    state.prefs = std::move(loaded.prefs);
    if (loaded.failure)
        outcome.failures.push_back(*loaded.failure);
}

bool loadLeague(AppState& state, StartupOutcome& outcome) {
    auto failures = LoadLeagueStructure(state.programDir, state.league);
    outcome.failures.insert(outcome.failures.end(), failures.begin(), failures.end());
    return failures.empty();
}

bool loadSchedule(AppState& state, StartupOutcome& outcome) {
    if (state.schedule && state.schedule->loaded)
        return true;
    state.schedule = std::make_unique<tSchedule70>();
    auto loaded = LoadSchedule(state.programDir, *state.schedule, state.league);
    if (loaded && state.schedule->loaded)
        return true;
    if (!loaded)
        outcome.failures.push_back(loaded.failure());
    outcome.failures.push_back(
        {-5, cannotFunctionDetail(existingPath(state.programDir, kScheduleFileName))});
    return false;
}

bool loadNames(AppState& state, StartupOutcome& outcome) {
    const std::string& namesFile = state.schedule->namesFileName;
    auto loaded = LoadNames(state.programDir, namesFile, state.league);
    if (loaded)
        loaded = CheckNamesCoverSeason(state.league, state.schedule->teamCount,
                                       existingPath(state.programDir, namesFile));
    if (loaded)
        return true;
    outcome.failures.push_back(loaded.failure());
    outcome.failures.push_back(
        {-3, cannotFunctionDetail(existingPath(state.programDir, namesFile))});
    return false;
}

void resetProgramState(ProgramState& program) {
    program.clearFlags();
    program.currentWeek = kNoWeek;
    program.spreads.assign(5, 0.0);
    program.spreads[1] = kNoSpread;
}

// The help bundle of the data directory (a build tree or a portable copy), else
// the shipped one of an installed program.
void findHelp(AppState& state, StartupOutcome& outcome) {
    auto bundle = std::filesystem::path(state.programDir) / HelpMap::kBundleName;
    auto map = HelpMap::load(bundle);
    if (!map && !state.shippedDir.empty() && state.shippedDir != state.programDir) {
        auto shipped = std::filesystem::path(state.shippedDir) / HelpMap::kBundleName;
        if (auto found = HelpMap::load(shipped)) {
            bundle = shipped;
            map = std::move(found);
        }
    }
    state.helpStatus = map ? 0 : map.failure().number;
    state.helpBundle = map ? bundle.string() : std::string();
    if (!map)
        outcome.failures.push_back(map.failure());
}

// False when the user would rather quit than read what another process writes.
bool takeWriterLock(AppState& state, StartupHost& host) {
    auto lock = std::make_unique<DirectoryLock>(state.programDir, "Oddsmith");
    state.readOnly = lock->state() == DirectoryLock::State::Taken ||
                     lock->state() == DirectoryLock::State::Blocked;
    if (state.readOnly)
        return host.openReadOnly(state.programDir, lock->whyNotWritable());
    state.writerLock = std::move(lock);
    return true;
}

} // namespace

StartupOutcome runStartup(AppState& state, StartupHost& host, bool usMeasurement) {
    StartupOutcome outcome;
    state.startupFailed = false;
    if (!takeWriterLock(state, host)) {
        state.startupFailed = true;
        outcome.quit = true;
        return outcome;
    }
    // Saves stopped by a crash or a kill leave their temporary files behind.
    if (!state.readOnly) {
        removeStaleTemporaryFiles(state.programDir, isProgramFileName);
    }
    loadPreferences(state, usMeasurement, outcome);

    if (auto bound = host.bindCompanion(); !bound) {
        state.startupFailed = true;
        outcome.failures.push_back(bound.failure());
        return outcome;
    }
    host.showSplash();
    outcome.splashShown = true;

    if (!loadLeague(state, outcome) || !loadSchedule(state, outcome) ||
        !loadNames(state, outcome)) {
        state.startupFailed = true;
        return outcome;
    }
    sortNameCodes(state.league);
    host.handOverLeague(state.league);

    resetProgramState(state.program);
    // Taken before the revert copy reads the file: a change after it is caught.
    noteMainDataOnDisk(state);
    // A read-only run keeps its hands off the writer's revert copy too.
    state.revertAvailable = !state.readOnly && MakeRevertCopy(state.programDir);
    findHelp(state, outcome);
    return outcome;
}

} // namespace grd
