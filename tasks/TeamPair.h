#pragma once

#include "files/Failure.h"
#include "league/ProgramState.h"

namespace grd {

// The two teams of a game being put together by picking from the teams grid: each
// pick fills the first or the second team in turn.
class TeamPair {
public:
    int first() const { return first_; }
    int second() const { return second_; }
    // 1 when the next pick fills the first team, 2 when it fills the second.
    int turn() const { return turn_; }

    void pick(int team);
    void clear();
    // The next pick fills the first team again; the picked teams stay.
    void restartTurn() { turn_ = 1; }
    // Error -24 unless two different teams are picked.
    Status check() const;

private:
    int first_ = kEmptyMark;
    int second_ = kEmptyMark;
    int turn_ = 1;
};

} // namespace grd
