#pragma once

#include "app/StartupHost.h"
#include "files/Failure.h"
#include "state/AppState.h"

namespace grd {

// The shutdown steps that need no window: unloads the companion library, frees the
// league model, the schedule and the game lists, saves the preferences and deletes
// the revert copy (a read-only run writes neither), then releases the writers' lock.
// Returns the preferences' save result; every step runs regardless.
Status runShutdown(AppState& state, StartupHost& host);

} // namespace grd
