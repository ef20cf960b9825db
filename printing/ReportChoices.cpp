#include "printing/ReportChoices.h"

#include "printing/ReportKind.h"

#include <utility>

namespace grd {

ReportChoices availableReports(const tRankings& rankings, const ProgramState& state) {
    const bool archive = rankings.dataKind == kArchiveKind;
    const bool spreads = archive ? rankings.spreadCount != 0
                                 : state.spreads.size() > 1 && state.spreads[1] != kNoSpread;
    return {spreads, spreads, archive && rankings.scoreCount != 0, true, true, true};
}

ReportSelection selectReports(const ReportChoices& chosen, const tRankings& rankings,
                              const ProgramState& state) {
    const ReportChoices allowed = availableReports(rankings, state);
    const bool archive = rankings.dataKind == kArchiveKind;
    ReportSelection selection;
    const std::pair<bool, int> order[] = {
        {chosen.spreadsPlain && allowed.spreadsPlain,
         archive ? kArchiveSpreadsPlainReport : kSpreadsPlainReport},
        {chosen.spreadsGrid && allowed.spreadsGrid,
         archive ? kArchiveSpreadsGridReport : kSpreadsGridReport},
        {chosen.scores && allowed.scores, kArchiveScoresReport},
        {chosen.team, kTeamReport},
        {chosen.division, kDivisionReport},
        {chosen.category, kCategoryReport}};
    for (const auto& [wanted, kind] : order) {
        if (wanted) {
            selection.add(kind);
        }
    }
    return selection;
}

} // namespace grd
