#include "tools/ToolArgs.h"

#include <cstdio>

namespace grd::tool {

bool wantsHelp(const Args& args) {
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

int usageError(const char* command, const std::string& problem, const char* help) {
    std::fprintf(stderr, "grdtool %s: %s\n\n%s", command, problem.c_str(), help);
    return 2;
}

} // namespace grd::tool
