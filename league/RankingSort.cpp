#include "league/RankingSort.h"

#include "league/GapExchangeSort.h"

#include <algorithm>

namespace grd {

namespace {

double categoryValue(const TeamStats& team, int sortKey) {
    switch (sortKey) {
    case kSortTotal:
        return team.total;
    case kSortOffense:
        return team.offense;
    case kSortDefense:
        return team.defense;
    case kSortPointsFor:
        return team.pointsFor;
    case kSortPointsAgainst:
        return team.pointsAgainst;
    case kSortPercentage:
        return team.winPct;
    case kSortAvgFor:
        return team.avgPointsFor;
    default:
        return team.avgPointsAgainst;
    }
}

bool ascending(int sortKey) {
    return sortKey == kSortPointsAgainst || sortKey == kSortAvgAgainst;
}

// Every entry of positions first..last must name a team before values are looked up.
bool namesTeams(const tRankings& rankings, const std::vector<int32_t>& order, int32_t first,
                int32_t last) {
    return std::all_of(order.begin() + first, order.begin() + last + 1,
                       [&](int32_t team) { return rankings.isTeam(team); });
}

} // namespace

void SortRankings(tRankings& rankings, int sortKey) {
    int32_t count = rankings.teamCount;
    if (sortKey < 1 || sortKey > kSortKeyCount || count < 1 ||
        rankings.rankOrder.size() != static_cast<size_t>(count) + 1 ||
        rankings.teams.size() != rankings.rankOrder.size() ||
        !namesTeams(rankings, rankings.rankOrder, 1, count)) {
        return;
    }
    const auto& teams = rankings.teams;
    auto value = [&](int32_t team) {
        return categoryValue(teams[static_cast<size_t>(team)], sortKey);
    };
    if (ascending(sortKey)) {
        gapExchangeSort(rankings.rankOrder, 1, count, count / 2,
                        [&](int32_t a, int32_t b) { return value(a) > value(b); });
    } else {
        gapExchangeSort(rankings.rankOrder, 1, count, count / 2,
                        [&](int32_t a, int32_t b) { return !(value(a) >= value(b)); });
    }
}

void SortRangeByPct(tRankings& rankings, int32_t first, int32_t last) {
    auto& order = rankings.divisionOrder;
    if (first < 1 || first > last || static_cast<size_t>(last) >= order.size() ||
        rankings.teams.size() != static_cast<size_t>(rankings.teamCount) + 1 ||
        !namesTeams(rankings, order, first, last)) {
        return;
    }
    const auto& teams = rankings.teams;
    gapExchangeSort(order, first, last, last / 2, [&](int32_t a, int32_t b) {
        return !(teams[static_cast<size_t>(a)].winPct >= teams[static_cast<size_t>(b)].winPct);
    });
}

void BuildCategoryOrders(tRankings& rankings) {
    for (int key = 1; key <= kSortKeyCount; ++key) {
        SortRankings(rankings, key);
        rankings.categoryOrders[static_cast<size_t>(key)] = rankings.rankOrder;
    }
}

} // namespace grd
