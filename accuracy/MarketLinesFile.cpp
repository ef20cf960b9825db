#include "accuracy/MarketLinesFile.h"

#include "files/AtomicFile.h"
#include "files/CrLfLines.h"
#include "league/Format.h"
#include "records/CsvTable.h"

#include <charconv>

namespace grd {

namespace {

constexpr std::string_view kHeader = "week,away,home,line";

std::string realText(double value) {
    char buffer[32];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

std::string marketLinesFileName(const LeagueStructure& league) {
    return "GRDLines" + league.seasonSuffix + ".csv";
}

std::string formatMarketLines(const std::vector<MarketLine>& lines) {
    CrLfLines text;
    text.add(kHeader);
    for (const auto& line : lines) {
        text.add(std::to_string(line.week) + "," + std::to_string(line.away) + "," +
                 std::to_string(line.home) + "," + realText(line.line));
    }
    return text.take();
}

Result<std::vector<MarketLine>> parseMarketLinesFile(std::string_view text) {
    auto table = CsvTable::parse(text, {"week", "away", "home", "line"});
    if (!table) {
        return table.failure();
    }
    std::vector<MarketLine> lines;
    for (const auto& row : table.value().rows()) {
        auto week = parseInteger(table.value().field(row, "week"));
        auto away = parseInteger(table.value().field(row, "away"));
        auto home = parseInteger(table.value().field(row, "home"));
        auto line = parseReal(table.value().field(row, "line"));
        if (!week || !away || !home || !line || *week < 1 || *week > 999 || *away < 1 ||
            *away > 99 || *home < 1 || *home > 99 || !isPlausibleLine(*line)) {
            return lineFailure(row.line, "not a week, two teams and a line");
        }
        lines.push_back({static_cast<int32_t>(*week), static_cast<int32_t>(*away),
                         static_cast<int32_t>(*home), *line});
    }
    return lines;
}

Status writeMarketLines(const std::filesystem::path& file, const std::vector<MarketLine>& lines) {
    std::string reason;
    if (!writeFileAtomically(file, formatMarketLines(lines), &reason)) {
        return Failure{0, reason}; // reason names the file
    }
    return Ok{};
}

Result<std::optional<std::vector<MarketLine>>> readMarketLines(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return std::optional<std::vector<MarketLine>>();
    }
    std::string text;
    if (!readWholeFile(file, text)) {
        return Failure{0, file.string() + ": cannot be read"};
    }
    auto lines = parseMarketLinesFile(text);
    if (!lines) {
        return Failure{0, file.string() + ": " + lines.failure().detail};
    }
    return std::optional<std::vector<MarketLine>>(std::move(lines.value()));
}

} // namespace grd
