#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// The league as the standings see it: who plays in which division and conference,
// and how many teams of each conference reach the playoffs.
struct LeagueShape {
    int teamCount = 0;
    std::vector<int> conferenceOf; // by team number; entry 0 unused
    std::vector<int> divisionOf;   // by team number: the division ordinal across conferences
    std::vector<std::vector<int>> divisionTeams;       // by division ordinal
    std::vector<std::vector<int>> conferenceDivisions; // by conference: division ordinals
    std::vector<std::string> conferenceNames;
    std::vector<std::string> divisionNames; // by division ordinal
    std::vector<uint64_t> divisionMasks;    // by division ordinal: bit t for each team t
    std::vector<uint64_t> conferenceMasks;  // by conference
    int fieldSize = 0;                      // playoff teams per conference

    int conferenceCount() const { return static_cast<int>(conferenceDivisions.size()); }
};

// The most teams the standings handle: their sets of opponents are bit masks.
inline constexpr int kMaxOutlookTeams = 63;

// The shape of the active alignment of league. The field follows from the first playoff
// round: (its games + 8) / 2 teams per conference. A league without an active alignment
// or divisions, or whose first round needs more wild cards than it has divisions per
// conference (1982's tournament), fails with the reason.
Result<LeagueShape> leagueShapeOf(const LeagueStructure& league);

} // namespace grd
