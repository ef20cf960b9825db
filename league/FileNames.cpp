#include "league/FileNames.h"

#include <algorithm>

namespace grd {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
    return lower;
}

std::filesystem::path findFileIgnoringCase(const std::filesystem::path& dir,
                                           std::string_view name) {
    std::filesystem::path exact = dir / name;
    std::error_code error;
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    // The first match in name order, so the choice does not depend on the directory's order.
    std::filesystem::path found;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        auto candidate = entry.path().filename().string();
        if (equalsIgnoringCase(candidate, name) &&
            (found.empty() || candidate < found.filename())) {
            found = entry.path();
        }
    }
    return found.empty() ? exact : found;
}

std::filesystem::path findFileIgnoringCase(const std::filesystem::path& path) {
    return findFileIgnoringCase(path.parent_path(), path.filename().string());
}

} // namespace grd
