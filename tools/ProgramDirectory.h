#pragma once

#include "files/Failure.h"
#include "state/AppState.h"

#include <string>
#include <vector>

namespace grd::tool {

// "grdtool COMMAND: WHAT: error N: detail" on standard error.
void printFailure(const char* command, const char* what, const Failure& failure);

// The league model, schedule and names of program directory dir, as start-up loads
// them, and the names file's abbreviations, by which game records name the teams.
// Failures are printed for command.
bool loadProgramDirectory(const char* command, const std::string& dir, AppState& app,
                          std::vector<std::string>& abbreviations);

} // namespace grd::tool
