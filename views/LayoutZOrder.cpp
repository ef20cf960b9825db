#include "views/LayoutZOrder.h"

#include "state/WindowCode.h"

#include <algorithm>

namespace grd {
namespace {

bool canOpen(int code, const LayoutData& data) {
    switch (code) {
    case kScheduleWindow:
        return true;
    case kTeamRankWindow:
    case kDivisionRankWindow:
    case kCategoryRankWindow:
        return data.rankingsLoaded;
    case kSpreadsWindow:
        return data.rankingsLoaded && data.mainDataWithForecasts;
    case kArchiveSpreadsWindow:
    case kArchiveScoresWindow:
        return data.rankingsLoaded && data.archiveLoaded;
    default:
        return false;
    }
}

} // namespace

LayoutZOrder LayoutZOrder::defaultOrder() {
    return {{6, kArchiveSpreadsWindow, kArchiveScoresWindow, kSpreadsWindow, kTeamRankWindow,
             kDivisionRankWindow, kCategoryRankWindow}};
}

int LayoutZOrder::count() const {
    return std::clamp(entries[0], 0, kEntries - 1);
}

std::vector<int> layoutWindowsToOpen(const LayoutZOrder& order, const LayoutData& data) {
    std::vector<int> codes;
    for (int i = order.count(); i >= 1; --i) {
        const int code = order.entries[static_cast<size_t>(i)];
        const bool already = std::find(codes.begin(), codes.end(), code) != codes.end();
        if (!already && canOpen(code, data)) {
            codes.push_back(code);
        }
    }
    return codes;
}

} // namespace grd
