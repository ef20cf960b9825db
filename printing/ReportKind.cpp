#include "printing/ReportKind.h"

#include <array>

namespace grd {

bool isReportKind(int kind) {
    return kind >= kTeamReport && kind <= kArchiveScoresReport;
}

std::string reportTitle(int kind) {
    static constexpr std::array<const char*, kReportKindCount + 1> kTitles = {
        "",
        "GRD Oddsmith: Team Rankings",
        "GRD Oddsmith: Division Rankings",
        "GRD Oddsmith: Category Rankings",
        "  GRD Oddsmith: Spreads  ",
        "GRD Oddsmith: Spreads",
        "  GRD Oddsmith: Spreads  ",
        "GRD Oddsmith: Spreads",
        "  GRD Oddsmith: Scores  "};
    return isReportKind(kind) ? kTitles[static_cast<size_t>(kind)] : "";
}

} // namespace grd
