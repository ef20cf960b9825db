#include "files/Printable.h"

namespace grd {

namespace {

// The length of the well-formed UTF-8 sequence of two to four bytes at the start of
// text; 0 when there is none.
size_t utf8SequenceLength(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead >= 0xF5 || text.size() < length) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string printable(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    while (!value.empty()) {
        auto byte = static_cast<unsigned char>(value[0]);
        size_t letter = byte >= 0x80 ? utf8SequenceLength(value) : 1;
        if (byte < 0x20 || byte == 0x7f || letter == 0) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xf];
            letter = 1;
        } else {
            shown.append(value.substr(0, letter));
        }
        value.remove_prefix(letter);
    }
    return shown;
}

} // namespace grd
