#pragma once

namespace grd {

// Where a cell's text sits in its column.
enum class CellAlignment { Left, Right, Centre };

} // namespace grd
