#pragma once

#include "files/Failure.h"
#include "prefs/SchedulePrintPrefs.h"
#include "printing/ScheduleColumns.h"

#include <QStringList>

#include <vector>

namespace grd {

class PageWriter;

// The preferences of a schedule print: entry 0 for one column (and the informal
// forecasts), 1 for two, 2 for three.
int schedulePrefsIndex(ScheduleColumns columns);

// Lays a schedule text out on as many pages as it needs, under the header
// " GRD Oddsmith: " and the title.
class SchedulePageLayout {
public:
    explicit SchedulePageLayout(PageWriter& writer) : writer_(writer) {}

    Status PrintTheSchedule(const QStringList& lines, ScheduleColumns columns,
                            const SchedulePrintPrefs& prefs, const QString& title);

    // The table format of the columns: day, date, time, team, " at ", team, repeated
    // with a gap column for two and three columns per page.
    QString ScheduleTableFormat(ScheduleColumns columns) const;

private:
    void ApplySchedulePrefs(const SchedulePrintPrefs& prefs, ScheduleColumns columns);
    // The text whose printed width each column of the table format takes.
    QStringList columnSamples(ScheduleColumns columns) const;
    // The printed width of each column; the team columns that hold the bold week and
    // round headings are wide enough for the widest of them.
    std::vector<int> columnWidths(ScheduleColumns columns) const;
    // The printed width of a whole table row.
    int tableWidth(ScheduleColumns columns) const;

    // The widths and the format of a table of plain lines: each column as wide as its
    // widest cell, the first left-aligned and the others right-aligned.
    std::vector<int> plainColumnWidths(const QStringList& table) const;
    QString plainTableFormat(const QStringList& table) const;
    // Whether rows more rows fit under the pen on its page; always on a fresh page.
    bool roomForRows(int rows) const;
    // Plain lines: text lines, table rows in their table's format and page breaks.
    void writePlainLines(const QStringList& lines);

    PageWriter& writer_;
    QStringList headings_;
    std::vector<QStringList> plainTables_; // runs of plain lines that are table rows
};

} // namespace grd
