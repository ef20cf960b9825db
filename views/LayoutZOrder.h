#pragma once

#include <array>
#include <vector>

namespace grd {

// The stacking order of the view windows in a layout: entry 0 counts the windows,
// entries 1..count are their window codes, topmost first.
struct LayoutZOrder {
    static constexpr int kEntries = 14;
    std::array<int, kEntries> entries{};

    // Archive spreads on top, then archive scores, spreads, team, division, category.
    static LayoutZOrder defaultOrder();
    int count() const;
};

// What is loaded, as far as reopening a layout cares.
struct LayoutData {
    bool rankingsLoaded = false;
    bool mainDataWithForecasts = false; // current data whose first spread is forecast
    bool archiveLoaded = false;
};

// The windows to create for a layout, in creation order: the topmost last, so that it
// ends up on top. Windows the loaded data cannot show are left out.
std::vector<int> layoutWindowsToOpen(const LayoutZOrder& order, const LayoutData& data);

} // namespace grd
