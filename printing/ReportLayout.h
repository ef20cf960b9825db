#pragma once

#include "printing/CellAlignment.h"

#include <string>
#include <string_view>
#include <vector>

namespace grd {

// One column of a report table. Its width is the printed width, in the report's font,
// of widthSample.
struct ReportColumn {
    std::string widthSample;
    CellAlignment alignment = CellAlignment::Left;
    bool operator==(const ReportColumn&) const = default;
};

// The columns a report's rows are laid out in, left to right.
std::vector<ReportColumn> reportColumns(int kind);

// The column heading line printed once under the title row, cells joined by "|"; empty
// for the kinds without one. Team and division rankings mark the column of sortKey
// with "*" (division rankings also the percentage column, which orders each
// division); the spreads grids end with the spreads initials of their print options.
std::string columnHeadingLine(int kind, int sortKey, std::string_view initials);

// The text whose printed width the report's frame may narrow to; empty for the kinds
// that measure their bold title row instead (spreads plain and scores).
std::string reportWidthTemplate(int kind);

// The summary lines printed below the rows of a spreads grid; the first is followed
// by the block's game count in the W and S columns.
inline constexpr std::string_view kWeekCorrectLine = "Week correct / week predictions ";
inline constexpr std::string_view kWeekPercentLine = "% Week correct |%|%|%";
inline constexpr std::string_view kSeasonCorrectLine = "Season correct / season predictions ";
inline constexpr std::string_view kSeasonPercentLine = "% Season correct |%|%|%";

} // namespace grd
