// Any bytes as a game records file must read without fault, as games and as market
// lines, within the reader's bounds; what is accepted must hold what the readers
// promise: weeks and scores in range, lines finite and within the bound.
#include "accuracy/MarketLine.h"
#include "records/CsvTable.h"
#include "records/GameRecords.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto games = grd::parseGameRecords(text);
    if (games) {
        if (games.value().size() > grd::kMaxRecordsRows) {
            std::abort();
        }
        for (const auto& game : games.value()) {
            bool scoresInRange =
                (!game.awayScore || (*game.awayScore >= 0 && *game.awayScore <= 98)) &&
                (!game.homeScore || (*game.homeScore >= 0 && *game.homeScore <= 98));
            if (game.week < 0 || game.week > 99 || !scoresInRange) {
                std::abort();
            }
        }
    } else if (games.failure().detail.rfind("line ", 0) != 0) {
        std::abort();
    }
    static const std::map<std::string, int> teams = {{"BUF", 1}, {"MIA", 2}, {"NE", 3}, {"NYJ", 4}};
    auto lines = grd::parseMarketLines(text, teams, 18, "2025-26");
    if (lines) {
        for (const auto& line : lines.value()) {
            if (!std::isfinite(line.line) || std::fabs(line.line) > grd::kMaxLinePoints) {
                std::abort();
            }
        }
    }
    return 0;
}
