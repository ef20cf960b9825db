#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace grd::test {

// A fresh directory under the system temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The directory as the program names its directories: with a trailing separator.
    std::string dir() const { return path_.string() + "/"; }
    std::filesystem::path write(std::string_view name, std::string_view content) const;
    std::string read(std::string_view name) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);

// Every file of dir by name with what it holds, to show what a command changed; the
// writers' lock file is left out, as it names whichever process held it last.
std::map<std::string, std::string> contentsOf(const std::filesystem::path& dir);

} // namespace grd::test
