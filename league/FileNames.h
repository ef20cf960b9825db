#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

// The data files may come from a system whose file names ignore case: an existing
// file in dir whose name equals name but for letter case is found; otherwise the
// result is dir/name exactly, the name a new file is created with.
std::filesystem::path findFileIgnoringCase(const std::filesystem::path& dir, std::string_view name);

// The same for a full path: the directory part is taken as it is.
std::filesystem::path findFileIgnoringCase(const std::filesystem::path& path);

bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::string toLowerAscii(std::string_view text);

} // namespace grd
