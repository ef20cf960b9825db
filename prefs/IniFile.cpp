#include "prefs/IniFile.h"

#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/Format.h"

#include <algorithm>
#include <system_error>

namespace grd {
namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);
// A configuration file is a few kilobytes; anything far larger is not one of ours and
// is refused rather than read into memory.
constexpr std::uintmax_t kMaxFileSize = 4 * 1024 * 1024;

std::string_view trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool isComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The section name of a header line, or nullopt for other lines.
std::optional<std::string_view> headerName(std::string_view line) {
    std::string_view trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(trimmed.substr(1, close - 1));
}

// The key and value of a "key=value" line, or nullopt for other lines.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    std::string_view trimmed = trim(line);
    if (trimmed.empty() || isComment(trimmed) || trimmed.front() == '[')
        return std::nullopt;
    std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return std::pair{trim(trimmed.substr(0, equals)), trim(trimmed.substr(equals + 1))};
}

std::string_view lineEndOf(std::string_view line) {
    if (line.ends_with("\r\n"))
        return "\r\n";
    if (line.ends_with("\n"))
        return "\n";
    return {};
}

// Where a name's first key sits in the index.
std::string keyIndex(std::string_view section, std::string_view key) {
    return toLowerAscii(section) + '\n' + toLowerAscii(key);
}

// What a line means to the index: a header's name, a key's name, or nothing.
std::string indexedName(std::string_view line) {
    if (auto name = headerName(line))
        return "[" + toLowerAscii(*name) + "]";
    if (auto entry = keyValue(line))
        return toLowerAscii(entry->first) + "=";
    return {};
}

} // namespace

Result<IniFile> IniFile::load(const std::filesystem::path& path, int failureNumber) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return IniFile{};
    auto size = std::filesystem::file_size(path, error);
    if (error)
        return Failure{failureNumber, path.string() + ": " + error.message()};
    if (size > kMaxFileSize)
        return Failure{failureNumber, path.string() + ": the file is too large"};
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return Failure{failureNumber, path.string() + ": the file cannot be read"};
    return parse(bytes);
}

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        file.lines_.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    if (!file.lines_.empty() && lineEndOf(file.lines_.front()) == "\r\n")
        file.lineEnd_ = "\r\n";
    file.reindex();
    return file;
}

void IniFile::reindex() {
    headers_.clear();
    sections_.clear();
    keys_.clear();
    std::string section;
    bool firstOfName = false; // keys of a repeated section are never found
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = headerName(lines_[i])) {
            headers_.push_back(i);
            section = toLowerAscii(*name);
            firstOfName = sections_.emplace(section, i).second;
        } else if (auto entry = keyValue(lines_[i]); entry && firstOfName) {
            keys_.emplace(keyIndex(section, entry->first), i);
        }
    }
}

void IniFile::insertLine(std::size_t at, std::string line) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    // A new header splits a section; that is rare enough to index afresh.
    if (headerName(lines_[at])) {
        reindex();
        return;
    }
    auto shift = [at](std::size_t& index) { index += index >= at ? 1 : 0; };
    std::for_each(headers_.begin(), headers_.end(), shift);
    for (auto& entry : sections_)
        shift(entry.second);
    for (auto& entry : keys_)
        shift(entry.second);
    auto entry = keyValue(lines_[at]);
    auto next = std::upper_bound(headers_.begin(), headers_.end(), at);
    if (!entry || next == headers_.begin())
        return;
    std::size_t header = *std::prev(next);
    std::string section = toLowerAscii(*headerName(lines_[header]));
    if (sections_.at(section) != header)
        return;
    auto [slot, added] = keys_.emplace(keyIndex(section, entry->first), at);
    if (!added && slot->second > at)
        slot->second = at;
}

void IniFile::replaceLine(std::size_t at, std::string line) {
    bool sameName = indexedName(lines_[at]) == indexedName(line);
    lines_[at] = std::move(line);
    if (!sameName)
        reindex();
}

std::size_t IniFile::findSection(std::string_view section) const {
    auto found = sections_.find(toLowerAscii(section));
    return found == sections_.end() ? npos : found->second;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    auto next = std::upper_bound(headers_.begin(), headers_.end(), header);
    return next == headers_.end() ? lines_.size() : *next;
}

std::size_t IniFile::findKey(std::string_view section, std::string_view key) const {
    auto found = keys_.find(keyIndex(section, key));
    return found == keys_.end() ? npos : found->second;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    std::size_t line = findKey(section, key);
    if (line == npos)
        return std::nullopt;
    std::string_view text = keyValue(lines_[line])->second;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::string IniFile::text(std::string_view section, std::string_view key,
                          std::string_view fallback) const {
    auto found = value(section, key);
    return found ? *found : std::string(fallback);
}

long long IniFile::integer(std::string_view section, std::string_view key,
                           long long fallback) const {
    auto found = value(section, key);
    if (!found)
        return fallback;
    return parseInteger(*found).value_or(fallback);
}

bool IniFile::boolean(std::string_view section, std::string_view key, bool fallback) const {
    return integer(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != npos;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> names;
    std::size_t header = findSection(section);
    if (header == npos)
        return names;
    std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (auto entry = keyValue(lines_[i]))
            names.emplace_back(entry->first);
    }
    return names;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    // Quotes keep blanks at the ends, and quotes of the value itself, when read back.
    bool quote =
        !value.empty() && (trim(value).size() != value.size() ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    std::string line =
        std::string(key) + "=" + (quote ? "\"" : "") + std::string(value) + (quote ? "\"" : "");
    // A line break inside a value would split it into lines of their own.
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    std::size_t existing = findKey(section, key);
    if (existing != npos) {
        std::string_view end = lineEndOf(lines_[existing]);
        replaceLine(existing, line + std::string(end.empty() ? lineEnd_ : end));
        return;
    }
    // Whatever follows now needs the last line to be finished.
    if (!lines_.empty() && lineEndOf(lines_.back()).empty())
        replaceLine(lines_.size() - 1, lines_.back() + lineEnd_);
    std::size_t header = findSection(section);
    if (header == npos) {
        if (!lines_.empty() && !trim(lines_.back()).empty())
            insertLine(lines_.size(), lineEnd_);
        insertLine(lines_.size(), "[" + std::string(section) + "]" + lineEnd_);
        insertLine(lines_.size(), line + lineEnd_);
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    std::size_t at = sectionEnd(header);
    while (at > header + 1 && trim(lines_[at - 1]).empty())
        --at;
    insertLine(at, line + lineEnd_);
}

void IniFile::setInteger(std::string_view section, std::string_view key, long long value) {
    setValue(section, key, std::to_string(value));
}

void IniFile::setBoolean(std::string_view section, std::string_view key, bool value) {
    setValue(section, key, value ? "1" : "0");
}

void IniFile::removeSection(std::string_view section) {
    std::size_t header = findSection(section);
    if (header == npos)
        return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
    reindex();
}

std::string IniFile::serialize() const {
    std::string bytes;
    for (const std::string& line : lines_)
        bytes += line;
    return bytes;
}

Status IniFile::save(const std::filesystem::path& path, int failureNumber) const {
    std::string reason;
    if (!writeFileAtomically(path, serialize(), &reason))
        return Failure{failureNumber, reason};
    return Ok{};
}

} // namespace grd
