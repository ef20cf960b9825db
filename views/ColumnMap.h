#pragma once

#include "views/DisplayKind.h"

#include <array>

namespace grd {

// Which logical column each display position shows, and back. The user reorders the
// columns of the rankings windows by dragging; every cell is written to the display
// position of its logical column, so values stay under their own headers.
class ColumnMap {
public:
    ColumnMap();

    // A column dragged from display position from to position to.
    void move(int from, int to);
    // Takes a saved display order; refused (false, map unchanged) unless it is a
    // permutation of 0..13.
    bool setOrder(const std::array<int, kMaxColumns>& order);

    int logicalAt(int display) const;
    int displayOf(int logical) const;
    const std::array<int, kMaxColumns>& order() const { return order_; }
    const std::array<int, kMaxColumns>& inverse() const { return inverse_; }

private:
    void rebuildInverse();

    std::array<int, kMaxColumns> order_{};
    std::array<int, kMaxColumns> inverse_{};
};

} // namespace grd
