#pragma once

#include "league/ProgramState.h"
#include "league/tRankings.h"
#include "printing/ReportSelection.h"

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

} // namespace grd
