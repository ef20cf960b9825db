#include "files/BoundedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grd {

namespace {

constexpr std::size_t kPiece = 1 << 16;

Failure failed(const std::filesystem::path& path, const std::string& what) {
    return {0, path.string() + ": " + what};
}

// Closes the descriptor on every path out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

} // namespace

Result<std::string> readBoundedFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                                    const ReadProgress& progress) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return failed(path, std::strerror(errno));
    }
    // Opening a pipe would wait for a writer; a device may never end.
    if (!S_ISREG(status.st_mode)) {
        return failed(path, "not a regular file (a device, a pipe or a folder)");
    }
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        return failed(path, std::strerror(errno));
    }
    // The name may have been swapped for something else since the check above.
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return failed(path, "not a regular file (a device, a pipe or a folder)");
    }
    auto total = static_cast<std::uint64_t>(status.st_size);
    std::string tooLarge = "larger than " + std::to_string(maxBytes >> 20) + " MiB";
    if (total > maxBytes) {
        return failed(path, tooLarge);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(total));
    char piece[kPiece];
    while (true) {
        ssize_t count = ::read(file.fd, piece, sizeof piece);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return failed(path, std::strerror(errno));
        }
        if (count == 0) {
            return bytes;
        }
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
            return failed(path, tooLarge);
        }
        bytes.append(piece, static_cast<std::size_t>(count));
        if (progress && !progress(bytes.size(), std::max<std::uint64_t>(total, bytes.size()))) {
            return failed(path, "cancelled");
        }
    }
}

} // namespace grd
