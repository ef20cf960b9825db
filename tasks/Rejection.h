#pragma once

#include "files/Failure.h"
#include "tasks/ScoreSheet.h"

namespace grd {

// An input the task windows refuse: the error to show and where the focus goes.
struct Rejection {
    enum class Focus { ScoreBox1, ScoreBox2, TeamsGrid, ScoresGrid };
    Failure failure;
    Focus focus = Focus::ScoreBox1;
    GridCell cell; // for ScoresGrid: the cell to select
};

} // namespace grd
