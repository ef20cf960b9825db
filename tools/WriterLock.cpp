#include "tools/WriterLock.h"

#include <cstdio>
#include <string>

namespace grd::tool {

std::unique_ptr<DirectoryLock> lockForWriting(const char* command,
                                              const std::filesystem::path& dir) {
    auto lock = std::make_unique<DirectoryLock>(dir, std::string("grdtool ") + command);
    auto state = lock->state();
    if (state == DirectoryLock::State::Taken || state == DirectoryLock::State::Blocked) {
        std::fprintf(stderr, "grdtool %s: %s %s; nothing was written\n", command,
                     (dir.empty() ? std::filesystem::path(".") : dir).c_str(),
                     lock->whyNotWritable().c_str());
        return nullptr;
    }
    return lock;
}

} // namespace grd::tool
