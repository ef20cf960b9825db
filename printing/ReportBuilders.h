#pragma once

#include "printing/ReportSources.h"

#include <string>
#include <vector>

namespace grd {

// The builders of the report blocks: each appends its block's lines, from the week
// heading line on, to lines.
using ReportLines = std::vector<std::string>;

void buildTeamRankingsText(ReportLines& lines, const ReportSources& sources);
void buildDivisionRankingsText(ReportLines& lines, const ReportSources& sources);
void buildCategoryRankingsText(ReportLines& lines, const ReportSources& sources);
void buildSpreadsPlainText(ReportLines& lines, const ReportSources& sources);
void buildSpreadsGridText(ReportLines& lines, const ReportSources& sources);
void buildArchiveSpreadsPlainText(ReportLines& lines, const ReportSources& sources);
void buildArchiveSpreadsGridText(ReportLines& lines, const ReportSources& sources);
void buildArchiveScoresText(ReportLines& lines, const ReportSources& sources);

} // namespace grd
