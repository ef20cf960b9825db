#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// Week numbers: 1..N regular weeks; 100, 101, ... playoff weeks; 100 + P a complete
// season; 99 no data. A current week W means the data holds results up to week W - 1.
constexpr int kFirstPlayoffWeek = 100;
constexpr int kNoWeek = 99;
constexpr int kMaxPlayoffWeeks = 10;
constexpr int kMaxPlayoffWeekNames = 8;
constexpr int kMaxPlayoffWeekNameLength = 20;

// One variant of the league's make-up, valid for a span of seasons.
struct LeagueAlignment {
    using Division = std::vector<int32_t>; // team numbers in file order
    using Conference = std::vector<Division>;

    int32_t firstSeason = 0;
    int32_t lastSeason = 0;
    int32_t teamCount = 0;
    std::vector<Conference> conferences;
    std::vector<int32_t> teamCodes;                      // entry t-1: code of team t
    std::vector<std::vector<int32_t>> divisionNameIndex; // per conference, per division; 1-based
    std::vector<int32_t> playoffWeekChoices;             // P entries, for the week chooser
    std::vector<int32_t> playoffGameCounts;              // entry k-1: games of week 99 + k

    int playoffWeekCount() const { return static_cast<int>(playoffGameCounts.size()); }
};

struct NameCode {
    int32_t code = 0;
    int32_t nameIndex = 0;
};

// The one league model of the program.
struct LeagueStructure {
    std::vector<LeagueAlignment> alignments;
    int32_t activeAlignment = -1;
    std::vector<std::string> divisionNames;
    std::array<std::string, kMaxPlayoffWeeks> playoffWeekNames; // entry k names week 100 + k
    std::vector<int32_t> weekGameCounts;                        // [0] = N, [1..N] games per week
    std::vector<NameCode> nameCodes;                            // sorted by code after loading
    std::vector<std::string> cityNames;
    std::vector<std::string> teamNames;
    std::string seasonLabel;  // such as "2008-09"
    std::string seasonSuffix; // such as ".08"

    const LeagueAlignment* active() const;
    int regularWeekCount() const { return weekGameCounts.empty() ? 0 : weekGameCounts[0]; }
};

} // namespace grd
