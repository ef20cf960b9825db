#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

// Replaces target with bytes: writes a temporary file beside it, flushes it to the
// disk and renames it over target. On failure target is left exactly as it was, the
// temporary file is removed, and reason (when given) receives the system's message.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* reason = nullptr);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace grd
