#include "views/ClipboardText.h"
#include "views/ColumnMap.h"
#include "views/DisplayKind.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(ColumnMap, movingAColumnKeepsOrderAndInverseInStep) {
    ColumnMap map;
    map.move(1, 0); // the Team column to the front
    EXPECT_EQ(map.logicalAt(0), 1);
    EXPECT_EQ(map.logicalAt(1), 0);
    map.move(0, 4);
    EXPECT_EQ(map.logicalAt(4), 1);
    EXPECT_EQ(map.logicalAt(0), 0);
    EXPECT_EQ(map.logicalAt(3), 4);
    for (int k = 0; k < kMaxColumns; ++k) {
        EXPECT_EQ(map.logicalAt(map.displayOf(k)), k);
    }
}

TEST(ColumnMap, refusesOrdersThatAreNoPermutation) {
    ColumnMap map;
    map.move(2, 5);
    const auto before = map.order();
    std::array<int, kMaxColumns> twice{};
    EXPECT_FALSE(map.setOrder(twice));
    std::array<int, kMaxColumns> outside = before;
    outside[0] = kMaxColumns;
    EXPECT_FALSE(map.setOrder(outside));
    map.move(-1, 3);
    map.move(0, kMaxColumns);
    EXPECT_EQ(map.order(), before);
}

TEST(ClipboardText, listsCaptionHeaderAndRowsInDisplayOrder) {
    GridContent grid({" A", " B", " C"});
    grid.set(grid.addRow(), 0, "1");
    const int row = grid.addRow();
    grid.set(row, 1, " x");
    grid.set(row, 2, "  y");
    ColumnMap columns;
    columns.move(2, 0);
    EXPECT_EQ(gridClipboardText(" Caption ", grid, columns),
              "GRD Oddsmith\n Caption \n C\t A\t B\n\t1\t\n  y\t\t x\n");
}

TEST(ClipboardText, emptyGridGivesTitlesAndHeaderOnly) {
    const GridContent grid(displayKind(kArchiveScoresWindow).titleList());
    EXPECT_EQ(gridClipboardText(" No Scores for x", grid, ColumnMap()),
              "GRD Oddsmith\n No Scores for x\n Team 1 \t\t Team 2 \t\n");
}

TEST(ClipboardText, informalForecastsNewestFirst) {
    EXPECT_EQ(forecastListClipboardText({"b", "a"}), "GRD Oddsmith\nInformal Forecasts\nb\na\n");
    EXPECT_EQ(forecastListClipboardText({}), "GRD Oddsmith\nInformal Forecasts\n");
}

} // namespace
} // namespace grd
