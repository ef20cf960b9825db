#pragma once

// The six-team league of the display window tests: its structure file, main data and
// archives under tests/fixtures/views/, its names and three-week schedule made here.

#include "TestConfig.h"
#include "league/DayCount.h"
#include "league/LeagueLookups.h"
#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/RankingsFile.h"
#include "league/StructureLoader.h"
#include "league/tRankings.h"
#include "league/tSchedule70.h"

#include <stdexcept>
#include <string>

namespace grd::test {

inline const std::string kViewsFixtureDir = ODDSMITH_FIXTURE_DIR "views/";

inline LeagueStructure viewsLeague() {
    LeagueStructure league;
    if (!LoadLeagueStructure(kViewsFixtureDir, league).empty()) {
        throw std::runtime_error("fixture structure file unreadable");
    }
    // Name index = name code; team t has code t + 2.
    league.cityNames = {"",         "",       "",          "Buffalo",      "Miami",
                        "New York", "Dallas", "Green Bay", "San Francisco"};
    league.teamNames = {"", "", "", "Bills", "Dolphins", "Jets", "Cowboys", "Packers", "49ers"};
    for (int32_t code = 0; code < static_cast<int32_t>(league.cityNames.size()); ++code) {
        league.nameCodes.push_back({code, code});
    }
    sortNameCodes(league);
    league.weekGameCounts = {3, 3, 3, 2};
    league.seasonLabel = "2025-26";
    league.seasonSuffix = ".25";
    league.activeAlignment = 0;
    return league;
}

inline ScheduledGame game(int32_t visitor, int32_t home, int month, int day, int hour, int minute,
                          int32_t flags = 0) {
    const int year = month < 8 ? 2026 : 2025;
    return {visitor, home, flags, dayCountOf({year, month, day, hour, minute})};
}

inline tSchedule70 viewsSchedule() {
    tSchedule70 schedule;
    schedule.title = "2025 Fixture Schedule";
    schedule.roundHeadings = {"Super Bowl", "", "", "", ""};
    schedule.games = {// Week 1: Thursday night, then Sunday at 17:59 and at 18:00.
                      game(4, 3, 9, 4, 20, 20), game(6, 5, 9, 7, 17, 59), game(8, 7, 9, 7, 18, 0),
                      // Week 2: a time to be announced and Monday night.
                      game(3, 5, 9, 14, 13, 0), game(7, 4, 9, 14, 16, 25, kKickoffToBeAnnounced),
                      game(6, 8, 9, 15, 20, 15),
                      // Week 3: Green Bay and San Francisco have their bye.
                      game(3, 4, 9, 21, 13, 0), game(5, 6, 9, 21, 20, 20),
                      // The playoffs.
                      game(8, 3, 2, 8, 18, 30, kSectionFlags[0])};
    schedule.teamCount = 6;
    schedule.gamesPerWeek = 3;
    schedule.loaded = true;
    return schedule;
}

// Reads a fixture data file; throws when it does not read.
inline void readViewsFixture(const std::string& name, int32_t kind, tRankings& rankings,
                             ProgramState& state, LeagueStructure& league) {
    if (!ReadRankings(kViewsFixtureDir + name, kind, rankings, state, league)) {
        throw std::runtime_error("fixture " + name + " unreadable");
    }
}

} // namespace grd::test
