#pragma once

#include "files/Failure.h"
#include "printing/ReportLayout.h"
#include "printing/ReportSelection.h"
#include "printing/ReportSources.h"

#include <string>
#include <vector>

namespace grd {

// What lays out one block of the report text on its page.
struct ReportBlock {
    int kind = 0;
    int firstLine = 0;                 // index in ReportText::lines of the week heading line
    int lastLine = 0;                  // index of the block's last line
    std::string title;                 // middle of the title row (reportTitle)
    std::string weekHeading;           // the block's first line, right of the title row
    std::vector<ReportColumn> columns; // table columns of the rows (reportColumns)
    std::string columnHeading;         // printed under the title row; empty: none
    std::string widthTemplate;         // frame width limit; empty: the bold title row
};

// The text of one print run: every block's lines, one block after another. Line
// indexes count in the whole text, so row patterns (every fifth line ruled) continue
// across blocks.
struct ReportText {
    std::vector<std::string> lines;
    ReportSelection selection;       // the run's slots, firstLine and lastLine filled in
    std::vector<ReportBlock> blocks; // one per filled slot, in slot order
};

// Builds one block for each filled slot of selection, slot by slot; empty slots are
// skipped, so the result's selection holds the built kinds from the front. A slot
// holding a number that is no report kind fails with error 12; nothing is built then.
Result<ReportText> buildReportText(const ReportSelection& selection, const ReportSources& sources);

} // namespace grd
