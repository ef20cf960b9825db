#include "tasks/GameRecords.h"

#include "league/Format.h"
#include "tasks/ScoreText.h"

#include <algorithm>
#include <array>

namespace grd {

namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::optional<size_t> columnOf(const std::vector<std::string_view>& header, std::string_view name) {
    auto found = std::find(header.begin(), header.end(), name);
    if (found == header.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - header.begin());
}

Failure recordFailure(int line, const std::string& what) {
    return {0, "line " + std::to_string(line) + ": " + what};
}

} // namespace

std::string GameRecord::describe() const {
    return "week " + std::to_string(week) + ": " + awayTeam + " at " + homeTeam;
}

Result<std::vector<GameRecord>> parseGameRecords(std::string_view text) {
    constexpr std::array<std::string_view, 6> kColumns = {"week",      "game_type",  "away_team",
                                                          "home_team", "away_score", "home_score"};
    std::array<size_t, kColumns.size()> at{};
    // Kick-off columns are optional: only the schedule builder needs them.
    std::optional<size_t> gamedayAt;
    std::optional<size_t> gametimeAt;
    std::vector<GameRecord> records;
    bool header = true;
    int lineNumber = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        auto fields = splitFields(line);
        if (header) {
            for (size_t c = 0; c < kColumns.size(); ++c) {
                auto found = std::find(fields.begin(), fields.end(), kColumns[c]);
                if (found == fields.end()) {
                    return recordFailure(lineNumber, "no column " + std::string(kColumns[c]));
                }
                at[c] = static_cast<size_t>(found - fields.begin());
            }
            gamedayAt = columnOf(fields, "gameday");
            gametimeAt = columnOf(fields, "gametime");
            header = false;
            continue;
        }
        if (fields.size() <= *std::max_element(at.begin(), at.end())) {
            return recordFailure(lineNumber, "too few fields");
        }
        GameRecord record;
        record.line = lineNumber;
        auto week = parseInteger(fields[at[0]]);
        if (!week || *week < 0 || *week > 99) {
            return recordFailure(lineNumber, "the week is not a number");
        }
        record.week = static_cast<int>(*week);
        record.gameType = fields[at[1]];
        record.awayTeam = fields[at[2]];
        record.homeTeam = fields[at[3]];
        if (gamedayAt && *gamedayAt < fields.size()) {
            record.gameday = fields[*gamedayAt];
        }
        if (gametimeAt && *gametimeAt < fields.size()) {
            record.gametime = fields[*gametimeAt];
        }
        for (auto [column, score] :
             {std::pair{at[4], &record.awayScore}, std::pair{at[5], &record.homeScore}}) {
            if (fields[column].empty()) {
                continue;
            }
            auto value = parseScore(fields[column]);
            if (!value) {
                return recordFailure(lineNumber, "a score is not 0..98");
            }
            *score = value.value();
        }
        records.push_back(std::move(record));
    }
    if (header) {
        return recordFailure(lineNumber, "no header line");
    }
    return records;
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
