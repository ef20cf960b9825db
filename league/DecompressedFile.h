#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace grd {

// The decompressed bytes of a shipped data file. A damaged container gives what was
// decoded before the damage (possibly nothing), for the reader's own checks to
// reject. Empty optional, with reason set, when the file cannot be read at all.
std::optional<std::string> readDecompressed(const std::filesystem::path& path, std::string& reason);

// The container of bytes, made with the smaller (LZHUF) codec.
std::string compressed(const std::string& bytes);

} // namespace grd
