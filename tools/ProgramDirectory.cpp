#include "tools/ProgramDirectory.h"

#include "league/Messages.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"

#include <cstdio>

namespace grd::tool {

void printFailure(const char* command, const std::string& what, const Failure& failure) {
    std::fprintf(stderr, "grdtool %s: %s:", command, what.c_str());
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

bool loadProgramDirectory(const char* command, AppState& app,
                          std::vector<std::string>* abbreviations) {
    if (auto failures = LoadLeagueStructure(app.programDir, app.league); !failures.empty()) {
        printFailure(command, kStructureFileName, failures.front());
        return false;
    }
    app.schedule = std::make_unique<tSchedule70>();
    if (auto loaded = LoadSchedule(app.programDir, *app.schedule, app.league); !loaded) {
        printFailure(command, kScheduleFileName, loaded.failure());
        return false;
    }
    if (auto loaded =
            LoadNames(app.programDir, app.schedule->namesFileName, app.league, abbreviations);
        !loaded) {
        printFailure(command, app.schedule->namesFileName, loaded.failure());
        return false;
    }
    return true;
}

} // namespace grd::tool
