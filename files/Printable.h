#pragma once

#include <string>
#include <string_view>

namespace grd {

// A value read from a file as a message shows it: control characters (a NUL among
// them, which would end the text early) become \xNN.
inline std::string printable(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : value) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xf];
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace grd
