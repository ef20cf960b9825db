#include "printing/ui/SchedulePageLayout.h"

#include "prefs/ui/FontConversion.h"
#include "printing/TextFitting.h"
#include "printing/ui/FontFitting.h"
#include "printing/ui/PageWriter.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace grd {

namespace {

constexpr int kLayoutFailure = -48; // "Error previewing schedule."

QString widest(const PageWriter& writer, const QStringList& texts) {
    QString best;
    for (const QString& text : texts)
        if (writer.textWidth(text) > writer.textWidth(best))
            best = text;
    return best;
}

const QString kBold = QStringLiteral("{$B}");

// The texts of the bold heading lines.
QStringList boldCells(const QStringList& lines) {
    QStringList cells;
    for (const QString& line : lines)
        if (line.startsWith(kBold))
            for (const QString& cell : line.mid(kBold.size()).split(QLatin1Char('|')))
                if (!cell.isEmpty())
                    cells << cell;
    return cells;
}

// Plain lines may hold tables, their cells split by '|', and page breaks.
const QString kPageBreak = QStringLiteral("\f");

bool isTableLine(const QString& line) {
    return line.contains(QLatin1Char('|'));
}

// The runs of table lines, in order.
std::vector<QStringList> tablesOf(const QStringList& lines) {
    std::vector<QStringList> tables;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (isTableLine(lines[i]))
            (i > 0 && isTableLine(lines[i - 1]) ? tables.back() : tables.emplace_back())
                << lines[i];
    return tables;
}

constexpr int kGameColumns = 7; // a game's six columns and the gap before the next
constexpr int kHeadingColumn = 3;

} // namespace

int schedulePrefsIndex(ScheduleColumns columns) {
    if (columns == kTwoColumns)
        return 1;
    if (columns == kThreeColumns)
        return 2;
    return 0;
}

void SchedulePageLayout::ApplySchedulePrefs(const SchedulePrintPrefs& prefs,
                                            ScheduleColumns columns) {
    // Reports and schedules cut what does not fit; nothing wraps or frames the page.
    writer_.setWordWrap(false);
    writer_.setTableGrid(false);
    writer_.setPageBorders(0);
    writer_.setFontColor(toQColor(prefs.font.colour));
    writer_.setOrientation(prefs.landscape);
    TMeasureUnit unit = prefs.inches ? TMeasureUnit::muInches : TMeasureUnit::muMillimeters;
    auto margin = [&](double value) { return convertUnit(value, unit, writer_.MeasureUnit()); };
    writer_.setMargins({margin(prefs.topMargin), margin(prefs.bottomMargin),
                        margin(prefs.leftMargin), margin(prefs.rightMargin)});
    if (columns == kPlainScheduleLines)
        fitFontToPrintableWidth(writer_, toQFont(prefs.font), [this] {
            int widest = 0;
            for (const QStringList& table : plainTables_) {
                const auto widths = plainColumnWidths(table);
                widest = std::max(widest, std::accumulate(widths.begin(), widths.end(), 0));
            }
            return widest;
        });
    else
        fitFontToPrintableWidth(writer_, toQFont(prefs.font),
                                [this, columns] { return tableWidth(columns); });
    QFont header(QStringLiteral("Arial"), 10);
    header.setBold(true);
    writer_.setHeaderFont(header);
}

QStringList SchedulePageLayout::columnSamples(ScheduleColumns columns) const {
    QLocale locale;
    QStringList days;
    for (int day = 1; day <= 7; ++day)
        days << locale.dayName(day, QLocale::ShortFormat) + QStringLiteral(" ");
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QStringLiteral("  99") + locale.monthName(month, QLocale::ShortFormat);
    QString day = widest(writer_, days);
    QStringList game = {day,
                        widest(writer_, months),
                        QStringLiteral(" 88:88 PM"),
                        QStringLiteral(" San Francisco "),
                        QStringLiteral(" at "),
                        QStringLiteral(" San Francisco ")};
    QStringList samples = game;
    int blocks = columns == kTwoColumns ? 2 : columns == kThreeColumns ? 3 : 1;
    for (int block = 1; block < blocks; ++block)
        samples << day << game;
    return samples;
}

