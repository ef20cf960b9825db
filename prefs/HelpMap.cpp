#include "prefs/HelpMap.h"

#include "files/AtomicFile.h"
#include "league/Format.h"

#include <cstdint>
#include <system_error>

namespace grd {
namespace {

constexpr int kHelpMissing = -52;
constexpr int kHelpUnusable = -53;
constexpr std::uintmax_t kMaxMapSize = 1024 * 1024;

std::string_view trim(std::string_view text) {
    const char* blanks = " \t\r";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The first blank-separated word of text, removed from it.
std::string_view takeWord(std::string_view& text) {
    text = trim(text);
    std::size_t end = text.find_first_of(" \t");
    std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : trim(text.substr(end));
    return word;
}

} // namespace

Result<HelpMap> HelpMap::load(const std::filesystem::path& bundleDir) {
    std::filesystem::path map = bundleDir / kMapFileName;
    std::error_code error;
    std::string bytes;
    auto size = std::filesystem::file_size(map, error);
    if (error || size > kMaxMapSize || !readWholeFile(map, bytes))
        return Failure{kHelpMissing, quotedPath(bundleDir.string())};
    HelpMap parsed = parse(bytes);
    // A map without a single topic leaves nothing to show.
    if (parsed.topics_.empty())
        return Failure{kHelpUnusable, quotedPath(bundleDir.string())};
    return parsed;
}

HelpMap HelpMap::parse(std::string_view text) {
    HelpMap map;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        std::string_view contextWord = takeWord(line);
        std::string_view file = takeWord(line);
        std::optional<long long> context = parseInteger(contextWord);
        bool validContext = context && *context > 0 && *context <= INT32_MAX;
        // Topics lie inside the bundle.
        if (file.empty() || file.find("..") != std::string_view::npos ||
            (contextWord != "-" && !validContext))
            continue;
        map.topics_.push_back({contextWord == "-" ? 0 : static_cast<int>(*context),
                               std::string(file), std::string(line)});
    }
    return map;
}

std::string HelpMap::fileFor(int context) const {
    for (const Topic& topic : topics_) {
        if (context != 0 && topic.context == context)
            return topic.file;
    }
    return topics_.empty() ? std::string("index.html") : topics_.front().file;
}

std::vector<HelpMap::Topic> HelpMap::contents() const {
    std::vector<Topic> entries;
    for (const Topic& topic : topics_) {
        if (!topic.title.empty())
            entries.push_back(topic);
    }
    return entries;
}

} // namespace grd
