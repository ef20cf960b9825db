#pragma once

#include "league/ScheduledGame.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// The season's schedule: the games of regular weeks 1..N in week order, then the
// playoff games.
class tSchedule70 {
public:
    std::vector<ScheduledGame> games;
    std::array<std::string, 5> roundHeadings; // entry k-1 heads sections of flag k
    std::string weekCountsText;               // "(NNaabbcc...)": N weeks, two characters each
    std::string namesFileName;                // relative to the program directory
    int32_t declaredTeamCount = 0;            // bounds the codes: 0 .. declared + 4
    int32_t teamCount = 0;                    // distinct codes of the games less 2
    int32_t gamesPerWeek = 0;
    std::string title;
    bool loaded = false;
};

} // namespace grd
