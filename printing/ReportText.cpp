#include "printing/ReportText.h"

#include "printing/ReportBuilders.h"
#include "printing/ReportKind.h"

#include <array>

namespace grd {
namespace {

constexpr int kStringListError = 12; // "Error creating a string list"

using Builder = void (*)(ReportLines&, const ReportSources&);

constexpr std::array<Builder, kReportKindCount + 1> kBuilders = {nullptr,
                                                                 buildTeamRankingsText,
                                                                 buildDivisionRankingsText,
                                                                 buildCategoryRankingsText,
                                                                 buildSpreadsPlainText,
                                                                 buildSpreadsGridText,
                                                                 buildArchiveSpreadsPlainText,
                                                                 buildArchiveSpreadsGridText,
                                                                 buildArchiveScoresText};

std::string spreadsInitials(const tPrefsRec& prefs, int kind) {
    return prefs.reports[static_cast<size_t>(kind - 1)].initials;
}

} // namespace

Result<ReportText> buildReportText(const ReportSelection& selection, const ReportSources& sources) {
    for (int kind : selection.kinds) {
        if (kind != kNoReport && !isReportKind(kind)) {
            return Failure{kStringListError, "Unknown report kind " + std::to_string(kind)};
        }
    }
    ReportText text;
    for (size_t slot = 0; slot < ReportSelection::kSlots; ++slot) {
        const int kind = selection.kinds[slot];
        if (kind == kNoReport) {
            continue;
        }
        ReportBlock block;
        block.kind = kind;
        block.firstLine = static_cast<int>(text.lines.size());
        kBuilders[static_cast<size_t>(kind)](text.lines, sources);
        block.lastLine = static_cast<int>(text.lines.size()) - 1;
        block.title = reportTitle(kind);
        block.weekHeading = text.lines[static_cast<size_t>(block.firstLine)];
        block.columns = reportColumns(kind);
        block.columnHeading =
            columnHeadingLine(kind, sources.state.sortKey, spreadsInitials(sources.prefs, kind));
        block.widthTemplate = reportWidthTemplate(kind);
        text.selection.add(kind);
        const auto filled = static_cast<size_t>(text.selection.count - 1);
        text.selection.firstLine[filled] = block.firstLine;
        text.selection.lastLine[filled] = block.lastLine;
        text.blocks.push_back(std::move(block));
    }
    return text;
}

} // namespace grd
