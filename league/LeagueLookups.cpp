#include "league/LeagueLookups.h"

#include "league/CityForms.h"

#include <algorithm>

namespace grd {

void sortNameCodes(LeagueStructure& league) {
    std::stable_sort(league.nameCodes.begin(), league.nameCodes.end(),
                     [](const NameCode& a, const NameCode& b) { return a.code < b.code; });
}

int32_t NameIndexOfCode(const LeagueStructure& league, int32_t code) {
    const auto& codes = league.nameCodes;
    long low = 0;
    long high = static_cast<long>(codes.size()) - 1;
    while (high >= low) {
        long mid = (low + high) / 2;
        int32_t found = codes[static_cast<size_t>(mid)].code;
        if (found == code) {
            return codes[static_cast<size_t>(mid)].nameIndex;
        }
        if (code < found) {
            high = mid - 1;
        } else {
            low = mid + 1;
        }
    }
    return 0;
}

int32_t NameIndexOfTeam(const LeagueStructure& league, int32_t team) {
    const LeagueAlignment* alignment = league.active();
    if (!alignment || team < 1 || team > static_cast<int32_t>(alignment->teamCodes.size())) {
        return 0;
    }
    return NameIndexOfCode(league, alignment->teamCodes[static_cast<size_t>(team) - 1] + 2);
}

std::string TeamName(const LeagueStructure& league, int32_t team, bool cityNames) {
    const auto& names = cityNames ? league.cityNames : league.teamNames;
    const LeagueAlignment* alignment = league.active();
    if (!alignment || team < 1 || team > alignment->teamCount) {
        return {};
    }
    auto index = static_cast<size_t>(NameIndexOfTeam(league, team));
    return index < names.size() ? names[index] : std::string();
}

std::string FullTeamName(const LeagueStructure& league, int32_t team) {
    return fullNameOf(TeamName(league, team, true), TeamName(league, team, false));
}

int32_t TeamAt(const LeagueStructure& league, int32_t divisionOrdinal, int32_t position) {
    const LeagueAlignment* alignment = league.active();
    if (!alignment || divisionOrdinal < 0 || position < 1) {
        return -1;
    }
    int32_t ordinal = 0;
    for (const auto& conference : alignment->conferences) {
        for (const auto& division : conference) {
            if (ordinal++ == divisionOrdinal) {
                return position <= static_cast<int32_t>(division.size())
                           ? division[static_cast<size_t>(position) - 1]
                           : -1;
            }
        }
    }
    return -1;
}

bool FindTeam(const LeagueStructure& league, int32_t team, int32_t& divisionOrdinal,
              int32_t& position) {
    const LeagueAlignment* alignment = league.active();
    if (!alignment) {
        return false;
    }
    int32_t ordinal = 0;
    for (const auto& conference : alignment->conferences) {
        for (const auto& division : conference) {
            auto found = std::find(division.begin(), division.end(), team);
            if (found != division.end()) {
                divisionOrdinal = ordinal;
                position = static_cast<int32_t>(found - division.begin()) + 1;
                return true;
            }
            ++ordinal;
        }
    }
    return false;
}

} // namespace grd
