#pragma once

#include "app/StartupHost.h"
#include "files/Failure.h"
#include "state/AppState.h"

#include <vector>

namespace grd {

// What start-up leaves for the main window to show and act on.
struct StartupOutcome {
    std::vector<Failure> failures; // in the order the user is told of them
    bool splashShown = false;      // the splash timer must close it
    bool quit = false;             // the user chose to quit rather than read only
};

// Runs the start-up steps on state.programDir, which must end in "/": the writers'
// lock of the data directory (held until shutdown; when another process holds it the
// host chooses read-only, which writes nothing, or quit), preferences,
// companion library, splash screen, league structure, schedule, names, the library's
// share of the league, the reset of the program state, the revert copy and the help
// bundle. A failure that leaves the program unusable sets state.startupFailed and
// ends the sequence; a missing help bundle only sets state.helpStatus.
StartupOutcome runStartup(AppState& state, StartupHost& host, bool usMeasurement);

} // namespace grd
