#include "league/ScoreText.h"
#include "tasks/GameRange.h"
#include "tasks/ScoreSheet.h"
#include "tasks/TeamPair.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(ScoreText, acceptsOnlyWholeScoresFrom0To98) {
    EXPECT_EQ(parseScore("0").value(), 0);
    EXPECT_EQ(parseScore("98").value(), 98);
    for (const char* bad : {"99", "-1", "ab", "", "2.5", "1 2"}) {
        auto score = parseScore(bad);
        ASSERT_FALSE(score) << bad;
        EXPECT_EQ(score.failure().number, -23);
    }
}

TEST(TeamPair, picksAlternateAndTwoDifferentTeamsAreNeeded) {
    TeamPair pair;
    EXPECT_EQ(pair.check().failure().number, -24);
    pair.pick(5);
    EXPECT_EQ(pair.check().failure().number, -24);
    pair.pick(5);
    EXPECT_EQ(pair.check().failure().number, -24);
    pair.pick(7); // replaces the first team: turns alternate
    EXPECT_EQ(pair.first(), 7);
    EXPECT_EQ(pair.second(), 5);
    EXPECT_TRUE(pair.check());
    pair.clear();
    EXPECT_EQ(pair.first(), kEmptyMark);
    EXPECT_EQ(pair.turn(), 1);
}

TEST(ScoreSheet, nameColumnsRedirectToTheScoreMeant) {
    using C = GridCell;
    EXPECT_EQ(ScoreSheet::redirect({1, 3}, {3, 5}), (C{3, 5}));
    EXPECT_EQ(ScoreSheet::redirect({1, 3}, {0, 4}), (C{1, 4}));
    EXPECT_EQ(ScoreSheet::redirect({1, 3}, {2, 3}), (C{3, 3}));
    EXPECT_EQ(ScoreSheet::redirect({3, 3}, {0, 2}), (C{1, 2}));
    EXPECT_EQ(ScoreSheet::redirect({3, 3}, {2, 3}), (C{1, 3}));
    EXPECT_EQ(ScoreSheet::redirect({3, 3}, {2, 4}), (C{3, 4}));
}

TEST(ScoreSheet, firstBadScoreScansRowsFirstScoreFirst) {
    ScoreSheet sheet(3);
    sheet.setGame(0, {1, 2, "21", "14"});
    sheet.setGame(1, {3, 4, "7", ""});
    sheet.setGame(2, {5, 6, "x", "3"});
    EXPECT_EQ(sheet.firstBadScore(1), std::nullopt);
    EXPECT_EQ(sheet.firstBadScore(3), (GridCell{3, 1}));
    sheet.setScore({3, 1}, "10");
    sheet.setScore({0, 1}, "ignored");
    EXPECT_EQ(sheet.game(1).score2, "10");
    EXPECT_EQ(sheet.firstBadScore(3), (GridCell{1, 2}));
}

TEST(ScoreSheet, gridScrollsOnlyPastSixteenRows) {
    EXPECT_EQ(ScoreSheet::topRowFor(15), -1);
    EXPECT_EQ(ScoreSheet::topRowFor(16), 2);
}

TEST(GameRange, weeksFollowTheGameCounts) {
    std::vector<int32_t> counts{3, 16, 16, 14};
    EXPECT_EQ(gamesOfWeek(counts, 1), (GameRange{0, 16}));
    EXPECT_EQ(gamesOfWeek(counts, 3), (GameRange{32, 46}));
    EXPECT_EQ(gamesOfWeek(counts, 0).count(), 0);
    EXPECT_EQ(gamesOfWeek(counts, 4), (GameRange{46, 46}));
    EXPECT_EQ(gamesOfWeek({9, 16}, 2).count(), 0); // N larger than the table
}

} // namespace
} // namespace grd
