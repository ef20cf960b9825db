#include "records/GameRecords.h"

#include "files/Printable.h"
#include "league/Format.h"
#include "league/ScoreText.h"
#include "records/CsvTable.h"

#include <map>
#include <utility>

namespace grd {

std::string GameRecord::describe() const {
    return "week " + std::to_string(week) + ": " + printableField(awayTeam) + " at " +
           printableField(homeTeam);
}

Result<std::vector<const CsvTable::Row*>> rowsOfSeason(const CsvTable& table,
                                                       std::string_view seasonLabel) {
    std::vector<const CsvTable::Row*> rows;
    const std::string_view year = seasonLabel.substr(0, 4);
    for (const auto& row : table.rows()) {
        std::string_view season = table.field(row, "season");
        if (year.empty() || season.empty() || season == year) {
            rows.push_back(&row);
        }
    }
    if (rows.empty() && !table.rows().empty()) {
        const auto& first = table.rows().front();
        return lineFailure(
            first.line, "the records are of the " + printableField(table.field(first, "season")) +
                            " season, not of the loaded season " + printableField(seasonLabel));
    }
    return rows;
}

Result<std::vector<GameRecord>> parseGameRecords(std::string_view text,
                                                 std::string_view seasonLabel) {
    auto table = CsvTable::parse(
        text, {"week", "game_type", "away_team", "home_team", "away_score", "home_score"});
    if (!table) {
        return table.failure();
    }
    auto rows = rowsOfSeason(table.value(), seasonLabel);
    if (!rows) {
        return rows.failure();
    }
    std::vector<GameRecord> records;
    for (const CsvTable::Row* each : rows.value()) {
        const CsvTable::Row& row = *each;
        auto field = [&](std::string_view column) { return table.value().field(row, column); };
        GameRecord record;
        record.line = row.line;
        auto week = parseInteger(field("week"));
        if (!week || *week < 0 || *week > 99) {
            return lineFailure(row.line, "week \"" + printable(field("week")) + "\" is not 0..99");
        }
        record.week = static_cast<int>(*week);
        record.gameType = field("game_type");
        record.awayTeam = field("away_team");
        record.homeTeam = field("home_team");
        // Kick-off columns are optional: only the schedule builder needs them.
        record.gameday = field("gameday");
        record.gametime = field("gametime");
        for (auto [column, score] : {std::pair{"away_score", &record.awayScore},
                                     std::pair{"home_score", &record.homeScore}}) {
            if (field(column).empty()) {
                continue;
            }
            auto value = parseScore(field(column));
            if (!value) {
                return lineFailure(row.line, std::string(column) + " \"" +
                                                 printable(field(column)) + "\" is not 0..98");
            }
            *score = value.value();
        }
        records.push_back(std::move(record));
    }
    return records;
}

Status checkPairings(const std::vector<GameRecord>& records) {
    std::map<std::pair<int, std::string>, const GameRecord*> gameOfTeam;
    for (const auto& record : records) {
        if (record.awayTeam == record.homeTeam) {
            return lineFailure(record.line, record.describe() + ": a team cannot play itself");
        }
        for (const auto& team : {record.awayTeam, record.homeTeam}) {
            auto [earlier, fresh] = gameOfTeam.try_emplace({record.week, team}, &record);
            if (!fresh) {
                return lineFailure(record.line, record.describe() + ": " + printableField(team) +
                                                    " already plays in week " +
                                                    std::to_string(record.week) + " on line " +
                                                    std::to_string(earlier->second->line));
            }
        }
    }
    return Ok{};
}

std::vector<const GameRecord*> recordsOfWeek(const std::vector<GameRecord>& records, int week) {
    std::vector<const GameRecord*> found;
    for (const auto& record : records) {
        if (record.week == week) {
            found.push_back(&record);
        }
    }
    return found;
}

} // namespace grd
