#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace grd {

// The rankings' exchange sort with halving gaps. Its exact sequence of exchanges
// decides where equal teams end up, and users see that order, so it must not be
// replaced by another sort. Positions first..last of order are sorted; a pass runs
// i = first .. last - gap and exchanges entries i and i + gap when outOfOrder says so;
// a pass that exchanged something is repeated with the same gap.
template <class OutOfOrder>
void gapExchangeSort(std::vector<int32_t>& order, int32_t first, int32_t last, int32_t gap,
                     OutOfOrder outOfOrder) {
    while (gap >= 1) {
        bool swapped = false;
        for (int32_t i = first; i <= last - gap; ++i) {
            auto& a = order[static_cast<size_t>(i)];
            auto& b = order[static_cast<size_t>(i + gap)];
            if (outOfOrder(a, b)) {
                std::swap(a, b);
                swapped = true;
            }
        }
        if (!swapped) {
            gap /= 2;
        }
    }
}

} // namespace grd
