#include "app/Shutdown.h"

#include "league/FileNames.h"
#include "league/RevertCopy.h"

namespace grd {

Status runShutdown(AppState& state, StartupHost& host) {
    host.unloadCompanion();
    state.league = LeagueStructure{};
    state.schedule.reset();
    state.program = ProgramState{};

    // Without a program directory start-up never found where the files live.
    if (state.programDir.empty())
        return Ok{};
    // The revert copy and the preferences of a read-only run are the writer's.
    Status saved = Ok{};
    if (!state.readOnly) {
        saved =
            SavePreferences(findFileIgnoringCase(state.programDir, kConfigFileName), state.prefs);
        DeleteRevertCopy(state.programDir);
    }
    state.writerLock.reset();
    state.programDir.clear();
    return saved;
}

} // namespace grd
