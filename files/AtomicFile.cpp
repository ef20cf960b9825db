#include "files/AtomicFile.h"

#include "files/DirectoryLock.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace grd {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
// Symbolic links are followed this far, as the system itself gives up on loops.
constexpr int kMaxLinks = 40;
// Names taken by other files are skipped, up to this many.
constexpr int kMaxNameTries = 1000;

std::atomic<ReplaceStepHook> stepHook{nullptr};

void step(ReplaceStep reached) {
    if (ReplaceStepHook hook = stepHook.load(); hook != nullptr) {
        hook(reached);
    }
}

bool fail(std::string* reason, WriteStage* stage, WriteStage where,
          const std::filesystem::path& target, int error) {
    if (reason != nullptr) {
        *reason = target.string() + ": " + std::strerror(error);
    }
    if (stage != nullptr) {
        *stage = where;
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

// Whether the file behind fd holds exactly bytes; errno says why not.
bool holds(int fd, std::string_view bytes) {
    char buffer[8192];
    off_t offset = 0;
    while (true) {
        ssize_t count = ::pread(fd, buffer, sizeof buffer, offset);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        auto at = static_cast<size_t>(offset);
        if (count == 0) {
            errno = EIO;
            return at == bytes.size();
        }
        auto size = static_cast<size_t>(count);
        if (at + size > bytes.size() ||
            bytes.compare(at, size, std::string_view(buffer, size)) != 0) {
            errno = EIO;
            return false;
        }
        offset += count;
    }
}

void syncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Why a link is not written through, for the message that names it.
constexpr const char* kForeignLink =
    "a symbolic link that is not yours or leads to a file that is not yours; not written through";
constexpr const char* kDanglingLink =
    "a symbolic link to a file that does not exist; a new file is not made through a link";

// The file a write to target lands in: the final target of a chain of links. Only a
// chain of the user's own links to the user's own existing file is followed, so a
// link planted in a shared folder cannot turn a write against another file.
bool resolveLinks(std::filesystem::path& target, const char*& refusal) {
    for (int depth = 0; depth < kMaxLinks; ++depth) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            if (depth == 0) {
                return true;
            }
            refusal = ::stat(target.c_str(), &status) != 0 ? kDanglingLink
                      : status.st_uid != ::geteuid()       ? kForeignLink
                                                           : nullptr;
            return refusal == nullptr;
        }
        if (status.st_uid != ::geteuid()) {
            refusal = kForeignLink;
            return false;
        }
        std::error_code error;
        std::filesystem::path link = std::filesystem::read_symlink(target, error);
        if (error) {
            errno = error.value();
            return false;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    errno = ELOOP;
    return false;
}

// A fresh temporary file beside target, opened exclusively; -1 with errno on failure.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    std::string prefix =
        target.string() + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-";
    for (int tries = 0; tries < kMaxNameTries; ++tries) {
        name = prefix + std::to_string(counter++);
        int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Gives the temporary file the owner and permission bits of the file it replaces.
bool keepPermissions(int fd, const struct stat& old) {
    // Only the superuser can give a file away; the bits matter either way.
    [[maybe_unused]] int owned = ::fchown(fd, old.st_uid, old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The process id a temporary file name carries; 0 when name is not one.
pid_t processOfTemporary(std::string_view name) {
    size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0) {
        return 0;
    }
    std::string_view rest = name.substr(mark + kTemporaryMark.size());
    size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) {
        return 0;
    }
    pid_t pid = 0;
    unsigned number = 0;
    auto first = std::from_chars(rest.data(), rest.data() + dash, pid);
    auto second = std::from_chars(rest.data() + dash + 1, rest.data() + rest.size(), number);
    bool whole = first.ptr == rest.data() + dash && second.ptr == rest.data() + rest.size();
    return whole && first.ec == std::errc() && second.ec == std::errc() && pid > 0 ? pid : 0;
}

} // namespace

bool isTemporaryFileName(std::string_view name) {
    return processOfTemporary(name) != 0;
}

void setReplaceStepHook(ReplaceStepHook hook) {
    stepHook.store(hook);
}

bool writeFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                         std::string* reason, WriteStage* stage, Links links) {
    std::filesystem::path target = requested;
    const char* refusal = nullptr;
    if (links == Links::FollowOwn && !resolveLinks(target, refusal)) {
        if (refusal != nullptr) {
            if (reason != nullptr) {
                *reason = requested.string() + ": " + refusal;
            }
            return fail(nullptr, stage, WriteStage::Create, requested, EPERM);
        }
        return fail(reason, stage, WriteStage::Create, requested, errno);
    }
    struct stat old {};
    // A link that is itself replaced lends the new file nothing of what it leads to.
    bool replacing = ::lstat(target.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
    // Root may write anything; a file with no write bit at all was made read-only on purpose.
    if (replacing && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        return fail(reason, stage, WriteStage::Create, requested, EACCES);
    }
    // A write stopped by a kill left these; a rerun must not leave them for good.
    removeStaleTemporaryFiles(target.parent_path(), [&](std::string_view name) {
        return name == target.filename().string();
    });
    std::string temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return fail(reason, stage, WriteStage::Create, requested, errno);
    }
    if (!writeAll(fd, bytes) || (replacing && !keepPermissions(fd, old)) || ::fsync(fd) != 0 ||
        !holds(fd, bytes)) {
        int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return fail(reason, stage, WriteStage::Write, requested, error);
    }
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return fail(reason, stage, WriteStage::Write, requested, error);
    }
    step(ReplaceStep::TemporaryWritten);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return fail(reason, stage, WriteStage::Replace, requested, error);
    }
    syncDirectory(target.parent_path());
    step(ReplaceStep::Replaced);
    return true;
}

int removeStaleTemporaryFiles(const std::filesystem::path& dir,
                              const std::function<bool(std::string_view)>& ownName) {
    // The lock's holder may be writing any of them right now.
    if (isHeldByAnother(dir.empty() ? "." : dir)) {
        return 0;
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(dir.empty() ? "." : dir, error);
    int removed = 0;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::string name = entries->path().filename().string();
        bool stale = isTemporaryFileName(name) &&
                     ownName(std::string_view(name).substr(0, name.rfind(kTemporaryMark)));
        std::error_code ignored;
        if (stale && entries->is_regular_file(ignored) &&
            std::filesystem::remove(entries->path(), ignored)) {
            ++removed;
        }
    }
    return removed;
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
