#pragma once

#include "prefs/IniFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace grd {

// No font has a longer name; a longer value is damage, and drawing it costs the
// machine's memory.
inline constexpr std::size_t kMaxFontNameChars = 64;
// Any other string setting of the configuration file.
inline constexpr std::size_t kMaxConfigTextChars = 255;

// The number of characters of UTF-8 text.
std::size_t characterCount(std::string_view text);

// A string setting no longer than maxChars characters: nullopt when the value is
// longer, the fallback when the key is missing.
std::optional<std::string> limitedText(const IniFile& file, std::string_view section,
                                       std::string_view key, std::string_view fallback,
                                       std::size_t maxChars);

} // namespace grd
