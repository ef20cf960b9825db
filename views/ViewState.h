#pragma once

#include <cstdint>

namespace grd {

// The category window's two picked teams: the first is read as the visitor, the
// second as the home team. Picks replace the first and the second in turn.
class TeamPicks {
public:
    int32_t first() const { return first_; }
    int32_t second() const { return second_; }
    // Picks team; false when it is already one of the two.
    bool pick(int32_t team);
    // Keeps both picks within 1..teamCount after data with fewer teams was loaded.
    void fitTo(int32_t teamCount);

private:
    int32_t first_ = 1;
    int32_t second_ = 2;
    int lastReplaced_ = 2;
};

// View choices that outlive their windows for the whole run.
struct ViewState {
    static constexpr int kDefaultNameLength = 13;
    static constexpr int kMinNameLength = 3;
    static constexpr int kMaxNameLength = 20;

    int nameLength = kDefaultNameLength; // characters of the names in the category window
    TeamPicks picks;
    int scheduleType = 0; // entry of the schedule window's view list
};

} // namespace grd
