#pragma once

#include "files/DirectoryLock.h"

#include <filesystem>
#include <memory>

namespace grd::tool {

// Takes the data directory's lock for a command that writes it, for the rest of the
// run. Nothing, after a message on standard error naming the holder, when another
// process holds it, or naming the lock file, when it is no file. A directory where no lock file can
// be made cannot be written either: the command goes on and its own writes report why.
std::unique_ptr<DirectoryLock> lockForWriting(const char* command,
                                              const std::filesystem::path& dir);

} // namespace grd::tool
