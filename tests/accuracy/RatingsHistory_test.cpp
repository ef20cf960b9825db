#include "accuracy/AccuracyFixture.h"
#include "accuracy/RatingsHistory.h"
#include "accuracy/SeasonArchives.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::kFixtureRegularWeeks;

std::vector<SeasonArchive> fixtureArchives() {
    auto league = test::viewsLeague();
    auto archives = readSeasonArchives(test::kAccuracyFixtureDir, ".25", league);
    EXPECT_TRUE(archives.ok());
    return archives.ok() ? archives.value() : std::vector<SeasonArchive>{};
}

std::vector<std::pair<int, double>> pairs(const std::vector<RatingPoint>& points) {
    std::vector<std::pair<int, double>> result;
    for (const auto& point : points) {
        result.emplace_back(point.weeksPlayed, point.value);
    }
    return result;
}

// The fixture's odd teams gain half a point of Total a week and the even ones lose
// it; Offense is a point above Total and Defense a point below.
TEST(RatingsHistory, weekByWeekThroughThePlayoffRound) {
    auto archives = fixtureArchives();
    using Points = std::vector<std::pair<int, double>>;
    EXPECT_EQ(pairs(ratingHistory(archives, 1, RatingKind::Total, kFixtureRegularWeeks)),
              (Points{{0, 97.0}, {1, 97.5}, {2, 98.0}, {3, 98.5}, {4, 99.0}}));
    EXPECT_EQ(pairs(ratingHistory(archives, 2, RatingKind::Total, kFixtureRegularWeeks)),
              (Points{{0, 98.0}, {1, 97.5}, {2, 97.0}, {3, 96.5}, {4, 96.0}}));
    EXPECT_EQ(ratingHistory(archives, 2, RatingKind::Offense, kFixtureRegularWeeks)[4].value, 97.0);
    EXPECT_EQ(ratingHistory(archives, 2, RatingKind::Defense, kFixtureRegularWeeks)[4].value, 95.0);
    EXPECT_TRUE(ratingHistory(archives, 7, RatingKind::Total, kFixtureRegularWeeks).empty());
}

TEST(RatingsHistory, highestTotalsOfTheLastArchive) {
    auto archives = fixtureArchives();
    EXPECT_EQ(highestTotals(archives, 3), (std::vector<int32_t>{5, 3, 6}));
    EXPECT_EQ(highestTotals(archives, 10).size(), 6u);
    EXPECT_TRUE(highestTotals({}, 6).empty());
}

TEST(RatingsHistory, teamsAreGroupedByDivision) {
    auto divisions = divisionsOf(test::viewsLeague());
    ASSERT_EQ(divisions.size(), 2u);
    EXPECT_EQ(divisions[0].name, "East Division");
    EXPECT_EQ(divisions[0].teams, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(divisions[1].teams, (std::vector<int32_t>{4, 5, 6}));
}

} // namespace
} // namespace grd
