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

// A row of another season would replace the season's good lines with wrong ones.
Status checkSeasonAndTeams(const CsvTable& table, const CsvTable::Row& row,
                           const std::map<std::string, int>& teams, std::string_view seasonLabel) {
    auto season = table.field(row, "season");
    if (!season.empty() && season != seasonLabel.substr(0, 4)) {
        return lineFailure(row.line, "the records are of the " + std::string(season) +
                                         " season, not of the loaded season " +
                                         std::string(seasonLabel));
    }
    for (const char* column : {"away_team", "home_team"}) {
        auto team = std::string(table.field(row, column));
        if (!teams.contains(team)) {
            return lineFailure(row.line, "the team " + team + " is not in the league");
        }
    }
    return Ok{};
}

} // namespace

Result<std::vector<MarketLine>> parseMarketLines(std::string_view text,
                                                 const std::map<std::string, int>& teams,
                                                 int regularWeeks, std::string_view seasonLabel) {
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
        if (auto checked = checkSeasonAndTeams(table.value(), row, teams, seasonLabel); !checked) {
            return checked.failure();
        }
        lines.push_back({programWeek(*week, regularWeeks),
                         teams.at(std::string(table.value().field(row, "away_team"))),
                         teams.at(std::string(table.value().field(row, "home_team"))), *line});
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
