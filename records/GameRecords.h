#pragma once

#include "files/Failure.h"
#include "records/CsvTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// One game of a season's game records (the games-YYYY.csv files): the week counts on
// through the playoff rounds, teams go by abbreviation, scores are absent until the
// game is played.
struct GameRecord {
    int week = 0;
    std::string gameType;
    std::string awayTeam;
    std::string homeTeam;
    std::optional<int> awayScore;
    std::optional<int> homeScore;
    std::string gameday;  // "2025-09-07", empty when the records have no such column
    std::string gametime; // "13:00" local time; empty = to be announced
    int line = 0;         // in the file, for messages

    bool scored() const { return awayScore.has_value() && homeScore.has_value(); }
    // "week 5: BAL at KC" as messages name a game.
    std::string describe() const;
};

// The rows of one season (seasonLabel such as "2025" or "2008-09"): public records hold
// every season, one per row. All rows when seasonLabel is empty or the records have no
// season column. Records with rows but none of the season fail naming the first row, as
// the records of another season would otherwise pass for an empty one.
Result<std::vector<const CsvTable::Row*>> rowsOfSeason(const CsvTable& table,
                                                       std::string_view seasonLabel);

// Reads the records of a season (all of them when seasonLabel is empty) by their column
// names; other columns are ignored. A missing column, a week that is not a number or a
// score outside 0..98 is a failure naming the line.
Result<std::vector<GameRecord>> parseGameRecords(std::string_view text,
                                                 std::string_view seasonLabel = {});

// Refuses what no season holds, naming the line: a team playing itself, or a team
// with two games in one week (which a duplicated game is).
Status checkPairings(const std::vector<GameRecord>& records);

// The records of one week, in record order.
std::vector<const GameRecord*> recordsOfWeek(const std::vector<GameRecord>& records, int week);

} // namespace grd
