#pragma once

namespace grd {

// The identity of a display window: the open-window flags, the window slots of the
// main window and the saved layouts are all indexed by it.
enum WindowCode : int {
    kScheduleWindow = 1,
    kTeamRankWindow = 2,
    kDivisionRankWindow = 3,
    kCategoryRankWindow = 4,
    kSpreadsWindow = 5,
    kArchiveSpreadsWindow = 6,
    kArchiveScoresWindow = 7,
};

constexpr int kFirstWindowCode = kScheduleWindow;
constexpr int kLastWindowCode = kArchiveScoresWindow;

} // namespace grd
