#pragma once

#include "league/LeagueStructure.h"

#include <cstdint>
#include <string_view>

namespace grd {

// The first alignment, in file order, of teamCount teams whose seasons include year;
// -1 when none fits.
int32_t AlignmentForSeason(const LeagueStructure& league, int32_t year, int32_t teamCount);

// The season year of a two-digit year: "84".."99" are 1984..1999, "00".."83" 2000..2083.
int32_t YearOfTwoDigits(int32_t digits);

} // namespace grd
