#include "tools/ProgramDirectory.h"

#include "league/Messages.h"
#include "state/DataDirectory.h"
#include "state/ProgramData.h"

#include <cstdio>

namespace grd::tool {

void printFailure(const char* command, const std::string& what, const Failure& failure) {
    std::fprintf(stderr, "grdtool %s:", command);
    if (!what.empty()) {
        std::fprintf(stderr, " %s:", what.c_str());
    }
    if (failure.number != 0) {
        std::fprintf(stderr, " error %d: %s\n", failure.number,
                     errorText(failure.number, failure.detail).c_str());
    } else {
        std::fprintf(stderr, " %s\n", failure.detail.c_str());
    }
}

std::string programDirectory(const std::string& dir) {
    return dir.empty() || dir.back() == '/' ? dir : dir + "/";
}

std::optional<std::string> defaultDataDirectory(const char* command) {
    const DataDirectoryChoice choice =
        chooseDataDirectory(requestFromEnvironment(std::nullopt, runningProgramDirectory()));
    if (!choice.ok()) {
        std::fprintf(stderr, "grdtool %s: %s\n", command, choice.problem.c_str());
        return std::nullopt;
    }
    return choice.paths.dataDir;
}

bool chooseProgramDirectory(const char* command, const std::string& dir, AppState& app) {
    if (!dir.empty()) {
        app.programDir = dir;
        return true;
    }
    auto chosen = defaultDataDirectory(command);
    if (chosen) {
        app.programDir = *chosen;
    }
    return chosen.has_value();
}

bool loadProgramDirectory(const char* command, AppState& app,
                          std::vector<std::string>* abbreviations) {
    if (auto failed = loadProgramData(app, abbreviations)) {
        printFailure(command, failed->file, failed->failure);
        return false;
    }
    return true;
}

} // namespace grd::tool
