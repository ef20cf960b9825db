#include "tools/WriterLock.h"

#include <cstdio>
#include <string>

namespace grd::tool {

std::unique_ptr<DirectoryLock> lockForWriting(const char* command,
                                              const std::filesystem::path& dir) {
    auto lock = std::make_unique<DirectoryLock>(dir, std::string("grdtool ") + command);
    if (lock->state() == DirectoryLock::State::Taken) {
        std::fprintf(stderr, "grdtool %s: %s is in use by %s; nothing was written\n", command,
                     (dir.empty() ? std::filesystem::path(".") : dir).c_str(),
                     lock->holder().describe().c_str());
        return nullptr;
    }
    return lock;
}

} // namespace grd::tool
