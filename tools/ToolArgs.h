#pragma once

#include "tools/Commands.h"

#include <optional>
#include <string>

namespace grd::tool {

// True when the words ask for a command's help.
bool wantsHelp(const Args& args);

// Reports a wrong call: the problem, then the command's help; exit code 2.
int usageError(const char* command, const std::string& problem, const char* help);

// The data directory Oddsmith itself would use, for commands given none; after a
// message on standard error, nothing.
std::optional<std::string> defaultDataDirectory(const char* command);

} // namespace grd::tool
