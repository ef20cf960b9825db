#include "views/ViewState.h"

namespace grd {

bool TeamPicks::pick(int32_t team) {
    if (team == first_ || team == second_) {
        return false;
    }
    const int slot = lastReplaced_ == 1 ? 2 : 1;
    (slot == 1 ? first_ : second_) = team;
    lastReplaced_ = slot;
    return true;
}

void TeamPicks::fitTo(int32_t teamCount) {
    const auto valid = [teamCount](int32_t team) { return team >= 1 && team <= teamCount; };
    if (!valid(first_) || !valid(second_)) {
        *this = TeamPicks();
    }
}

} // namespace grd
