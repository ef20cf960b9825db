#pragma once

#include <array>

namespace grd {

// The reports of one print run, in the order their blocks are built and printed.
struct ReportSelection {
    static constexpr int kSlots = 8;

    std::array<int, kSlots> kinds{};     // a ReportKind per slot, 0 for an empty slot; filled
                                         // from the front
    std::array<int, kSlots> firstLine{}; // per slot, the index in the report text of the
                                         // block's first line (its week heading line)
    std::array<int, kSlots> lastLine{};  // per slot, the index of the block's last line
    int count = 0;                       // number of filled slots

    // Puts kind into the next empty slot; false when every slot is taken.
    bool add(int kind);
};

} // namespace grd
