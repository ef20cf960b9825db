#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <string>
#include <string_view>
#include <vector>

namespace grd {

inline constexpr const char* kStructureFileName = "GRDStructure.txt";

// Reads GRDStructure.txt of programDir (ending in "/") into league. Returns the
// failures in the order the user is told of them: -32 or -29, then -30; a damaged
// file gives -30 alone, its detail naming the line and what is wrong with it. Empty when the whole
// file was read. On failure league is left as it was, so no partial model is ever used.
std::vector<Failure> LoadLeagueStructure(const std::string& programDir, LeagueStructure& league);

// The same on the file's text; path only names the file in the failures. reason,
// when given, receives the line and what is wrong with it, for the data tool.
std::vector<Failure> parseLeagueStructure(std::string_view text, const std::string& path,
                                          LeagueStructure& league, std::string* reason = nullptr);

// The file's text for a model; parseLeagueStructure reads it back unchanged.
std::string leagueStructureText(const LeagueStructure& league);

} // namespace grd
