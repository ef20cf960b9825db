#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"
#include "league/tSchedule70.h"

#include <string>
#include <string_view>

namespace grd {

inline constexpr const char* kScheduleFileName = "GRDSchedule.ccs";

// Reads GRDSchedule.ccs of programDir into schedule and fills weekGameCounts,
// seasonLabel and seasonSuffix of league. Failures: -6 missing, -20 corrupt, -4 wrong
// version, -5 unreadable. Nothing is changed unless the whole file was read.
Status LoadSchedule(const std::string& programDir, tSchedule70& schedule, LeagueStructure& league);

// The same on the decompressed records; path only names the file in the failures.
Status parseSchedule(std::string_view records, const std::string& path, tSchedule70& schedule,
                     LeagueStructure& league);

// The decompressed records of a schedule, version 1.0; parseSchedule reads them back.
std::string scheduleRecords(const tSchedule70& schedule);

// The week counts text for regular weeks of the given game counts, such as "(03 1 2 3)".
std::string weekCountsTextOf(const std::vector<int32_t>& gamesPerWeek);

} // namespace grd
