#include "tasks/ForecastSelection.h"
#include "tasks/QuickScoreEntry.h"
#include "tasks/SlowScoreEntry.h"
#include "tasks/TaskFixture.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::TaskFixture;
using Focus = Rejection::Focus;

class EntrySessions : public ::testing::Test {
protected:
    // A week whose score list holds four scheduled games: 1-2, 3-4, 5-6, 7-8.
    WeekData regularWeek(int currentWeek) {
        auto data = fx.weekData(currentWeek);
        for (int team = 1; team <= fx.kTeams; ++team) {
            fx.app.program.scoreTeams[static_cast<size_t>(team)] = team;
        }
        fx.app.program.scoreGameCount = 4;
        return data;
    }

    TaskFixture fx;
};

TEST_F(EntrySessions, quickEntryRejectsBadScoresAndPostsTheReviewedOnes) {
    QuickScoreEntry entry(regularWeek(2));
    EXPECT_EQ(entry.caption(), " GRD Oddsmith: Weekly Task: Enter Scores for Week 1");
    auto bad = entry.acceptGame("21", "99");
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->failure.number, -23);
    EXPECT_EQ(bad->focus, Focus::ScoreBox2);
    EXPECT_FALSE(entry.gameAccepted());
    for (int game = 0; game < 4; ++game) {
        EXPECT_EQ(entry.team1(), 2 * game + 1);
        EXPECT_FALSE(entry.acceptGame("30", "0"));
    }
    EXPECT_FALSE(entry.entering());

    entry.sheet().setScore({3, 2}, "");
    auto empty = entry.done();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->cell, (GridCell{3, 2}));
    EXPECT_FALSE(fx.app.program.rankingsUpdated);

    entry.sheet().setScore({3, 2}, "31"); // corrected: team 6 beats team 5
    EXPECT_FALSE(entry.done());
    EXPECT_EQ(fx.app.program.scores[6], 31);
    EXPECT_EQ(fx.app.rankings->teams[6].wins, 1);
    EXPECT_EQ(fx.app.rankings->teams[1].wins, 1);
    EXPECT_TRUE(fx.app.program.rankingsUpdated);
}

TEST_F(EntrySessions, quickEntryCancelAsksOnlyOnceAGameWasAccepted) {
    QuickScoreEntry entry(regularWeek(100));
    EXPECT_EQ(entry.caption(), " GRD Oddsmith: Weekly Task: Enter Scores for Week 3");
    EXPECT_EQ(entry.cancelQuestion(), 0);
    EXPECT_FALSE(entry.acceptGame("7", "3"));
    EXPECT_EQ(entry.cancelQuestion(), 9);
    entry.discard();
    EXPECT_EQ(fx.app.program.scores[1], kEmptyMark);
    EXPECT_FALSE(fx.app.program.rankingsUpdated);
}

TEST_F(EntrySessions, quickEntryOfAWeekWithoutGamesOnlyReviews) {
    auto data = fx.weekData(2);
    fx.app.program.scoreGameCount = 0;
    QuickScoreEntry entry(data);
    EXPECT_FALSE(entry.entering());
    EXPECT_FALSE(entry.acceptGame("1", "2"));
    EXPECT_FALSE(entry.done());
    EXPECT_FALSE(fx.app.program.rankingsUpdated);
}

TEST_F(EntrySessions, playoffEntryMarksUsedTeamsAndReviewsWhenTheRoundIsIn) {
    SlowScoreEntry entry(fx.weekData(101)); // the 2-game first playoff week
    EXPECT_EQ(entry.caption(), " GRD Oddsmith: Weekly Task: Enter Scores for Wild Card");
    EXPECT_EQ(entry.cancelQuestion(), 11);
    entry.pick(3);
    entry.pick(3);
    EXPECT_EQ(entry.enterGame("1", "2")->failure.number, -24);
    entry.pick(4);
    EXPECT_EQ(entry.enterGame("x", "2")->focus, Focus::ScoreBox1);
    EXPECT_FALSE(entry.enterGame("17", "20"));
    EXPECT_TRUE(entry.isUsed(4));
    EXPECT_FALSE(entry.pick(3));
    EXPECT_FALSE(entry.allGamesEnabled()); // a playoff week ends only when complete
    entry.pick(1);
    entry.pick(2);
    EXPECT_FALSE(entry.enterGame("14", "10"));
    EXPECT_FALSE(entry.entering());
    EXPECT_FALSE(entry.notDoneShown());
    EXPECT_EQ(fx.app.program.scoreGameCount, 2);
    EXPECT_EQ(entry.cancelQuestion(), 8);
    EXPECT_FALSE(entry.done());
    EXPECT_EQ(fx.app.rankings->teams[3].wins, 1); // the second pick replaced the first team
    EXPECT_EQ(fx.app.rankings->teams[1].wins, 1);
}

TEST_F(EntrySessions, otherEntryCanStopEarlyAndGoBackToEntering) {
    SlowScoreEntry entry(fx.weekData(104));
    entry.pick(5);
    entry.pick(8);
    EXPECT_FALSE(entry.enterGame("3", "3"));
    EXPECT_TRUE(entry.allGamesEnabled());
    entry.allGamesEntered();
    EXPECT_FALSE(entry.entering());
    EXPECT_TRUE(entry.notDoneShown());
    EXPECT_EQ(entry.reviewRows(), 1);
    entry.notDone();
    EXPECT_TRUE(entry.entering());
    EXPECT_FALSE(entry.cancelAnswered(false)); // declined: keeps entering
    EXPECT_TRUE(entry.cancelAnswered(true));
    EXPECT_EQ(fx.app.program.scores[1], kEmptyMark);
}

