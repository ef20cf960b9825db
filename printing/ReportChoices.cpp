#include "printing/ReportChoices.h"

#include "printing/ReportKind.h"

#include <sstream>
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

std::optional<Failure> unavailableReport(const ReportChoices& chosen,
                                         const ReportChoices& available) {
    if ((chosen.spreadsPlain || chosen.spreadsGrid) && !available.spreadsPlain) {
        return Failure{-25, ""};
    }
    if (chosen.scores && !available.scores) {
        return Failure{-26, ""};
    }
    return std::nullopt;
}

std::optional<ReportChoices> parseReportList(const std::string& list, std::string& unknown) {
    const std::pair<const char*, bool ReportChoices::*> kNames[] = {
        {"spreads-plain", &ReportChoices::spreadsPlain},
        {"spreads-grid", &ReportChoices::spreadsGrid},
        {"scores", &ReportChoices::scores},
        {"team", &ReportChoices::team},
        {"division", &ReportChoices::division},
        {"category", &ReportChoices::category}};
    ReportChoices choices;
    std::istringstream names(list);
    for (std::string name; std::getline(names, name, ',');) {
        bool known = false;
        for (const auto& [text, member] : kNames) {
            if (name == text) {
                choices.*member = true;
                known = true;
            }
        }
        if (!known) {
            unknown = name;
            return std::nullopt;
        }
    }
    return choices;
}

} // namespace grd
