#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"
#include "league/NamesFile.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// One row of the league's team history (teams.csv): a franchise in a span of seasons
// in which its names, conference and division stayed the same.
struct TeamEra {
    std::string franchise;
    int firstSeason = 0;
    int lastSeason = 0;
    std::string abbr;
    std::string city;
    std::string team;
    std::string conference;
    std::string division;
    int line = 0;
};

Result<std::vector<TeamEra>> parseTeamEras(std::string_view text);

// The city name the names file gives an era: its city, or where another franchise
// played in the same city in one of its seasons, a shared city form ("LA Rams").
std::string cityForm(const TeamEra& era, const std::vector<TeamEra>& eras);

// The league model and names that the shipped files hold. Team numbers of a season
// follow the franchises' order; a name of the current league has code team + 2,
// codes 1 and 2 name the AFC and NFC of playoff placeholders, older names follow.
struct LeagueHistory {
    LeagueStructure structure;
    NamesList names;
};

// One alignment per era from firstSeason on: a change of any team's names, conference
// or division, or of the playoff format, starts a new one.
Result<LeagueHistory> buildLeagueHistory(const std::vector<TeamEra>& eras, int firstSeason);

// Team number of each abbreviation used in a season.
std::map<std::string, int> teamNumbersOfSeason(const std::vector<TeamEra>& eras, int season);

// Conference of each abbreviation used in a season.
std::map<std::string, std::string> conferencesOfSeason(const std::vector<TeamEra>& eras,
                                                       int season);

// True when the teams of season are today's, under today's names: a schedule codes
// team t as t + 2, which names today's team t.
bool namedAsToday(const std::vector<TeamEra>& eras, int season);

inline constexpr int32_t kAfcPlaceholderCode = 1;
inline constexpr int32_t kNfcPlaceholderCode = 2;

} // namespace grd
