#include "tasks/ReplaceMainData.h"

#include "league/FileNames.h"
#include "league/RankingsFile.h"
#include "state/MainDataVersion.h"

namespace grd {

std::optional<Failure> replaceRefusal(const AppState& state) {
    if (state.rankings == nullptr)
        return Failure{-50, {}};
    const tRankings& rankings = *state.rankings;
    if (equalsIgnoringCase(rankings.fileName, kMainDataFileName))
        return Failure{-50, {}};
    const int32_t scheduleTeams = state.schedule != nullptr ? state.schedule->teamCount : 0;
    if (rankings.teamCount != scheduleTeams)
        return Failure{-51, rankings.fileName};
    return std::nullopt;
}

Status ReplaceMainData(AppState& state) {
    if (auto refusal = mainDataWriteRefusal(state))
        return *refusal;
    const int32_t scheduleTeams = state.schedule != nullptr ? state.schedule->teamCount : 0;
    Status written =
        WriteRankings(kReplacementKind, findFileIgnoringCase(state.programDir, kMainDataFileName),
                      *state.rankings, state.program, state.league, scheduleTeams);
    if (written)
        noteMainDataOnDisk(state);
    return written;
}

} // namespace grd
