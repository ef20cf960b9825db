#pragma once

#include "files/Failure.h"
#include "prefs/ReportPrintPrefs.h"
#include "printing/ReportText.h"
#include "printing/ui/ReportGeometry.h"

#include <QString>

#include <vector>

namespace grd {

class PageWriter;

// Lays one report of a report text out on exactly one page: the title row, the column
// heading, the rows, rules, ruled gaps, column lines and the frame, as the report's
// print preferences ask.
class ReportPageLayout {
public:
    ReportPageLayout(PageWriter& writer, const ReportText& text);

    // Lays out the report of slot report (1 to the selection's count) with prefs; today
    // is the short date that titles a report whose prefs ask for the date. The writer
    // holds that one page afterwards; a failure leaves no document open.
    Status PrintTheReports(int report, const ReportPrintPrefs& prefs, const QString& today);

    // Where the column lines of the last report were drawn (page pixels).
    const std::vector<int>& columnLineX() const { return columnLineX_; }
    // The last report's frame.
    const ReportGeometry& geometry() const { return *geometry_; }

private:
    void ApplyReportPrefs(const ReportPrintPrefs& prefs, const QString& today);
    int templateWidth() const;
    void LayOutReport();
    QString widthOf(const QString& text, bool bold) const;
    QString columnFormat(const std::vector<ReportColumn>& columns);
    std::string line(int index) const;
    void titleRow();
    // The title row and the column heading between rules; returns the heading's rule.
    int ruledHeading();
    void drawTeamRankings();
    void drawDivisionRankings();
    void writeDivisionRow(int index);
    void drawCategoryRankings();
    void drawPlainList();
    void drawPickSheet();
    QString summaryFormat() const;

    PageWriter& writer_;
    const ReportText& text_;
    const ReportBlock* block_ = nullptr;
    std::unique_ptr<ReportGeometry> geometry_;
    bool landscape_ = false;
    bool verticalLines_ = false;
    bool highlightRows_ = false;
    bool frameReport_ = true;
    QString titleText_;
    QString titleFormat_;
    QString tableFormat_;
    std::vector<int> columnLineX_;
    std::vector<int> columnLeft_; // left edge of every table column
    std::vector<int> columnWidth_;
};

} // namespace grd
