#pragma once

#include "league/LeagueStructure.h"

#include <cstdint>
#include <string>

namespace grd {

// Sorts nameCodes by code, as NameIndexOfCode needs; done once the names are read.
void sortNameCodes(LeagueStructure& league);

// The name index of a code (binary search of the sorted nameCodes); 0 when absent.
int32_t NameIndexOfCode(const LeagueStructure& league, int32_t code);

// The name index of team number team (1-based) of the active alignment; 0 when there
// is no such team.
int32_t NameIndexOfTeam(const LeagueStructure& league, int32_t team);

// The name of a team as shown: city name when cityNames is set, else team name.
// Empty when the team or its name does not exist.
std::string TeamName(const LeagueStructure& league, int32_t team, bool cityNames);

// The city and the team name: "Kansas City Chiefs". Empty when the team does not exist.
std::string FullTeamName(const LeagueStructure& league, int32_t team);

// The team number at a division ordinal (0-based, counted across conferences) and a
// position (1-based) in the active alignment; -1 when there is none.
int32_t TeamAt(const LeagueStructure& league, int32_t divisionOrdinal, int32_t position);

// Where team stands in the active alignment. Returns false, leaving the outputs as
// they were, when the team number does not occur.
bool FindTeam(const LeagueStructure& league, int32_t team, int32_t& divisionOrdinal,
              int32_t& position);

} // namespace grd
