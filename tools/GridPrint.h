#pragma once

#include "views/GridContent.h"

namespace grd::tool {

// Prints grid to standard output: columns padded to their widest cell, the first
// left-aligned and the others right-aligned, the titles first.
void printGrid(const GridContent& grid);

} // namespace grd::tool
