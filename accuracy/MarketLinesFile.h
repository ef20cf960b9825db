#pragma once

#include "accuracy/MarketLine.h"
#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// The market lines imported for a season, kept beside its archives so that they
// survive a restart: "GRDLines", the season suffix and ".csv" ("GRDLines.25.csv").
std::string marketLinesFileName(const LeagueStructure& league);

// The file's text: a header line "week,away,home,line", then one line per game with
// the program's week and team numbers and the home team's line; CR LF line ends and
// numbers that read back the same under every locale.
std::string formatMarketLines(const std::vector<MarketLine>& lines);
Result<std::vector<MarketLine>> parseMarketLinesFile(std::string_view text);

// Replaces the file atomically; a failure leaves it as it was.
Status writeMarketLines(const std::filesystem::path& file, const std::vector<MarketLine>& lines);
// No file: no lines (nullopt). A damaged file fails naming its line.
Result<std::optional<std::vector<MarketLine>>> readMarketLines(const std::filesystem::path& file);

} // namespace grd
