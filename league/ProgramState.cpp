#include "league/ProgramState.h"

namespace grd {

void ProgramState::clearFlags() {
    rankingsUpdated = false;
    spreadsForecast = false;
    mainDataSaved = false;
    archiveSaved = false;
}

bool ProgramState::hasUnsavedData() const {
    return (rankingsUpdated && !mainDataSaved) || (spreadsForecast && !archiveSaved);
}

void ProgramState::prepareWeekLists(int32_t teamCount) {
    auto teams = static_cast<size_t>(teamCount < 0 ? 0 : teamCount);
    scores.assign(teams + 1, kEmptyMark);
    scoreTeams.assign(teams + 1, kEmptyMark);
    forecastPairs.assign(teams + 5, kEmptyMark);
    spreads.assign(teams / 2 + 3, kNoSpread);
    scores[0] = scoreTeams[0] = forecastPairs[0] = 0;
    spreads[0] = 0.0;
    forecastCount = 0;
}

int32_t ProgramState::postableGameCount(int32_t teamCount) const {
    auto positions = static_cast<size_t>(scoreGameCount) * 2;
    if (scoreGameCount < 1 || positions >= scores.size() || positions >= scoreTeams.size()) {
        return 0;
    }
    for (size_t i = 1; i <= positions; ++i) {
        if (scoreTeams[i] < 1 || scoreTeams[i] > teamCount) {
            return 0;
        }
    }
    return scoreGameCount;
}

} // namespace grd
