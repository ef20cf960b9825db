#pragma once

#include "files/Failure.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace grd {

// An INI-style file: "[Section]" lines followed by "Key=Value" lines. Section and key
// names match ignoring case. Lines the program does not change are written back
// byte for byte, so settings of other parts of the program (or of other versions)
// survive a save.
class IniFile {
public:
    // A missing file reads as an empty one; an unreadable one gives a failure with
    // the given number and the system's message.
    static Result<IniFile> load(const std::filesystem::path& path, int failureNumber);
    static IniFile parse(std::string_view text);

    // The value of the first matching key, blanks and enclosing quotes removed.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string text(std::string_view section, std::string_view key,
                     std::string_view fallback) const;
    // A decimal integer; the fallback when the key is missing or not a number.
    long long integer(std::string_view section, std::string_view key, long long fallback) const;
    bool boolean(std::string_view section, std::string_view key, bool fallback) const;

    bool hasSection(std::string_view section) const;
    // The key names of a section, as written, in file order.
    std::vector<std::string> keys(std::string_view section) const;

    // Replaces the first matching key line (spelled as given) or adds one at the end of
    // the section, creating the section at the end of the file when needed.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void setInteger(std::string_view section, std::string_view key, long long value);
    void setBoolean(std::string_view section, std::string_view key, bool value);
    // Removes a section with all its lines.
    void removeSection(std::string_view section);

    std::string serialize() const;
    // Replaces the file atomically; the failure carries the given number.
    Status save(const std::filesystem::path& path, int failureNumber) const;

private:
    std::vector<std::string> lines_; // each with its own line end, if any
    std::string lineEnd_ = "\n";
    // Line numbers by lower-case name, kept in step with every edit: reading or writing
    // each of a hundred keys would otherwise parse the whole file again each time.
    std::vector<std::size_t> headers_;                      // every header line, in order
    std::unordered_map<std::string, std::size_t> sections_; // a name's first header
    std::unordered_map<std::string, std::size_t> keys_;     // first key of a name's first section

    void reindex();
    void insertLine(std::size_t at, std::string line);
    void replaceLine(std::size_t at, std::string line);

    // Index of the section's header line, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the first line after the section's body.
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t findKey(std::string_view section, std::string_view key) const;
};

} // namespace grd
