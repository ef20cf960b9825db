#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

constexpr const char* kRevertFileName = "main-dta.rvt";

// Whether a file's text starts like a main data file: a version from 4.0 to 5.9, then "MD".
bool HasMainDataHeadText(std::string_view bytes);
// Whether file starts like a main data file: a version from 4.0 to 5.9, then "MD".
bool HasMainDataHead(const std::filesystem::path& file);

// Copies the program directory's main data file to the revert file when it looks like
// one; true exactly when the copy was made, which enables Revert.
bool MakeRevertCopy(const std::string& programDir);

// Removes the revert file at shutdown; a failure does not matter then.
void DeleteRevertCopy(const std::string& programDir);

} // namespace grd
