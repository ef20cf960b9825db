#include "records/PublicRecords.h"

#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/Messages.h"
#include "records/CsvTable.h"
#include "records/GameRecords.h"

#include <algorithm>

namespace grd {

namespace {

void countSeasons(const CsvTable& table, RecordsSummary& summary) {
    for (const auto& row : table.rows()) {
        std::string season(table.field(row, "season"));
        ++summary.games;
        if (season.empty()) {
            continue;
        }
        if (summary.firstSeason.empty() || season < summary.firstSeason) {
            summary.firstSeason = season;
        }
        summary.lastSeason = std::max(summary.lastSeason, season);
    }
}

bool blank(std::string_view field) {
    return field.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

Result<RecordsSummary> checkPublicRecords(std::string_view text, std::string_view seasonLabel) {
    auto table = CsvTable::parse(text, {"season", "game_type", "week", "away_team", "away_score",
                                        "home_team", "home_score", "location", "spread_line"});
    if (!table) {
        return table.failure();
    }
    if (auto games = parseGameRecords(text); !games) {
        return games.failure();
    }
    RecordsSummary summary;
    countSeasons(table.value(), summary);
    if (summary.games == 0) {
        return Failure{0, "the records hold no game"};
    }
    // No game of the loaded season yet is no fault of the file.
    auto rows = rowsOfSeason(table.value(), seasonLabel);
    for (const CsvTable::Row* row : rows ? rows.value() : std::vector<const CsvTable::Row*>{}) {
        ++summary.seasonGames;
        auto field = [&](std::string_view column) { return table.value().field(*row, column); };
        summary.seasonScored += !blank(field("away_score")) && !blank(field("home_score"));
        summary.seasonLines += !blank(field("spread_line"));
    }
    return summary;
}

std::filesystem::path recordsFileIn(const std::filesystem::path& dir) {
    return findFileIgnoringCase(dir, kRecordsFileName);
}

Status saveRecordsFile(const std::filesystem::path& target, std::string_view text) {
    std::string reason;
    if (!writeFileAtomically(target, text, &reason)) {
        return Failure{kImportError, reason};
    }
    return Ok{};
}

} // namespace grd
