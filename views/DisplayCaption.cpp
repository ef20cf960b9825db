#include "views/DisplayCaption.h"

#include "league/Format.h"
#include "league/WeekLabels.h"
#include "views/DisplayKind.h"

namespace grd {
namespace {

constexpr double kFirstLabelledVersion = 51; // archives from version 5.1 store their week

std::string averagePoints(double value) {
    return ": APPG = " + cformat("%3.1f", value);
}

std::string archiveCaption(int code, const tRankings& rankings, const ProgramState& state,
                           const LeagueStructure& league) {
    std::string caption = displayKind(code).designCaption;
    if (rankings.fileVersion >= kFirstLabelledVersion) {
        caption += " " + WeekLabel(league, captionSeasonText(rankings, state, league),
                                   code == kArchiveSpreadsWindow, state.loadedWeek);
    } else {
        if (code >= kTeamRankWindow && code <= kCategoryRankWindow) {
            caption += "for ";
        }
        caption += code == kArchiveSpreadsWindow
                       ? ArchiveWeekLabel(rankings.fileName, rankings.spreadCount)
                       : rankings.fileName;
    }
    if (code == kArchiveScoresWindow && rankings.fileAvgPoints != 0) {
        caption += averagePoints(rankings.fileAvgPoints);
    }
    if ((code == kArchiveSpreadsWindow && rankings.spreadCount == 0) ||
        (code == kArchiveScoresWindow && rankings.scoreCount == 0)) {
        caption = " No" + caption;
    }
    return caption;
}

} // namespace

std::string captionSeasonText(const tRankings& rankings, const ProgramState& state,
                              const LeagueStructure& league) {
    return state.rankingsUpdated || state.spreadsForecast ? league.seasonLabel
                                                          : rankings.seasonText;
}

std::string displayCaption(int code, const tRankings& rankings, const ProgramState& state,
                           const LeagueStructure& league) {
    if (rankings.dataKind == kArchiveKind) {
        return archiveCaption(code, rankings, state, league);
    }
    const std::string design = displayKind(code).designCaption;
    if (state.currentWeek == kNoWeek) {
        return " Current" + design;
    }
    std::string caption = design + " " +
                          WeekLabel(league, captionSeasonText(rankings, state, league),
                                    code == kSpreadsWindow, state.currentWeek);
    if (code == kTeamRankWindow && rankings.weekAvgPoints != 0) {
        caption += averagePoints(rankings.weekAvgPoints);
    }
    return caption;
}

} // namespace grd
