#include "views/DivisionGroups.h"

#include "league/RankingSort.h"

namespace grd {
namespace {

std::string divisionName(const LeagueStructure& league, int32_t nameIndex) {
    if (nameIndex < 1 || nameIndex > static_cast<int32_t>(league.divisionNames.size())) {
        return {};
    }
    return league.divisionNames[static_cast<size_t>(nameIndex - 1)];
}

int32_t nameIndexOf(const LeagueAlignment& alignment, size_t conference, size_t division) {
    if (conference >= alignment.divisionNameIndex.size() ||
        division >= alignment.divisionNameIndex[conference].size()) {
        return 0;
    }
    return alignment.divisionNameIndex[conference][division];
}

void rankLeagueWide(tRankings& rankings, int sortKey) {
    SortRankings(rankings, sortKey);
    for (int i = 1; i <= rankings.teamCount; ++i) {
        const int32_t t = rankings.rankOrder[static_cast<size_t>(i)];
        if (rankings.isTeam(t)) {
            rankings.teams[static_cast<size_t>(t)].displayRank = static_cast<int16_t>(i);
        }
    }
}

} // namespace

std::vector<DivisionGroup> rankDivisions(tRankings& rankings, const LeagueStructure& league,
                                         int sortKey) {
    std::vector<DivisionGroup> groups;
    const LeagueAlignment* alignment = league.active();
    if (alignment == nullptr || rankings.teamCount <= 0) {
        return groups;
    }
    rankLeagueWide(rankings, sortKey);
    rankings.divisionOrder.resize(static_cast<size_t>(rankings.teamCount) + 1);

    int32_t next = 1;
    for (size_t c = 0; c < alignment->conferences.size(); ++c) {
        const auto& divisions = alignment->conferences[c];
        for (size_t d = 0; d < divisions.size(); ++d) {
            DivisionGroup& group = groups.emplace_back();
            group.name = divisionName(league, nameIndexOf(*alignment, c, d));
            const int32_t first = next;
            for (int32_t team : divisions[d]) {
                // A division listing more teams than the data holds has no room left.
                if (next <= rankings.teamCount && rankings.isTeam(team)) {
                    rankings.divisionOrder[static_cast<size_t>(next++)] = team;
                }
            }
            if (next - 1 > first) {
                SortRangeByPct(rankings, first, next - 1);
            }
            for (int32_t p = first; p < next; ++p) {
                group.teams.push_back(rankings.divisionOrder[static_cast<size_t>(p)]);
            }
        }
    }
    return groups;
}

} // namespace grd
