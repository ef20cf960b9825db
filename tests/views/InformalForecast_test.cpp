#include "views/InformalForecast.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

const ForecastTeam kMiami{"Miami", 100.0};

TEST(InformalForecast, equalTotalsFavourTheHomeTeamOnlyWithItsAdvantage) {
    const ForecastTeam dallas{"Dallas", 100.0};
    // The advantage of 2.51 shapes to 2.265, which rounds to 2.
    EXPECT_EQ(informalForecastText(kMiami, dallas, true), "Dallas (w/ HTA) over Miami by  2");
    EXPECT_EQ(informalForecastText(kMiami, dallas, false), "Miami at Dallas EVEN (no HTA)");
}

TEST(InformalForecast, aSpreadRoundingToNothingIsEvenThoughOneTeamIsFavoured) {
    // 2.2 rating points are 0.449 points: below the half point that makes a spread.
    const ForecastTeam dallas{"Dallas", 102.2};
    EXPECT_EQ(informalForecastText(kMiami, dallas, false), "Miami at Dallas EVEN (no HTA)");
    // The visitor's 4.6 points of rating cancel the home advantage almost exactly.
    const ForecastTeam strongVisitor{"Miami", 112.3};
    EXPECT_EQ(informalForecastText(strongVisitor, {"Dallas", 100.0}, true),
              "Miami at Dallas (w/HTA) EVEN");
}

TEST(InformalForecast, aFavouredVisitorCarriesNoMarkAndTheHomeTeamDoes) {
    // 8.16 points better, 5.65 after the advantage: shaped 5.715 and 3.955.
    const ForecastTeam strong{"Miami", 140.0};
    EXPECT_EQ(informalForecastText(strong, {"Dallas", 100.0}, true),
              "Miami over Dallas (w/HTA) by  4");
    EXPECT_EQ(informalForecastText(strong, {"Dallas", 100.0}, false),
              "Miami over Dallas by  6 (no HTA)");
}

TEST(InformalForecast, usesTheShapingCurveOfTheWeeklyForecasts) {
    // A raw difference of 2.75 points shapes to 2.505, a whole spread of 3.
    const ForecastTeam visitor{"Miami", 100.0 + 2.75 * 100 / 20.4};
    EXPECT_EQ(informalForecastText(visitor, {"Dallas", 100.0}, false),
              "Miami over Dallas by  3 (no HTA)");
}

} // namespace
} // namespace grd
