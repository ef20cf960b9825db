#pragma once

#include "views/GridContent.h"

#include <string>
#include <vector>

namespace grd {

// The lines a schedule view prints, in report markup ("|" between cells, a leading
// "{$B}" for bold headings), from the view's grid. columnsMode 0 and above prints one
// column per page (regularWeeks numbers the week headings); -1 and -2 put two or three
// weeks of the complete schedule side by side.
std::vector<std::string> schedulePrintLines(const GridContent& grid, int columnsMode,
                                            int regularWeeks);

} // namespace grd
