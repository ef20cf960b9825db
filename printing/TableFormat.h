#pragma once

#include "printing/CellAlignment.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// One column of a table format: "<" left, ">" right, "^" centred, then a width in the
// measure unit. A negative width counts by its size and keeps the grid off the column.
struct TableColumn {
    CellAlignment align = CellAlignment::Left;
    double width = 0;
    bool grid = true;
    bool operator==(const TableColumn&) const = default;
};

// The columns of format; a missing or unreadable width takes defaultWidth. An empty
// format is one column of defaultWidth.
std::vector<TableColumn> parseTableFormat(std::string_view format, char separator,
                                          double defaultWidth);

// The format rewritten column by column as alignment character and shortest width
// text; an empty format stays empty.
std::string normaliseTableFormat(std::string_view format, char separator, double defaultWidth);

// The format with every width converted (a change of measure unit).
std::string scaleTableFormat(std::string_view format, char separator, double defaultWidth,
                             const std::function<double(double)>& convert);

// A format made of columns, as normalised text.
std::string tableFormatText(const std::vector<TableColumn>& columns, char separator);

} // namespace grd
