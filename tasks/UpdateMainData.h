#pragma once

#include "files/Failure.h"

#include <filesystem>

namespace grd {

constexpr const char* kOldMainDataFileName = "MAIN-DTA.OLD";

// Makes a new season's main data file from a main data or archive file: zero
// statistics, no scores or forecasts, week 1, the next season's label, and the
// ratings kept or set to the average team's. The result replaces MAIN-DTA.GRD in the
// input's directory, the previous one kept as MAIN-DTA.OLD. Nothing is replaced
// unless the whole input was understood and the backup was made.
Status UpdateMainData(const std::filesystem::path& input, bool keep);

} // namespace grd
