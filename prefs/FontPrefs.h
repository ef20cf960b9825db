#pragma once

#include <cstdint>
#include <string>

namespace grd {

// Font style bits as stored in the configuration file.
enum FontStyleBit : int32_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// A font as the preferences keep it.
struct FontPrefs {
    std::string name = "Arial";
    int32_t size = 10;
    int32_t colour = 0; // 0x00BBGGRR, 0 = black; negative: a system colour, shown black
    int32_t style = 0;  // FontStyleBit set
    bool operator==(const FontPrefs&) const = default;
};

} // namespace grd
