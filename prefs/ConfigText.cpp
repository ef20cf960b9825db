#include "prefs/ConfigText.h"

#include <algorithm>

namespace grd {

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::optional<std::string> limitedText(const IniFile& file, std::string_view section,
                                       std::string_view key, std::string_view fallback,
                                       std::size_t maxChars) {
    std::string text = file.text(section, key, fallback);
    if (characterCount(text) > maxChars) {
        return std::nullopt;
    }
    return text;
}

} // namespace grd
