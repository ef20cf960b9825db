#include "accuracy/MarketLine.h"

#include "files/Printable.h"
#include "league/Format.h"
#include "league/LeagueStructure.h"
#include "records/CsvTable.h"
#include "records/GameRecords.h"

#include <cmath>

namespace grd {

namespace {

int32_t programWeek(long long recordsWeek, int regularWeeks) {
    return recordsWeek <= regularWeeks
               ? static_cast<int32_t>(recordsWeek)
               : static_cast<int32_t>(kFirstPlayoffWeek + recordsWeek - regularWeeks - 1);
}

} // namespace

bool isPlausibleLine(double line) {
    return std::isfinite(line) && std::fabs(line) <= kMaxLinePoints;
}

Result<std::vector<MarketLine>> parseMarketLines(std::string_view text,
                                                 const std::map<std::string, int>& teams,
                                                 int regularWeeks, std::string_view seasonLabel) {
    auto table = CsvTable::parse(text, {"week", "away_team", "home_team", "spread_line"});
    if (!table) {
        return table.failure();
    }
    // A row of another season would replace the season's good lines with wrong ones.
    auto rows = rowsOfSeason(table.value(), seasonLabel);
    if (!rows) {
        return rows.failure();
    }
    std::vector<MarketLine> lines;
    for (const CsvTable::Row* each : rows.value()) {
        const CsvTable::Row& row = *each;
        auto lineText = table.value().field(row, "spread_line");
        if (lineText.find_first_not_of(' ') == std::string_view::npos) {
            continue;
        }
        auto weekText = table.value().field(row, "week");
        auto week = parseInteger(weekText);
        if (!week || *week < 1 || *week > 99) {
            return lineFailure(row.line, "week \"" + printable(weekText) + "\" is not 1..99");
        }
        auto line = parseReal(lineText);
        if (!line || !isPlausibleLine(*line)) {
            return lineFailure(row.line, "spread_line \"" + printable(lineText) +
                                             "\" is not a number of points from -100 to 100");
        }
        for (auto column : {"away_team", "home_team"}) {
            if (!teams.contains(std::string(table.value().field(row, column)))) {
                return lineFailure(row.line, std::string(column) + " \"" +
                                                 printable(table.value().field(row, column)) +
                                                 "\" is not a team of the league");
            }
        }
        auto away = teams.find(std::string(table.value().field(row, "away_team")));
        auto home = teams.find(std::string(table.value().field(row, "home_team")));
        lines.push_back({programWeek(*week, regularWeeks), away->second, home->second, *line});
    }
    return lines;
}

const MarketLine* findMarketLine(const std::vector<MarketLine>& lines, int32_t week, int32_t teamA,
                                 int32_t teamB) {
    for (const auto& line : lines) {
        if (line.week == week && ((line.away == teamA && line.home == teamB) ||
                                  (line.away == teamB && line.home == teamA))) {
            return &line;
        }
    }
    return nullptr;
}

double forecastHomeMargin(const ForecastOutcome& game, const MarketLine& line) {
    return game.first == line.home ? game.forecast : -game.forecast;
}

int32_t actualHomeMargin(const ForecastOutcome& game, const MarketLine& line) {
    return game.first == line.home ? game.actual() : -game.actual();
}

} // namespace grd
