#pragma once

#include <string>

namespace grd {

// Where two franchises share a city in a season, a city name alone would stand for
// both: the city form is then the city's initials and the team, "LA Rams" or
// "NY Jets".
std::string sharedCityForm(const std::string& city, const std::string& team);

// The full name of a team, "Kansas City Chiefs", from its city form and team name; a
// shared city form of a known city gives the city back: "Los Angeles Rams".
std::string fullNameOf(const std::string& cityForm, const std::string& team);

} // namespace grd
