#include "files/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace grd {

namespace {

bool fail(std::string* reason, const std::string& what, int error) {
    if (reason != nullptr) {
        *reason = what + ": " + std::strerror(error);
    }
    return false;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

void syncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* reason) {
    // A name of our own beside the target; created exclusively, with the user's umask.
    static std::atomic<unsigned> counter{0};
    std::string pattern =
        target.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    int fd = ::open(pattern.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return fail(reason, target.string(), errno);
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        int error = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        return fail(reason, target.string(), error);
    }
    if (::close(fd) != 0 || ::rename(pattern.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(pattern.c_str());
        return fail(reason, target.string(), error);
    }
    syncDirectory(target.parent_path());
    return true;
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    bytes = std::move(content).str();
    return true;
}

} // namespace grd