TEST_F(EntrySessions, otherEntryDeclinedCancelPicksTheFirstTeamNext) {
    SlowScoreEntry entry(fx.weekData(104));
    entry.pick(5);
    entry.pick(8);
    EXPECT_FALSE(entry.enterGame("3", "3"));
    entry.pick(1);
    EXPECT_EQ(entry.pair().turn(), 2);
    EXPECT_FALSE(entry.cancelAnswered(false));
    EXPECT_EQ(entry.pair().turn(), 1);
    EXPECT_EQ(entry.pair().first(), 1); // the pick stays; the next one replaces it
    entry.pick(2);
    EXPECT_EQ(entry.pair().first(), 2);
    EXPECT_EQ(entry.pair().second(), kEmptyMark);
}

TEST_F(EntrySessions, finalScoreEntryAsksAboutTheSuperBowl) {
    SlowScoreEntry entry(fx.weekData(103));
    EXPECT_EQ(entry.cancelQuestion(), 12);
    EXPECT_FALSE(entry.cancelAnswered(false));
    entry.pick(1);
    entry.pick(2);
    EXPECT_FALSE(entry.enterGame("20", "27"));
    EXPECT_FALSE(entry.entering()); // one game makes the final complete
    EXPECT_EQ(entry.cancelQuestion(), 13);
}

TEST_F(EntrySessions, additionalForecastsFillUpToTwoBeyondAWeekAndRollBack) {
    auto data = fx.weekData(2);
    auto& state = fx.app.program;
    state.forecastCount = 3;
    ForecastSelection selection(data);
    EXPECT_FALSE(selection.chooseAll());
    EXPECT_EQ(selection.cancelQuestion(), 0);
    EXPECT_EQ(selection.caption(),
              " GRD Oddsmith: Weekly Task: Choose Teams for Additional Forecasts");
    for (int k = 4; k <= 6; ++k) {
        selection.pick(1);
        selection.pick(2); // the same team may play in several forecasts
        EXPECT_FALSE(selection.forecastGame());
        EXPECT_TRUE(selection.doneEnabled());
    }
    EXPECT_TRUE(selection.full()); // M + 2 = 6
    EXPECT_FALSE(selection.pick(3));
    EXPECT_EQ(selection.cancelQuestion(), 7);
    selection.discard();
    EXPECT_EQ(state.forecastCount, 3);
    EXPECT_EQ(state.spreads[4], kNoSpread);
    EXPECT_EQ(state.spreads[6], kNoSpread);
}

TEST_F(EntrySessions, playoffForecastsWaitForTheWholeRoundAndTheFinalIsNeutral) {
    ForecastSelection wildCard(fx.weekData(100));
    EXPECT_TRUE(wildCard.chooseAll());
    EXPECT_EQ(wildCard.caption(), " GRD Oddsmith: Weekly Task: Choose Teams for Wild Card");
    EXPECT_EQ(wildCard.cancelQuestion(), 10);
    wildCard.pick(1);
    wildCard.pick(2);
    EXPECT_FALSE(wildCard.forecastGame());
    EXPECT_FALSE(wildCard.neutral());
    EXPECT_EQ(wildCard.spread(1), 2.0); // equal teams: the home team by its advantage
    EXPECT_EQ(wildCard.favourite(1), 2);
    EXPECT_FALSE(wildCard.doneEnabled());
    wildCard.pick(3);
    wildCard.pick(4);
    EXPECT_FALSE(wildCard.forecastGame());
    EXPECT_TRUE(wildCard.full());
    EXPECT_EQ(wildCard.cancelQuestion(), 6);

    ForecastSelection final(fx.weekData(102)); // after the last round before the final
    EXPECT_EQ(final.caption(), " GRD Oddsmith: Weekly Task: Choose Teams for Super Bowl");
    EXPECT_TRUE(final.neutral());
    final.pick(5);
    final.pick(6);
    EXPECT_FALSE(final.forecastGame());
    EXPECT_EQ(final.spread(1), 0.0);
    EXPECT_EQ(final.favourite(1), 5); // even: the order stays
    EXPECT_TRUE(final.full());
}

TEST_F(EntrySessions, weeksOutsideThePlayoffTableReadNoEntry) {
    fx.app.league.alignments[0].playoffGameCounts = {2};
    ForecastSelection selection(fx.weekData(101)); // 100 + P: beyond the one-week table
    selection.pick(1);
    selection.pick(2);
    EXPECT_FALSE(selection.forecastGame());
    EXPECT_FALSE(selection.full());
    EXPECT_FALSE(selection.doneEnabled());
    SlowScoreEntry entry(fx.weekData(112));
    EXPECT_EQ(entry.caption(), " GRD Oddsmith: Weekly Task: Enter Scores for ");
}

TEST(SpreadTexts, evenGamesReadAsVersus) {
    auto even = spreadTexts(0.0);
    EXPECT_EQ(even.relation + "|" + even.by + "|" + even.spread, " vs|| Even");
    auto three = spreadTexts(3.0);
    EXPECT_EQ(three.relation + "|" + three.by + "|" + three.spread, " over| by|  3.0");
}

} // namespace
} // namespace grd
