#pragma once

#include <cstdint>
#include <vector>

namespace grd {

// A half-open range first .. last - 1 of positions in the schedule's game list.
struct GameRange {
    int first = 0;
    int last = 0;
    int count() const { return last > first ? last - first : 0; }
    bool operator==(const GameRange&) const = default;
};

// The games of regular week w, from the week game counts (entry 0 = N, 1..N the games
// of each week). Weeks outside 1..N give the empty range at the nearest end, so no
// caller can read outside the schedule's regular weeks.
GameRange gamesOfWeek(const std::vector<int32_t>& weekGameCounts, int week);

} // namespace grd
