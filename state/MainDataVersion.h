#pragma once

#include "files/Failure.h"
#include "state/AppState.h"

#include <optional>

namespace grd {

// Why the main data file of app's directory may not be written now (-21 naming the
// file): the directory is open read-only, or another program changed the file since
// this one last read or wrote it, so a save would lose what that program wrote.
std::optional<Failure> mainDataWriteRefusal(const AppState& app);

// Records the main data file as it stands, once this program has read or written it.
void noteMainDataOnDisk(AppState& app);

} // namespace grd
