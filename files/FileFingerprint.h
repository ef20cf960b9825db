#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace grd {

// What tells one version of a file from another: its size, its modification time and
// a hash of its bytes (a rewrite within the clock's resolution keeps the time).
struct FileFingerprint {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileFingerprint&) const = default;
};

// The fingerprint of the file as it stands; nothing when it cannot be read.
std::optional<FileFingerprint> fingerprintOf(const std::filesystem::path& file);

} // namespace grd
