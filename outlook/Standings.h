#pragma once

#include "outlook/LeagueShape.h"
#include "outlook/SeasonTable.h"

#include <cstdint>
#include <vector>

namespace grd {

// Where every team stands by the league's tie-breaking procedure.
struct Standings {
    std::vector<std::vector<int>> divisionOrder; // by division ordinal: first to last
    std::vector<std::vector<int>> seeds;         // by conference: the field in seed order
    std::vector<int> divisionRank;               // by team number: 1 leads its division
    std::vector<int> seed;                       // by team number: 0 outside the field
    bool coinTossed = false;                     // a coin toss decided some tie
};

// The standings of table: each division ranked, then per conference the division
// winners seeded first and the wild cards after them, the best of each division first.
Standings standingsOf(const SeasonTable& table, const LeagueShape& shape, uint64_t coinSeed);

} // namespace grd
