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
              "GRD Oddsmith\r\n Caption \r\n C\t A\t B\r\n\t1\t\r\n  y\t\t x\r\n");
}

TEST(ClipboardText, emptyGridGivesTitlesAndHeaderOnly) {
    const GridContent grid(displayKind(kArchiveScoresWindow).titleList());
    EXPECT_EQ(gridClipboardText(" No Scores for x", grid, ColumnMap()),
              "GRD Oddsmith\r\n No Scores for x\r\n Team 1 \t\t Team 2 \t\r\n");
}

TEST(ClipboardText, informalForecastsNewestFirst) {
    EXPECT_EQ(forecastListClipboardText({"b", "a"}),
              "GRD Oddsmith\r\nInformal Forecasts\r\nb\r\na\r\n");
    EXPECT_EQ(forecastListClipboardText({}), "GRD Oddsmith\r\nInformal Forecasts\r\n");
}

} // namespace
} // namespace grd