std::vector<int> SchedulePageLayout::columnWidths(ScheduleColumns columns) const {
    int heading = 0;
    for (const QString& text : headings_)
        heading = std::max(heading, writer_.textWidth(text, true) +
                                        cellGap(writer_.metrics().horizontalDpi()));
    std::vector<int> widths;
    for (const QString& sample : columnSamples(columns)) {
        int width = writer_.textWidth(sample);
        if (static_cast<int>(widths.size()) % kGameColumns == kHeadingColumn)
            width = std::max(width, heading);
        widths.push_back(width);
    }
    return widths;
}

std::vector<int> SchedulePageLayout::plainColumnWidths(const QStringList& table) const {
    std::vector<int> widths;
    // Wider than a schedule's gap: records such as "2-0-0" stand side by side.
    const int gap = 3 * cellGap(writer_.metrics().horizontalDpi());
    for (const QString& line : table) {
        const bool bold = line.startsWith(kBold);
        const QStringList cells = line.mid(bold ? kBold.size() : 0).split(QLatin1Char('|'));
        widths.resize(std::max(widths.size(), static_cast<size_t>(cells.size())));
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[static_cast<size_t>(i)] =
                std::max(widths[static_cast<size_t>(i)], writer_.textWidth(cells[i], bold) + gap);
    }
    return widths;
}

QString SchedulePageLayout::plainTableFormat(const QStringList& table) const {
    QStringList format;
    for (int width : plainColumnWidths(table))
        format << (format.isEmpty() ? QStringLiteral("<") : QStringLiteral(">")) +
                      QString::number(writer_.pixelsToWidth(width), 'g', 17);
    return format.join(QLatin1Char('|'));
}

QString SchedulePageLayout::ScheduleTableFormat(ScheduleColumns columns) const {
    QStringList format;
    for (int width : columnWidths(columns))
        format << QStringLiteral("<") + QString::number(writer_.pixelsToWidth(width), 'g', 17);
    return format.join(QLatin1Char('|'));
}

int SchedulePageLayout::tableWidth(ScheduleColumns columns) const {
    int width = 0;
    for (int column : columnWidths(columns))
        width += column;
    return width;
}

bool SchedulePageLayout::roomForRows(int rows) const {
    const int y = writer_.GetPosition().y() - writer_.printable().top;
    return y == 0 || y + rows * writer_.LineHeight() <= writer_.printable().height;
}

void SchedulePageLayout::writePlainLines(const QStringList& lines) {
    size_t table = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (!isTableLine(line)) {
            if (line == kPageBreak)
                writer_.StartNewPage();
            else
                writer_.WriteTextLine(line);
            continue;
        }
        // Each table has columns of its own.
        if (i == 0 || !isTableLine(lines[i - 1]))
            writer_.setTableFormat(plainTableFormat(plainTables_[table++]));
        writer_.WriteTableRow(line);
    }
}

Status SchedulePageLayout::PrintTheSchedule(const QStringList& lines, ScheduleColumns columns,
                                            const SchedulePrintPrefs& prefs, const QString& title) {
    try {
        writer_.FinishDocument();
        writer_.setAutoPageBreak(true);
        writer_.setTitle(title);
        writer_.setHeader(QStringLiteral(" GRD Oddsmith: ") + title);
        headings_ = boldCells(lines);
        plainTables_ =
            columns == kPlainScheduleLines ? tablesOf(lines) : std::vector<QStringList>();
        ApplySchedulePrefs(prefs, columns);
        // Three columns put the whole season on a page.
        if (columns == kThreeColumns)
            fitFontToOnePage(writer_, static_cast<int>(lines.size()));
        // Centred over the printed width of the schedule's own page and margins.
        writer_.setHeaderFormat(
            QStringLiteral("^") +
            QString::number(writer_.pixelsToWidth(writer_.printable().width), 'g', 17));
        writer_.StartDocument();
        if (columns == kPlainScheduleLines) {
            writePlainLines(lines);
        } else {
            writer_.setTableFormat(ScheduleTableFormat(columns));
            for (const QString& line : lines) {
                // A heading never ends a page: it goes over with its first games.
                if (line.startsWith(kBold) && !roomForRows(2))
                    writer_.StartNewPage();
                writer_.WriteTableRow(line);
            }
        }
        writer_.FinishDocument();
    } catch (const std::exception& failure) {
        writer_.FinishDocument();
        return Failure{kLayoutFailure, failure.what()};
    }
    return Ok{};
}

} // namespace grd
