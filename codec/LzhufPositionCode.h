#pragma once

#include <array>
#include <cstdint>

namespace grd {

// The fixed prefix code of a match position's upper 6 bits: group g has a code of
// length(g) bits, left-aligned in 8 bits. The decoder's view maps every 8-bit value to
// the group whose code begins it.
struct LzhufPositionCode {
    std::array<std::uint8_t, 64> code{};
    std::array<std::uint8_t, 64> length{};
    std::array<std::uint8_t, 256> groupOf{};
    std::array<std::uint8_t, 256> lengthOf{};

    static constexpr LzhufPositionCode make() {
        LzhufPositionCode table;
        unsigned next = 0;
        for (unsigned group = 0; group < 64; ++group) {
            unsigned bits = group == 0   ? 3
                            : group < 4  ? 4
                            : group < 12 ? 5
                            : group < 24 ? 6
                            : group < 48 ? 7
                                         : 8;
            table.code[group] = static_cast<std::uint8_t>(next);
            table.length[group] = static_cast<std::uint8_t>(bits);
            unsigned span = 1u << (8 - bits);
            for (unsigned v = next; v < next + span; ++v) {
                table.groupOf[v] = static_cast<std::uint8_t>(group);
                table.lengthOf[v] = static_cast<std::uint8_t>(bits);
            }
            next += span;
        }
        return table;
    }
};

inline constexpr LzhufPositionCode kLzhufPositionCode = LzhufPositionCode::make();

} // namespace grd
