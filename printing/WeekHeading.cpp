#include "printing/WeekHeading.h"

#include "league/WeekLabels.h"
#include "views/DisplayCaption.h"

namespace grd {
namespace {

constexpr double kFirstLabelledVersion = 51; // archives from version 5.1 store their week

} // namespace

std::string weekHeadingLine(const tRankings& rankings, const ProgramState& state,
                            const LeagueStructure& league, bool forecastNaming) {
    const std::string season = captionSeasonText(rankings, state, league);
    if (rankings.dataKind != kArchiveKind) {
        return state.currentWeek != kNoWeek
                   ? WeekLabel(league, season, forecastNaming, state.currentWeek)
                   : rankings.fileName + " ";
    }
    if (rankings.fileVersion >= kFirstLabelledVersion) {
        return " " + WeekLabel(league, season, forecastNaming, state.loadedWeek);
    }
    return forecastNaming ? ArchiveWeekLabel(rankings.fileName, rankings.spreadCount)
                          : rankings.fileName + " ";
}

} // namespace grd
