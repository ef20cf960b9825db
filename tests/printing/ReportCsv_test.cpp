#include "printing/ReportCsv.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(ReportCsv, reportCellsLoseTheirStyleCommandsAndBlankLines) {
    EXPECT_EQ(reportCsv({"{$B}| AFC East", "", " 1|Buffalo| 119.2"}),
              ",AFC East\r\n1,Buffalo,119.2\r\n");
}

} // namespace
} // namespace grd
