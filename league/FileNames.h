#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

// The data files may come from a system whose file names ignore case: an existing
// file in dir whose name equals name but for letter case is found; otherwise the
// result is dir/name exactly, the name a new file is created with.
std::filesystem::path findFileIgnoringCase(const std::filesystem::path& dir, std::string_view name);

// The same for a full path: the directory part is taken as it is.
std::filesystem::path findFileIgnoringCase(const std::filesystem::path& path);

// While one lives on this thread, findFileIgnoringCase lists each folder once rather
// than at every name that is missing: a command that writes many new files into a
// folder of many (a season's replay) would otherwise list it for each. Its files are
// still found when made under a name a lookup gave; scopes nest into the outermost.
class FolderListingScope {
public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;

private:
    bool outermost_;
};

// Whether a name read from a data file may name a file in the data directory: not
// empty, no path separator, no "..", no control character, so it cannot lead out.
bool isPlainFileName(std::string_view name);

// Whether name is one the program gives its own files in a data directory, ignoring
// case: the main data, revert, old-season, structure, schedule, names and
// configuration files, the fetched game records, the market lines, and archives (any
// plain name with a two-digit season extension, as playoff archives are named after
// their week).
bool isProgramFileName(std::string_view name);

bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::string toLowerAscii(std::string_view text);

} // namespace grd
