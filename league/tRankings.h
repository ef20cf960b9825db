#pragma once

#include "league/TeamStats.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// Data kinds of the season files; 99 means nothing is loaded.
constexpr int32_t kMainDataKind = 101;
constexpr int32_t kArchiveKind = 102;
constexpr int32_t kReplacementKind = 105;
constexpr int32_t kNoDataKind = 99;

// Sort keys of the team orderings.
constexpr int kSortTotal = 1;
constexpr int kSortOffense = 2;
constexpr int kSortDefense = 3;
constexpr int kSortPointsFor = 4;
constexpr int kSortPointsAgainst = 5;
constexpr int kSortPercentage = 6;
constexpr int kSortAvgFor = 7;
constexpr int kSortAvgAgainst = 8;
constexpr int kSortKeyCount = 8;

struct ArchivedSpread {
    int32_t favourite = 0;
    int32_t other = 0;
    double spread = 0.0;
};

struct ArchivedScore {
    int32_t teamA = 0;
    int32_t scoreA = 0;
    int32_t teamB = 0;
    int32_t scoreB = 0;
};

// What was read from a main data or archive file: one record per team, the team
// orderings and, for an archive, the week's scores and spreads. Every team-indexed
// array has teamCount + 1 entries; entry 0 is unused.
class tRankings {
public:
    std::string fileName; // without directory
    int32_t dataKind = kNoDataKind;
    int32_t teamCount = 0;
    double weekAvgPoints = 0.0; // of the week just posted; 0 after a read
    double fileAvgPoints = 0.0; // as stored in the file
    int32_t scoreCount = 0;
    int32_t spreadCount = 0;
    std::string seasonText;
    double fileVersion = 0.0; // version times ten: 51 for "5.1"
    std::array<std::vector<int32_t>, kSortKeyCount + 1> categoryOrders; // [key][position]
    std::vector<int32_t> divisionOrder;
    std::vector<int32_t> rankOrder; // position -> team number
    std::vector<TeamStats> teams;   // team number -> record
    std::vector<ArchivedSpread> archivedSpreads;
    std::vector<ArchivedScore> archivedScores;

    // Sizes every team-indexed array for count teams, with empty records and the
    // orders 1..count.
    void resize(int32_t count);
    bool isTeam(int32_t team) const { return team >= 1 && team <= teamCount; }
};

} // namespace grd
