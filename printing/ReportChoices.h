#pragma once

#include "files/Failure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"
#include "printing/ReportSelection.h"

#include <optional>
#include <string>

namespace grd {

// The reports the user can ask for, by the boxes of the print choice.
struct ReportChoices {
    bool spreadsPlain = false;
    bool spreadsGrid = false;
    bool scores = false;
    bool team = false;
    bool division = false;
    bool category = false;
    bool operator==(const ReportChoices&) const = default;
};

// What the loaded data can print: spreads when there are forecasts (main data) or
// spread records (archive), scores only for an archive with score records, the
// rankings always.
ReportChoices availableReports(const tRankings& rankings, const ProgramState& state);

// The selection of the chosen reports, in print order: spreads plain, spreads grid,
// scores, team, division and category rankings. The spreads are the archive's kinds
// when an archive is loaded. Choices the data cannot print are left out.
ReportSelection selectReports(const ReportChoices& chosen, const tRankings& rankings,
                              const ProgramState& state);

// The failure of a choice the data has nothing for (-25 no spreads, -26 no scores), as
// the print commands refuse it.
std::optional<Failure> unavailableReport(const ReportChoices& chosen,
                                         const ReportChoices& available);

// The choices named by a comma-separated list of spreads-plain, spreads-grid, scores,
// team, division and category; nothing, with unknown set to the name, when a name is
// none of these.
std::optional<ReportChoices> parseReportList(const std::string& list, std::string& unknown);

} // namespace grd
