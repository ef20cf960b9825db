#pragma once

#include "files/Failure.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace grd {

// Team numbers stay below the empty mark 99.
constexpr int kMaxSeasonTeams = 98;
// File versions times ten: 4.0 .. 5.9 are read, 5.1 is written and is the first
// version that stores the alignment, week and season.
constexpr int kOldestFileVersion = 40;
constexpr int kNewestFileVersion = 59;
constexpr int kCurrentFileVersion = 51;
constexpr const char* kCurrentVersionText = "5.1";

// The version of a season file's first line times ten, halves to even; nothing when
// the line does not start with a number.
std::optional<int> fileVersionOf(std::string_view firstLine);

// Reads a whole season file, refusing one too large to be one. The failure's detail
// names the file and the system's reason.
Status readSeasonFile(const std::filesystem::path& file, std::string& bytes);

} // namespace grd
