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
    Status saved =
        SavePreferences(findFileIgnoringCase(state.programDir, kConfigFileName), state.prefs);
    DeleteRevertCopy(state.programDir);
    state.programDir.clear();
    return saved;
}

} // namespace grd
