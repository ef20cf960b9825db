#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace grd {

// The lock file every process that writes a data directory holds for as long as it
// may write, so that two writers never mix their saves.
inline constexpr const char* kDirectoryLockFileName = ".grdodds.lock";

// Who holds a data directory's lock, as its lock file tells.
struct LockHolder {
    long pid = 0;        // 0 when the holder has not written it yet
    std::string program; // "grdtool replay", "Oddsmith"
    // "Oddsmith (process 1234)", or "another process" when unknown.
    std::string describe() const;
};

// An advisory lock (flock) on the lock file of a data directory. The kernel drops
// it when the process ends, however it ends, so a killed run never blocks the next.
class DirectoryLock {
public:
    enum class State {
        Held,       // this object holds the lock
        Taken,      // another process holds it: holder() says who
        Blocked,    // a link or a folder stands where the lock file goes: nobody can hold it
        Unavailable // no lock file can be made: a directory nobody may write
    };

    // Tries once, without waiting; program is written into the lock file for others.
    DirectoryLock(const std::filesystem::path& dir, std::string_view program);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    const LockHolder& holder() const { return holder_; }
    // Why the lock file could not be made, when Unavailable or Blocked.
    const std::string& reason() const { return reason_; }
    // Why nobody may write the directory now, when Taken or Blocked, to follow the
    // directory's name: "is in use by Oddsmith (process 12)".
    std::string whyNotWritable() const;

private:
    void closeLockFile();

    int fd_ = -1;
    State state_ = State::Unavailable;
    LockHolder holder_;
    std::string reason_;
    std::string identity_; // the directory's canonical path
};

// Whether a process other than this one holds dir's lock; who, when known.
std::optional<LockHolder> lockHolderOtherThanThisProcess(const std::filesystem::path& dir);
bool isHeldByAnother(const std::filesystem::path& dir);

// Whether this process holds dir's lock through a DirectoryLock.
bool isHeldByThisProcess(const std::filesystem::path& dir);

} // namespace grd
