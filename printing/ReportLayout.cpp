#include "printing/ReportLayout.h"

#include "printing/ReportKind.h"

#include <array>

namespace grd {
namespace {

constexpr const char* kPosition = "  99";
constexpr const char* kName = "  San Francisco";
constexpr const char* kTotal = "   999.9";
constexpr const char* kPoints = "  Pts+";
constexpr const char* kAverage = "  Avg+";
constexpr const char* kPercent = "   9.999";
constexpr const char* kSpread = " Spread";

constexpr auto kLeft = CellAlignment::Left;
constexpr auto kRight = CellAlignment::Right;

std::vector<ReportColumn> rankingsColumns() {
    return {{kPosition, kRight}, {kName, kLeft},     {kTotal, kRight},    {kPoints, kRight},
            {kPoints, kRight},   {kPoints, kRight},  {kPoints, kRight},   {kAverage, kRight},
            {kAverage, kRight},  {kPercent, kRight}, {kPosition, kRight}, {kPosition, kRight},
            {kPosition, kRight}};
}

std::vector<ReportColumn> categoryColumns() {
    std::vector<ReportColumn> columns = {{kPosition, kRight}};
    for (const char* value :
         {kTotal, kPoints, kPoints, kPoints, kPoints, kAverage, kAverage, kPercent}) {
        columns.push_back({value, kRight});
        columns.push_back({kName, kLeft});
    }
    return columns;
}

std::vector<ReportColumn> gridColumns() {
    constexpr auto kCentre = CellAlignment::Centre;
    return {{kPosition, kLeft}, {kName, kLeft},    {kSpread, kLeft},  {kPosition, kLeft},
            {kName, kLeft},     {kSpread, kLeft},  {kSpread, kRight}, {kPoints, kCentre},
            {kPoints, kCentre}, {kPoints, kCentre}};
}

// Where the "*" of each sort key goes in the rankings heading: the blank before its
// column's name (0-based), by sort key 1..8.
constexpr std::array<size_t, 9> kMarkPosition = {0, 2, 9, 14, 19, 25, 43, 31, 37};
constexpr size_t kPercentMark = 43;

std::string rankingsHeading(int kind, int sortKey) {
    std::string line = "|| Total| Off| Def| Pts+| Pts-| Avg+| Avg-| %  | W| L| T";
    if (kind == kDivisionReport) {
        line[kPercentMark] = '*';
    }
    if (sortKey >= 1 && sortKey <= 8) {
        line[kMarkPosition[static_cast<size_t>(sortKey)]] = '*';
    }
    return line;
}

} // namespace

std::vector<ReportColumn> reportColumns(int kind) {
    switch (kind) {
    case kTeamReport:
    case kDivisionReport:
        return rankingsColumns();
    case kCategoryReport:
        return categoryColumns();
    case kSpreadsPlainReport:
    case kArchiveSpreadsPlainReport:
        return {{kPosition, kLeft}, {kName, kLeft}, {kName, kLeft}, {kSpread, kRight}};
    case kSpreadsGridReport:
    case kArchiveSpreadsGridReport:
        return gridColumns();
    case kArchiveScoresReport:
        return {{kPosition, kLeft}, {kName, kLeft}, {kPosition, kRight},
                {kPosition, kLeft}, {kName, kLeft}, {kPosition, kRight}};
    default:
        return {};
    }
}

std::string columnHeadingLine(int kind, int sortKey, std::string_view initials) {
    switch (kind) {
    case kTeamReport:
    case kDivisionReport:
        return rankingsHeading(kind, sortKey);
    case kCategoryReport:
        return "| Total|| Off|| Def|| Pts+|| Pts-|| Avg+|| Avg-||  %";
    case kSpreadsGridReport:
    case kArchiveSpreadsGridReport:
        return "|Team 1|Score||Team 2|Score|Spread|W|S|" + std::string(initials);
    default:
        return {};
    }
}

std::string reportWidthTemplate(int kind) {
    switch (kind) {
    case kTeamReport:
    case kDivisionReport:
        return "  99  San Francisco   999.9  Pts+  Pts+  Pts+  Pts+  Avg+  Avg+   9.999  99  99  "
               "99  ";
    case kCategoryReport:
        return "  99   999.9  San Francisco  Pts+  San Francisco  Pts+  San Francisco  Pts+  San "
               "Francisco  Pts+  San Francisco  Avg+  San Francisco  Avg+  San Francisco   9.999 "
               " San Francisco  ";
    case kSpreadsGridReport:
    case kArchiveSpreadsGridReport:
        return "  99  San Francisco Spread  99  San Francisco Spread Spread  Pts+  Pts+  Pts+";
    default:
        return {};
    }
}

} // namespace grd
