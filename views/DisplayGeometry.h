#pragma once

#include "views/ColumnMap.h"
#include "views/DisplayKind.h"

#include <functional>
#include <string>
#include <vector>

namespace grd {

// The width in pixels of a text in the window font.
using TextWidth = std::function<int(const std::string&)>;

// The widest of the names, each cut to cutLength characters when that is positive.
int widestName(const std::vector<std::string>& names, const TextWidth& width, int cutLength = 0);

// Column widths by logical column: the sample's width, plus the widest name for name
// columns (every category column of the category window).
std::vector<int> columnWidths(const DisplayKind& kind, const TextWidth& width, int widest);

// The frame sizes of the platform that surround a window's grid.
struct FrameMetrics {
    int border = 1;
    int scrollBar = 16;
    int dialogFrame = 3;
};

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// Where a display window opens and how big: at its kind's place, as wide as its
// columns (narrowed to the free width), as high as the free height below it.
WindowRect initialRect(const DisplayKind& kind, const TextWidth& width, int widest,
                       const FrameMetrics& frame, int freeWidth, int freeHeight);

// The client height that shows rowCount rows (header included) and extra pixels of
// tool bar; the current height when that is smaller: a window never grows here.
int fittedClientHeight(int clientHeight, int rowHeight, int lineWidth, int rowCount, int extra);

// The schedule window after a change of view: shrinks like fittedClientHeight, but
// also grows, up to the free height below its top. Returns the new window height.
int scheduleWindowHeight(int windowHeight, int clientHeight, int rowHeight, int lineWidth,
                         int rowCount, int toolbarHeight, int frameAndCaption, int freeHeight,
                         int top);

} // namespace grd
