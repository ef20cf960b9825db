#include "views/CsvText.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(CsvText, fieldsAreTrimmedAndQuotedOnlyWhenTheyMustBe) {
    struct Case {
        const char* cell;
        const char* field;
    };
    for (auto [cell, field] :
         {Case{"  9.0", "9.0"}, Case{"LA Rams", "LA Rams"},
          Case{"Tampa Bay, FL", "\"Tampa Bay, FL\""}, Case{"the \"Bucs\"", "\"the \"\"Bucs\"\"\""},
          Case{"two\nlines", "\"two\nlines\""}, Case{"   ", ""}}) {
        EXPECT_EQ(csvField(cell), field) << cell;
    }
}

TEST(CsvText, gridsKeepTheDisplayOrder) {
    GridContent grid({"Team", " Total"});
    int row = grid.addRow();
    grid.set(row, 0, "Buffalo");
    grid.set(row, 1, " 119.2");
    ColumnMap swapped;
    swapped.move(0, 1);
    EXPECT_EQ(gridCsv(grid), "Team,Total\r\nBuffalo,119.2\r\n");
    EXPECT_EQ(gridCsv(grid, swapped), "Total,Team\r\n119.2,Buffalo\r\n");
}

} // namespace
} // namespace grd
