#include "files/DirectoryLock.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grd {

namespace {

// Lock files hold one short line; anything longer is not ours to trust.
constexpr size_t kMaxLockText = 256;
constexpr int kHolderReadTries = 50;

std::mutex heldMutex;
std::multiset<std::string>& heldDirs() {
    static std::multiset<std::string> dirs;
    return dirs;
}

std::string identity(const std::filesystem::path& dir) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(dir.empty() ? "." : dir, ignored).string();
}

int openLockFile(const std::filesystem::path& file, bool create) {
    int flags = O_CLOEXEC | O_NOFOLLOW | (create ? O_RDWR | O_CREAT : O_RDONLY);
    int fd = ::open(file.c_str(), flags, 0644);
    // A directory the user may only read still has its lock honoured through a reader.
    if (fd < 0 && create && (errno == EACCES || errno == EROFS)) {
        fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    }
    return fd;
}

LockHolder readHolder(int fd) {
    char text[kMaxLockText];
    ssize_t count = ::pread(fd, text, sizeof text, 0);
    LockHolder holder;
    if (count <= 0) {
        return holder;
    }
    std::string_view line(text, static_cast<size_t>(count));
    line = line.substr(0, line.find('\n'));
    size_t blank = line.find(' ');
    auto parsed = std::from_chars(line.data(), line.data() + line.size(), holder.pid);
    if (parsed.ec != std::errc() || holder.pid < 0 || blank == std::string_view::npos) {
        return {};
    }
    for (char c : line.substr(blank + 1)) {
        // Only what a program name holds, so a planted file cannot garble a message.
        if (c >= ' ' && c <= '~') {
            holder.program += c;
        }
    }
    return holder;
}

void writeHolder(int fd, std::string_view program) {
    std::string text = std::to_string(::getpid()) + " " + std::string(program) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] ssize_t written = ::pwrite(fd, text.data(), text.size(), 0);
    }
}

// Whether what stands at file, or was opened as fd, is a regular file; true when
// nothing stands there.
bool isRegularFile(const std::filesystem::path& file, int fd) {
    struct stat status {};
    if (fd >= 0) {
        return ::fstat(fd, &status) != 0 || S_ISREG(status.st_mode);
    }
    return ::lstat(file.c_str(), &status) != 0 || S_ISREG(status.st_mode);
}

bool tryLock(int fd, int kind) {
    while (::flock(fd, kind | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string LockHolder::describe() const {
    if (pid == 0) {
        return "another process";
    }
    return (program.empty() ? std::string("a program") : program) + " (process " +
           std::to_string(pid) + ")";
}

DirectoryLock::DirectoryLock(const std::filesystem::path& dir, std::string_view program)
    : identity_(identity(dir)) {
    const std::filesystem::path file = dir / kDirectoryLockFileName;
    fd_ = openLockFile(file, true);
    int error = errno;
    if (!isRegularFile(file, fd_)) {
        // Writing on would let a second writer in, as its lock would fail the same way.
        reason_ = file.string() + " is not a regular file; remove it";
        state_ = State::Blocked;
        closeLockFile();
        return;
    }
    if (fd_ < 0) {
        reason_ = file.string() + ": " + std::strerror(error);
        return;
    }
    if (!tryLock(fd_, LOCK_EX)) {
        // A holder that has only just locked writes its name a moment later.
        holder_ = readHolder(fd_);
        for (int tries = 0; holder_.pid == 0 && tries < kHolderReadTries; ++tries) {
            ::usleep(1000);
            holder_ = readHolder(fd_);
        }
        closeLockFile();
        state_ = State::Taken;
        return;
    }
    writeHolder(fd_, program);
    state_ = State::Held;
    std::lock_guard guard(heldMutex);
    heldDirs().insert(identity_);
}

DirectoryLock::~DirectoryLock() {
    if (state_ == State::Held) {
        std::lock_guard guard(heldMutex);
        heldDirs().erase(heldDirs().find(identity_));
    }
    closeLockFile();
}

void DirectoryLock::closeLockFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::string DirectoryLock::whyNotWritable() const {
    if (state_ == State::Blocked) {
        return "cannot be locked against other writers: " + reason_;
    }
    return "is in use by " + holder_.describe();
}

bool isHeldByThisProcess(const std::filesystem::path& dir) {
    std::lock_guard guard(heldMutex);
    return heldDirs().count(identity(dir)) != 0;
}

std::optional<LockHolder> lockHolderOtherThanThisProcess(const std::filesystem::path& dir) {
    if (isHeldByThisProcess(dir)) {
        return std::nullopt;
    }
    int fd = openLockFile(dir / kDirectoryLockFileName, false);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<LockHolder> holder;
    if (!tryLock(fd, LOCK_SH)) {
        holder = readHolder(fd);
    }
    ::close(fd);
    return holder;
}

bool isHeldByAnother(const std::filesystem::path& dir) {
    return lockHolderOtherThanThisProcess(dir).has_value();
}

} // namespace grd
