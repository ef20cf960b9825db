#pragma once

#include "files/Failure.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace grd {

// Told the bytes read so far and the file's size; returning false stops the read.
using ReadProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Reads a regular file of at most maxBytes in pieces. A device, a pipe or a folder is
// refused before anything is read from it (they may never end); so is a larger file.
// A stop asked for by progress fails with detail "cancelled". Failures name the path.
Result<std::string> readBoundedFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                                    const ReadProgress& progress = {});

} // namespace grd
