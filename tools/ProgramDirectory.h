#pragma once

#include "files/Failure.h"
#include "state/AppState.h"

#include <optional>
#include <string>
#include <vector>

namespace grd::tool {

// Prints "grdtool COMMAND: WHAT: error N: " and the failure as the error dialog words
// it, to standard error; without WHAT when it is empty.
void printFailure(const char* command, const std::string& what, const Failure& failure);

// The program directory as a directory name ending in "/".
std::string programDirectory(const std::string& dir);

// The data directory Oddsmith itself would use, for commands given none; after a
// message on standard error, nothing.
std::optional<std::string> defaultDataDirectory(const char* command);

// Sets app.programDir to dir, or to the data directory Oddsmith itself would use when
// dir is empty; false after a message on standard error when there is none.
bool chooseProgramDirectory(const char* command, const std::string& dir, AppState& app);

// Loads the league model, schedule and names of app.programDir as start-up does, and,
// when asked, the names file's abbreviations; reports the first failure.
bool loadProgramDirectory(const char* command, AppState& app,
                          std::vector<std::string>* abbreviations = nullptr);

} // namespace grd::tool
