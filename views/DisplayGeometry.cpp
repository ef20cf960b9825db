#include "views/DisplayGeometry.h"

#include "views/CategoryRankingsView.h"

#include <algorithm>

namespace grd {
namespace {

// The category window adds the widest name to every column but Rank.
bool widensByName(const DisplayKind& kind, int logical) {
    return kind.code == kCategoryRankWindow ? logical > 0 : kind.isNameColumn(logical);
}

int neededHeight(int rowHeight, int lineWidth, int rowCount, int extra) {
    return (rowHeight + lineWidth) * rowCount + 5 + std::max(extra, 0);
}

} // namespace

int widestName(const std::vector<std::string>& names, const TextWidth& width, int cutLength) {
    int widest = 0;
    for (const std::string& name : names) {
        widest = std::max(widest, width(cutLength > 0 ? cutName(name, cutLength) : name));
    }
    return widest;
}

std::vector<int> columnWidths(const DisplayKind& kind, const TextWidth& width, int widest) {
    std::vector<int> widths;
    for (int logical = 0; logical < kind.columnCount(); ++logical) {
        widths.push_back(width(kind.samples[static_cast<size_t>(logical)]) +
                         (widensByName(kind, logical) ? widest : 0));
    }
    return widths;
}

WindowRect initialRect(const DisplayKind& kind, const TextWidth& width, int widest,
                       const FrameMetrics& frame, int freeWidth, int freeHeight) {
    int total = 0;
    for (int w : columnWidths(kind, width, widest)) {
        total += w;
    }
    WindowRect rect{kind.left, kind.top, 0, 0};
    rect.width = total + 4 * frame.border + frame.scrollBar + 4 * frame.dialogFrame + 10;
    if (rect.width >= freeWidth - rect.left) {
        rect.width = freeWidth - rect.left - 10;
    }
    rect.height = freeHeight - rect.top - 6;
    return rect;
}

int fittedClientHeight(int clientHeight, int rowHeight, int lineWidth, int rowCount, int extra) {
    return std::min(clientHeight, neededHeight(rowHeight, lineWidth, rowCount, extra));
}

int scheduleWindowHeight(int windowHeight, int clientHeight, int rowHeight, int lineWidth,
                         int rowCount, int toolbarHeight, int frameAndCaption, int freeHeight,
                         int top) {
    const int needed = toolbarHeight + neededHeight(rowHeight, lineWidth, rowCount, 0);
    if (needed < clientHeight) {
        return windowHeight - (clientHeight - needed);
    }
    return std::min(needed + frameAndCaption, freeHeight - top - 6);
}

} // namespace grd
