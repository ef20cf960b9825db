#include "tasks/TeamPair.h"

namespace grd {

void TeamPair::pick(int team) {
    if (turn_ == 1) {
        first_ = team;
        turn_ = 2;
    } else {
        second_ = team;
        turn_ = 1;
    }
}

void TeamPair::clear() {
    first_ = kEmptyMark;
    second_ = kEmptyMark;
    turn_ = 1;
}

Status TeamPair::check() const {
    if (first_ == kEmptyMark || second_ == kEmptyMark || first_ == second_) {
        return Failure{-24, {}};
    }
    return Ok{};
}

} // namespace grd
