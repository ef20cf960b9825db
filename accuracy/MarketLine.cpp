#include "accuracy/MarketLine.h"

#include "league/Format.h"
#include "league/LeagueStructure.h"
#include "records/CsvTable.h"

namespace grd {

namespace {

int32_t programWeek(long long recordsWeek, int regularWeeks) {
    return recordsWeek <= regularWeeks
               ? static_cast<int32_t>(recordsWeek)
               : static_cast<int32_t>(kFirstPlayoffWeek + recordsWeek - regularWeeks - 1);
}

} // namespace

Result<std::vector<MarketLine>>
parseMarketLines(std::string_view text, const std::map<std::string, int>& teams, int regularWeeks) {
    auto table = CsvTable::parse(text, {"week", "away_team", "home_team", "spread_line"});
    if (!table) {
        return table.failure();
    }
    std::vector<MarketLine> lines;
    for (const auto& row : table.value().rows()) {
        auto lineText = table.value().field(row, "spread_line");
        if (lineText.find_first_not_of(' ') == std::string_view::npos) {
            continue;
        }
        auto week = parseInteger(table.value().field(row, "week"));
        auto line = parseReal(lineText);
        if (!week || *week < 1 || !line) {
            return lineFailure(row.line, "week or spread_line is not a number");
        }
        auto away = teams.find(std::string(table.value().field(row, "away_team")));
        auto home = teams.find(std::string(table.value().field(row, "home_team")));
        if (away == teams.end() || home == teams.end()) {
            return lineFailure(row.line, "a team is not in the league");
        }
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
