#include "views/DisplayGeometry.h"
#include "views/LayoutZOrder.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

// Eight pixels per character.
int eightEach(const std::string& text) {
    return 8 * static_cast<int>(text.size());
}

TEST(DisplayGeometry, nameColumnsGetTheWidestNameAdded) {
    const auto widths = columnWidths(displayKind(kArchiveScoresWindow), eightEach, 100);
    EXPECT_EQ(widths, (std::vector<int>{116, 32, 116, 32}));
    const auto category = columnWidths(displayKind(kCategoryRankWindow), eightEach, 40);
    EXPECT_EQ(category[0], 48);
    EXPECT_EQ(category[1], 72 + 40);
    EXPECT_EQ(widestName({"Miami", "San Francisco"}, eightEach, 3), 24);
    EXPECT_EQ(widestName({"Miami", "San Francisco"}, eightEach), 104);
}

TEST(DisplayGeometry, windowsOpenAtTheirPlaceNarrowedToTheFreeWidth) {
    const FrameMetrics frame{2, 16, 4};
    const WindowRect scores =
        initialRect(displayKind(kArchiveScoresWindow), eightEach, 100, frame, 1000, 700);
    EXPECT_EQ(scores, (WindowRect{31, 61, 296 + 8 + 16 + 16 + 10, 700 - 61 - 6}));
    const WindowRect team =
        initialRect(displayKind(kTeamRankWindow), eightEach, 300, frame, 600, 700);
    EXPECT_EQ(team.width, 600 - 21 - 10);
}

TEST(DisplayGeometry, heightFittingShrinksButNeverGrows) {
    EXPECT_EQ(fittedClientHeight(500, 20, 1, 4, 30), 21 * 4 + 5 + 30);
    EXPECT_EQ(fittedClientHeight(100, 20, 1, 40, 0), 100);
    EXPECT_EQ(fittedClientHeight(500, 20, 1, 4, -30), 21 * 4 + 5);
}

TEST(DisplayGeometry, scheduleWindowFollowsItsViewUpToTheFreeHeight) {
    // Fewer rows: the client area shrinks to fit them.
    EXPECT_EQ(scheduleWindowHeight(400, 370, 20, 0, 3, 30, 30, 900, 101), 400 - (370 - 95));
    // More rows: the window grows, but not past the free height below its top.
    EXPECT_EQ(scheduleWindowHeight(400, 370, 20, 0, 20, 30, 30, 900, 101), 30 + 405 + 30);
    EXPECT_EQ(scheduleWindowHeight(400, 370, 20, 0, 60, 30, 30, 900, 101), 900 - 101 - 6);
}

TEST(LayoutZOrder, defaultLayoutOpensWhatTheDataCanShowTopmostLast) {
    const LayoutZOrder order = LayoutZOrder::defaultOrder();
    EXPECT_EQ(layoutWindowsToOpen(order, {true, false, false}),
              (std::vector<int>{kCategoryRankWindow, kDivisionRankWindow, kTeamRankWindow}));
    EXPECT_EQ(layoutWindowsToOpen(order, {true, true, false}),
              (std::vector<int>{kCategoryRankWindow, kDivisionRankWindow, kTeamRankWindow,
                                kSpreadsWindow}));
    EXPECT_EQ(layoutWindowsToOpen(order, {true, false, true}),
              (std::vector<int>{kCategoryRankWindow, kDivisionRankWindow, kTeamRankWindow,
                                kArchiveScoresWindow, kArchiveSpreadsWindow}));
    EXPECT_TRUE(layoutWindowsToOpen(order, {}).empty());
}

TEST(LayoutZOrder, damagedListsOpenEachKnownWindowOnce) {
    LayoutZOrder order;
    order.entries = {40, kScheduleWindow, 9, kScheduleWindow, -3, kTeamRankWindow};
    EXPECT_EQ(layoutWindowsToOpen(order, {true, false, false}),
              (std::vector<int>{kTeamRankWindow, kScheduleWindow}));
}

} // namespace
} // namespace grd
