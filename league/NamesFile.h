#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// The contents of a names file: per name index, three name forms and the name code.
struct NamesList {
    std::vector<std::string> cityNames;
    std::vector<std::string> teamNames;
    std::vector<std::string> shortNames; // the abbreviation; not shown by the program
    std::vector<int32_t> codes;
};

// Reads the names file namesFileName of programDir into cityNames, teamNames and
// nameCodes of league (nameCodes sorted, ready for NameIndexOfCode). Failures: -28 missing, -27
// corrupt, -2 wrong version, -3 unreadable. Nothing is changed unless it all was read.
// shortNames, when given, receives the third name form (the abbreviations) by name index.
Status LoadNames(const std::string& programDir, const std::string& namesFileName,
                 LeagueStructure& league, std::vector<std::string>* shortNames = nullptr);

// The same on the decompressed records; path only names the file in the failures.
Status parseNames(std::string_view records, const std::string& path, LeagueStructure& league,
                  std::vector<std::string>* shortNames = nullptr);

// Decompressed records of a names file; parseNames reads them back.
std::string namesRecords(const NamesList& names);

} // namespace grd
