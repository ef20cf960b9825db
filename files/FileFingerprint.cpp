#include "files/FileFingerprint.h"

#include <fstream>
#include <sys/stat.h>

namespace grd {

std::optional<FileFingerprint> fingerprintOf(const std::filesystem::path& file) {
    struct stat status {};
    std::ifstream in(file, std::ios::binary);
    if (!in || ::stat(file.c_str(), &status) != 0) {
        return std::nullopt;
    }
    FileFingerprint print;
    print.size = static_cast<std::uintmax_t>(status.st_size);
    print.modifiedNs =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    // FNV-1a: quick, and ample for telling a file from its own rewrite.
    print.hash = 14695981039346656037ull;
    char buffer[8192];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            print.hash = (print.hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
        }
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return print;
}

} // namespace grd
