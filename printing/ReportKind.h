#pragma once

#include <string>

namespace grd {

// The eight reports. Kinds 4 and 5 print the spreads forecast in this run, 6 and 7
// the spreads stored in a loaded archive, 8 the archive's scores.
enum ReportKind : int {
    kNoReport = 0,
    kTeamReport = 1,
    kDivisionReport = 2,
    kCategoryReport = 3,
    kSpreadsPlainReport = 4,
    kSpreadsGridReport = 5,
    kArchiveSpreadsPlainReport = 6,
    kArchiveSpreadsGridReport = 7,
    kArchiveScoresReport = 8,
};

constexpr int kReportKindCount = 8;

bool isReportKind(int kind);

// The title printed in the middle of a report's title row, blanks included.
std::string reportTitle(int kind);

} // namespace grd
