#pragma once

#include <string>
#include <vector>

namespace grd {

// Report lines, cells split by "|", as CSV records; their style commands ("{$B}") and
// blank lines are left out.
std::string reportCsv(const std::vector<std::string>& lines);

} // namespace grd
