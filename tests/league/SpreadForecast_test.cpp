#include "EngineFixture.h"
#include "league/Format.h"
#include "league/SpreadForecast.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::averageTeams;

TEST(ShapeSpread, followsTheCurveOfRawDifferences) {
    struct Case {
        double raw;
        double shaped;
        long long spread;
    };
    const Case cases[] = {{0.49, 0.49, 0},  {0.5, 0.75, 1},     {1.0, 0.955, 1}, {2.0, 1.955, 2},
                          {2.75, 2.505, 3}, {2.9, 2.405, 2},    {3.0, 2.505, 3}, {4.5, 3.555, 4},
                          {5.0, 3.305, 3},  {6.5, 4.805, 5},    {7.0, 4.455, 4}, {8.0, 5.555, 6},
                          {10.0, 7.255, 7}, {20.0, 17.155, 17}, {2.51, 2.265, 2}};
    for (const Case& c : cases) {
        EXPECT_NEAR(ShapeSpread(c.raw), c.shaped, 1e-12) << c.raw;
        EXPECT_EQ(roundHalfEven(ShapeSpread(c.raw)), c.spread) << c.raw;
    }
}

struct Pair {
    ProgramState state;
    explicit Pair(int32_t first, int32_t second) {
        state.prepareWeekLists(4);
        state.forecastPairs[1] = first;
        state.forecastPairs[2] = second;
        state.forecastCount = 1;
    }
};

TEST(ForecastGame, equalTeamsAreEvenOnlyOnNeutralGround) {
    tRankings rankings = averageTeams(4);
    Pair neutral(1, 2);
    ForecastGame(rankings, neutral.state, true);
    EXPECT_EQ(neutral.state.spreads[1], 0.0);
    EXPECT_EQ(neutral.state.forecastPairs[1], 1);
    EXPECT_TRUE(neutral.state.spreadsForecast);

    Pair home(1, 2);
    ForecastGame(rankings, home.state, false);
    EXPECT_EQ(home.state.spreads[1], 2.0);
    EXPECT_EQ(home.state.forecastPairs[1], 2); // the home team is favoured and goes first
    EXPECT_EQ(home.state.forecastPairs[2], 1);
}

TEST(ForecastGame, strongerVisitorStaysFirst) {
    tRankings rankings = averageTeams(4);
    rankings.teams[3].total = 150; // 30.6 points against 20.4 + 2.51
    Pair pair(3, 4);
    ForecastGame(rankings, pair.state, false);
    double raw = 150 * 20.4 / 100 - (100 * 20.4 / 100 + 2.51);
    EXPECT_EQ(pair.state.spreads[1], static_cast<double>(roundHalfEven(ShapeSpread(raw))));
    EXPECT_EQ(pair.state.forecastPairs[1], 3);
}

TEST(ForecastGame, emptyOrMissingPairIsLeftAlone) {
    tRankings rankings = averageTeams(4);
    Pair empty(99, 99);
    ForecastGame(rankings, empty.state, false);
    EXPECT_EQ(empty.state.spreads[1], kNoSpread);
    EXPECT_FALSE(empty.state.spreadsForecast);
    empty.state.forecastCount = 50;
    ForecastGame(rankings, empty.state, false);
    EXPECT_FALSE(empty.state.spreadsForecast);
}

TEST(ForecastScheduledGames, forecastsEveryScheduledPairAndAsksForANewArchive) {
    tRankings rankings = averageTeams(4);
    rankings.teams[1].total = 120;
    ProgramState state;
    state.prepareWeekLists(4);
    const int32_t pairs[] = {0, 1, 2, 3, 4};
    std::copy(std::begin(pairs), std::end(pairs), state.forecastPairs.begin());
    state.forecastGameCount = 2;
    state.archiveSaved = true;
    ForecastScheduledGames(rankings, state);
    EXPECT_EQ(state.forecastCount, 2);
    EXPECT_EQ(state.forecastPairs[1], 1);
    EXPECT_EQ(state.spreads[1], 2.0); // 24.48 - 22.91 = 1.57, shaped 1.525
    EXPECT_EQ(state.forecastPairs[3], 4);
    EXPECT_EQ(state.spreads[2], 2.0);
    EXPECT_EQ(state.spreads[3], kNoSpread);
    EXPECT_FALSE(state.archiveSaved);
}

} // namespace
} // namespace grd
