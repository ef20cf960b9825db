#pragma once

// Program directories of real seasons replayed by grdtool through a week, loaded as
// start-up loads them.

#include "TestConfig.h"
#include "outlook/OutlookSeason.h"
#include "state/AppState.h"
#include "state/ProgramData.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <string>

namespace grd::test {

// False when grdtool or a loader failed. through 0 leaves the season before week 1.
inline bool makeReplayedSeason(const TempDir& dir, int year, int through, AppState& app) {
    const std::string data = ODDSMITH_DATA_DIR;
    const std::string games = data + "games-" + std::to_string(year) + ".csv";
    const std::string slots = year == 2025 ? " --slots " + data + "postseason-2025.csv" : "";
    const std::string path = dir.path().string();
    if (runTool("build-schedule --teams " + data + "teams.csv --games " + games + slots + " " +
                path)
                .status != 0 ||
        runTool("init " + path + " --average").status != 0 ||
        (through > 0 &&
         runTool("replay " + path + " " + games + " --through " + std::to_string(through)).status !=
             0)) {
        return false;
    }
    app.programDir = dir.dir();
    return !loadProgramData(app).has_value();
}

// The outlook of such a season; an empty season when it fails.
inline OutlookSeason replayedOutlook(const TempDir& dir, int year, int through) {
    AppState app;
    if (!makeReplayedSeason(dir, year, through, app)) {
        return {};
    }
    auto season = readOutlookSeason(app.programDir, app.league, *app.schedule);
    return season ? std::move(season.value()) : OutlookSeason{};
}

} // namespace grd::test
