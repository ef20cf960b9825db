#include "tasks/GameRange.h"

#include <algorithm>

namespace grd {

GameRange gamesOfWeek(const std::vector<int32_t>& weekGameCounts, int week) {
    int weeks = weekGameCounts.empty() ? 0 : std::max(0, weekGameCounts[0]);
    weeks = std::min(weeks, static_cast<int>(weekGameCounts.size()) - 1);
    int first = 0;
    for (int w = 1; w < week && w <= weeks; ++w) {
        first += std::max(0, weekGameCounts[static_cast<size_t>(w)]);
    }
    if (week < 1 || week > weeks) {
        return {first, first};
    }
    return {first, first + std::max(0, weekGameCounts[static_cast<size_t>(week)])};
}

} // namespace grd
