#pragma once

#include "tools/Commands.h"

#include <string>

namespace grd::tool {

// True when the words ask for a command's help.
bool wantsHelp(const Args& args);

// Reports a wrong call: the problem, then the command's help; exit code 2.
int usageError(const char* command, const std::string& problem, const char* help);

} // namespace grd::tool
