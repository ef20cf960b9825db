#pragma once

#include "views/ColumnMap.h"
#include "views/GridContent.h"

#include <string>
#include <string_view>
#include <vector>

namespace grd {

// A cell as a CSV field (RFC 4180): the text shown, without the blanks that align it,
// in quotes with its quotes doubled when it holds a comma, a quote or a line break.
std::string csvField(std::string_view text);

// A grid as CSV: the header row, then each data row, cells in display order, CR LF
// after each record.
std::string gridCsv(const GridContent& grid, const ColumnMap& columns = ColumnMap());

// Cells as one CSV record, CR LF at its end.
std::string csvRecord(const std::vector<std::string_view>& cells);

} // namespace grd
