#pragma once

#include "files/Failure.h"
#include "state/AppState.h"

#include <optional>
#include <string>
#include <vector>

namespace grd {

// A failure to load one of the program directory's files, and that file's name.
struct ProgramDataFailure {
    std::string file;
    Failure failure;
};

// Loads the league model, the schedule and the names of app.programDir as start-up
// does, and, when asked, the names file's abbreviations; the first failure stops it.
std::optional<ProgramDataFailure>
loadProgramData(AppState& app, std::vector<std::string>* abbreviations = nullptr);

} // namespace grd
