#pragma once

// A program directory of the 2024 season standing before week 1, made by grdtool,
// and its league, schedule and names loaded as start-up loads them.

#include "TestConfig.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "state/AppState.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <memory>
#include <sstream>
#include <string>

namespace grd::test {

inline const std::string kGames2024 = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";

// False when grdtool or a loader failed.
inline bool makeSeasonStart(const TempDir& dir, AppState& app) {
    const std::string path = dir.path().string();
    if (runTool(std::string("build-schedule --teams ") + ODDSMITH_DATA_DIR + "teams.csv --games " +
                kGames2024 + " " + path)
                .status != 0 ||
        runTool("init " + path + " --average").status != 0) {
        return false;
    }
    app.programDir = dir.dir();
    app.schedule = std::make_unique<tSchedule70>();
    return LoadLeagueStructure(app.programDir, app.league).empty() &&
           LoadSchedule(app.programDir, *app.schedule, app.league).ok() &&
           LoadNames(app.programDir, app.schedule->namesFileName, app.league).ok();
}

// Records in the public layout, every game with the same market line.
inline std::string recordsWithLines(const std::string& line, const std::string& file = kGames2024) {
    std::istringstream records(readFile(file));
    std::string text;
    for (std::string row; std::getline(records, row);) {
        text += row + (text.empty() ? ",spread_line\n" : "," + line + "\n");
    }
    return text;
}

// The 2024 records with week 2's first game turned round: BUF at MIA becomes MIA at
// BUF, which the schedule does not hold.
inline std::string recordsWithMismatchInWeek2() {
    std::string text = readFile(kGames2024);
    const std::string game = "2024,REG,2,2024-09-12,Thursday,20:15,BUF,31,MIA,10,";
    text.replace(text.find(game), game.size(),
                 "2024,REG,2,2024-09-12,Thursday,20:15,MIA,10,BUF,31,");
    return text;
}

} // namespace grd::test
