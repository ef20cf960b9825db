#include "tasks/WeekData.h"

namespace grd {

int WeekData::playoffWeekCount() const {
    const auto* alignment = league.active();
    return alignment == nullptr ? 0 : alignment->playoffWeekCount();
}

int WeekData::playoffGameCount(int entry) const {
    const auto* alignment = league.active();
    if (alignment == nullptr || entry < 1 || entry > alignment->playoffWeekCount()) {
        return 0;
    }
    return alignment->playoffGameCounts[static_cast<size_t>(entry - 1)];
}

std::string WeekData::playoffWeekName(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(league.playoffWeekNames.size())) {
        return {};
    }
    return league.playoffWeekNames[static_cast<size_t>(entry)];
}

} // namespace grd
