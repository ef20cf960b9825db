#pragma once

#include "files/Failure.h"
#include "state/AppState.h"

#include <optional>

namespace grd {

// File | Replace Main Data File: makes the loaded archive the main data file.
// Why the loaded data cannot replace the main data file: -50 when it is the main
// data file itself (in any letter case), -51 with its name when its team count is
// not the schedule's.
std::optional<Failure> replaceRefusal(const AppState& state);

// Writes the loaded archive as the main data file (its rankings, its forecasts and
// its week); the archive stays loaded. A failure (-22), or a main data file another
// program changed (-21), leaves the file as it was.
Status ReplaceMainData(AppState& state);

} // namespace grd
