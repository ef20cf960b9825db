#pragma once

#include "files/Failure.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

// The game records the program keeps in the data directory, as fetched.
inline constexpr std::string_view kRecordsFileName = "GRDRecords.csv";

// The open collection of the league's game records whose layout and team abbreviations
// the shipped records follow; it holds every season since 1999.
inline constexpr std::string_view kPublicRecordsAddress =
    "https://raw.githubusercontent.com/nflverse/nfldata/master/data/games.csv";

// What a fetched records file holds, for the user to see what came and what it allows.
struct RecordsSummary {
    int games = 0;
    std::string firstSeason; // empty when the records have no season in them
    std::string lastSeason;
    int seasonGames = 0;  // of the loaded season
    int seasonScored = 0; // of those, with both scores: what a catch-up can enter
    int seasonLines = 0;  // of those, with a market line: what an import keeps
};

// Accepts a fetched file only when it is game records in the public layout: every
// column the catch-up and the market lines read, and rows they can read. The failure
// says which column is missing or which line is wrong. seasonLabel is the loaded
// season's, whose games are counted apart.
Result<RecordsSummary> checkPublicRecords(std::string_view text, std::string_view seasonLabel);

// Where the records are kept in a data directory: an existing file of the name in any
// letter case, else kRecordsFileName.
std::filesystem::path recordsFileIn(const std::filesystem::path& dir);

// Replaces target with the records atomically; the failure (kImportError) names the
// file and the system's reason, and leaves target as it was.
Status saveRecordsFile(const std::filesystem::path& target, std::string_view text);

} // namespace grd
