#pragma once

#include "views/ColumnMap.h"
#include "views/GridContent.h"

#include <string>
#include <vector>

namespace grd {

// A window's grid as the clipboard gets it: "GRD Oddsmith" and the caption, then the
// header and every data row, cells in display order, TAB between cells, CR LF after
// each line. Cells keep their leading blanks.
std::string gridClipboardText(const std::string& caption, const GridContent& grid,
                              const ColumnMap& columns);

// The informal forecasts list, newest first, under its own title.
std::string forecastListClipboardText(const std::vector<std::string>& entries);

} // namespace grd
