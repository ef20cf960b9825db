#pragma once

#include "files/Failure.h"
#include "league/tSchedule70.h"
#include "records/GameRecords.h"
#include "records/LeagueHistory.h"

#include <string>
#include <string_view>
#include <vector>

namespace grd {

inline constexpr const char* kNamesFileName = "GRDNames.ccn";

// A playoff game as a pairing of conferences: its round, day, time and the
// conferences of its visiting and home teams.
struct PlayoffSlot {
    int week = 0;
    std::string gameType;
    std::string gameday;
    std::string gametime;
    std::string visitorConference;
    std::string homeConference;
    int line = 0;
};

// Reads a slots file (postseason-YYYY.csv): one conference plays each slot; an empty
// conference is the title game, AFC visiting NFC.
Result<std::vector<PlayoffSlot>> parsePlayoffSlots(std::string_view text);

// Makes a season's schedule: the regular games in week order, keeping the records'
// order within a week, coded team number + 2; then the playoff games as conference
// placeholders, from the records' playoff games or, where they hold none, from
// slots. Each round's first game opens its section; a game without a time is to be
// announced. An empty title gives "SEASON Schedule". Failures name the
// record's line.
Result<tSchedule70> buildSchedule(const std::vector<GameRecord>& games,
                                  const std::vector<PlayoffSlot>& slots,
                                  const std::vector<TeamEra>& eras, const std::string& title);

} // namespace grd
