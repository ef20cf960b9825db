#include "EngineFixture.h"
#include "league/GapExchangeSort.h"
#include "league/RankingSort.h"

#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace grd {
namespace {

using test::averageTeams;

std::vector<int32_t> order(const tRankings& rankings) {
    return {rankings.rankOrder.begin() + 1, rankings.rankOrder.end()};
}

TEST(GapExchangeSort, halvesTheGapFromHalfTheCount) {
    for (auto [count, gaps] : {std::pair{31, std::set<int>{15, 7, 3, 1}},
                               std::pair{32, std::set<int>{16, 8, 4, 2, 1}}}) {
        std::vector<int32_t> positions(static_cast<size_t>(count) + 1);
        std::iota(positions.begin(), positions.end(), 0);
        std::set<int> seen;
        gapExchangeSort(positions, 1, count, count / 2, [&](int32_t a, int32_t b) {
            seen.insert(b - a); // nothing is exchanged, so entries are positions
            return false;
        });
        EXPECT_EQ(seen, gaps) << count;
    }
}

TEST(SortRankings, ordersByEveryCategoryInItsDirection) {
    tRankings rankings = averageTeams(4);
    const double totals[] = {0, 90, 110, 100, 120};
    const int16_t allowed[] = {0, 50, 20, 40, 30};
    for (size_t team = 1; team <= 4; ++team) {
        rankings.teams[team].total = totals[team];
        rankings.teams[team].pointsAgainst = allowed[team];
        rankings.teams[team].avgPointsAgainst = allowed[team] / 2.0;
    }
    SortRankings(rankings, kSortTotal);
    EXPECT_EQ(order(rankings), (std::vector<int32_t>{4, 2, 3, 1}));
    SortRankings(rankings, kSortPointsAgainst);
    EXPECT_EQ(order(rankings), (std::vector<int32_t>{2, 4, 3, 1}));
    SortRankings(rankings, kSortAvgAgainst);
    EXPECT_EQ(order(rankings), (std::vector<int32_t>{2, 4, 3, 1}));
}

TEST(SortRankings, sortedOrderAndUnknownKeysChangeNothing) {
    tRankings rankings = averageTeams(32);
    for (size_t team = 1; team <= 32; ++team) {
        rankings.teams[team].total = 100.0 + static_cast<double>((team * 7) % 5); // many ties
        rankings.teams[team].wins = static_cast<int16_t>(team % 3);
    }
    SortRankings(rankings, kSortTotal);
    std::vector<int32_t> sorted = order(rankings);
    SortRankings(rankings, kSortTotal);
    EXPECT_EQ(order(rankings), sorted);
    SortRankings(rankings, 0);
    SortRankings(rankings, 9);
    EXPECT_EQ(order(rankings), sorted);
    for (size_t i = 1; i < 32; ++i) {
        EXPECT_GE(rankings.teams[static_cast<size_t>(sorted[i - 1])].total,
                  rankings.teams[static_cast<size_t>(sorted[i])].total);
    }
}

TEST(SortRankings, equalTeamsFollowTheExchangeSequence) {
    // Totals 1, 2, 2, 3: the gap-2 pass exchanges positions 1 and 3, and 2 and 4, which
    // puts team 3 ahead of team 2 although they are equal; a stable sort would not.
    tRankings rankings = averageTeams(4);
    const double totals[] = {0, 1, 2, 2, 3};
    for (size_t team = 1; team <= 4; ++team) {
        rankings.teams[team].total = totals[team];
    }
    SortRankings(rankings, kSortTotal);
    EXPECT_EQ(order(rankings), (std::vector<int32_t>{4, 3, 2, 1}));
}

TEST(SortRangeByPct, sortsOnlyTheRangeWithItsOwnFirstGap) {
    tRankings rankings = averageTeams(6);
    const double pct[] = {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6};
    for (size_t team = 1; team <= 6; ++team) {
        rankings.teams[team].winPct = pct[team];
    }
    SortRangeByPct(rankings, 4, 6);
    EXPECT_EQ(rankings.divisionOrder, (std::vector<int32_t>{0, 1, 2, 3, 6, 5, 4}));
    SortRangeByPct(rankings, 5, 9); // past the end: refused, not read
    SortRangeByPct(rankings, 3, 2);
    EXPECT_EQ(rankings.divisionOrder, (std::vector<int32_t>{0, 1, 2, 3, 6, 5, 4}));
}

TEST(BuildCategoryOrders, fillsEveryKeyAndLeavesTheLastOrder) {
    tRankings rankings = averageTeams(3);
    rankings.teams[1].total = 90;
    rankings.teams[2].total = 110;
    rankings.teams[1].avgPointsAgainst = 30;
    rankings.teams[2].avgPointsAgainst = 10;
    rankings.teams[3].avgPointsAgainst = 20;
    BuildCategoryOrders(rankings);
    EXPECT_EQ(rankings.categoryOrders[kSortTotal], (std::vector<int32_t>{0, 2, 3, 1}));
    EXPECT_EQ(rankings.categoryOrders[kSortAvgAgainst], (std::vector<int32_t>{0, 2, 3, 1}));
    EXPECT_EQ(rankings.rankOrder, rankings.categoryOrders[kSortAvgAgainst]);
}

} // namespace
} // namespace grd
