#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

constexpr const char* kMainDataFileName = "MAIN-DTA.GRD";

// Reads a main data (kMainDataKind) or archive (kArchiveKind) file into rankings and
// the file's part of state, and makes the file's alignment the active one. On failure
// nothing of rankings, state or league is changed.
Status ReadRankings(const std::filesystem::path& file, int32_t kind, tRankings& rankings,
                    ProgramState& state, LeagueStructure& league);

// ReadRankings on a file's text; file names it and, for old archives, its season.
Status ParseRankings(std::string_view text, const std::filesystem::path& file, int32_t kind,
                     tRankings& rankings, ProgramState& state, LeagueStructure& league);

// Sorts rankOrder by the sort key, then replaces file (atomically) with the data of
// the kind: main data, archive or replacement. Sets the kind's saved flag.
// scheduleTeamCount is the team count of the loaded schedule.
Status WriteRankings(int32_t kind, const std::filesystem::path& file, tRankings& rankings,
                     ProgramState& state, const LeagueStructure& league, int32_t scheduleTeamCount);

// The text WriteRankings writes, without sorting first.
std::string FormatRankings(int32_t kind, const tRankings& rankings, const ProgramState& state,
                           const LeagueStructure& league, int32_t scheduleTeamCount);

// A real in the files' 23-character notation: " 1.00000000000000E+0002".
std::string FormatReal(double value);

// The archive of the week just completed: programDir, "WEEK-", the week with two
// digits and the season suffix; current week 100 names the last regular week.
std::string ArchiveFileName(const std::string& programDir, int32_t currentWeek,
                            const LeagueStructure& league);

} // namespace grd
