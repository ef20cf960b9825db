#include "printing/ui/ReportPageLayout.h"

#include "prefs/ui/FontConversion.h"
#include "printing/ReportKind.h"
#include "printing/TextFitting.h"
#include "printing/ui/FontFitting.h"
#include "printing/ui/PageWriter.h"

#include <algorithm>
#include <numeric>

namespace grd {

namespace {

constexpr int kLayoutFailure = -48; // "Error previewing schedule."

QString alignmentMark(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::Right:
        return QStringLiteral(">");
    case CellAlignment::Centre:
        return QStringLiteral("^");
    case CellAlignment::Left:
        break;
    }
    return QStringLiteral("<");
}

bool startsBold(const std::string& line) {
    return line.rfind("{$B", 0) == 0;
}

} // namespace

ReportPageLayout::ReportPageLayout(PageWriter& writer, const ReportText& text)
    : writer_(writer), text_(text) {}

std::string ReportPageLayout::line(int index) const {
    return text_.lines.at(static_cast<size_t>(index));
}

QString ReportPageLayout::widthOf(const QString& text, bool bold) const {
    return QString::number(writer_.pixelsToWidth(writer_.textWidth(text, bold)), 'g', 17);
}

Status ReportPageLayout::PrintTheReports(int report, const ReportPrintPrefs& prefs,
                                         const QString& today) {
    if (report < 1 || report > static_cast<int>(text_.blocks.size()))
        return Failure{kLayoutFailure, "There is no report " + std::to_string(report)};
    block_ = &text_.blocks[static_cast<size_t>(report - 1)];
    try {
        writer_.FinishDocument();
        ApplyReportPrefs(prefs, today);
        writer_.StartDocument();
        LayOutReport();
        switch (block_->kind) {
        case kTeamReport:
            drawTeamRankings();
            break;
        case kDivisionReport:
            drawDivisionRankings();
            break;
        case kCategoryReport:
            drawCategoryRankings();
            break;
        case kSpreadsGridReport:
        case kArchiveSpreadsGridReport:
            drawPickSheet();
            break;
        default:
            drawPlainList();
            break;
        }
        writer_.FinishDocument();
    } catch (const std::exception& failure) {
        writer_.FinishDocument();
        return Failure{kLayoutFailure, failure.what()};
    }
    return Ok{};
}

void ReportPageLayout::ApplyReportPrefs(const ReportPrintPrefs& prefs, const QString& today) {
    // Reports and schedules cut what does not fit; nothing wraps or frames the page.
    writer_.setWordWrap(false);
    writer_.setTableGrid(false);
    writer_.setPageBorders(0);
    writer_.setAutoPageBreak(false);
    writer_.setFontColor(toQColor(prefs.font.colour));
    writer_.setOrientation(prefs.landscape);
    TMeasureUnit unit = prefs.inches ? TMeasureUnit::muInches : TMeasureUnit::muMillimeters;
    auto margin = [&](double value) { return convertUnit(value, unit, writer_.MeasureUnit()); };
    writer_.setMargins({margin(prefs.topMargin), margin(prefs.bottomMargin),
                        margin(prefs.leftMargin), margin(prefs.rightMargin)});
    landscape_ = prefs.landscape;
    verticalLines_ = prefs.verticalLines;
    highlightRows_ = prefs.highlightRows;
    frameReport_ = prefs.frameReport;
    titleText_ = QStringLiteral(" ") +
                 (prefs.dateTitle ? today : QString::fromStdString(prefs.title)) +
                 QStringLiteral(" ");
    fitFontToPrintableWidth(writer_, toQFont(prefs.font), [this] { return templateWidth(); });
}

QString ReportPageLayout::columnFormat(const std::vector<ReportColumn>& columns) {
    QStringList parts;
    columnLeft_.clear();
    columnWidth_.clear();
    int x = writer_.printable().left;
    for (const ReportColumn& column : columns) {
        QString width = widthOf(QString::fromStdString(column.widthSample), false);
        parts << alignmentMark(column.alignment) + width;
        int pixels = writer_.widthToPixels(width.toDouble());
        columnLeft_.push_back(x);
        columnWidth_.push_back(pixels);
        x += pixels;
    }
    return parts.join(QLatin1Char('|'));
}

int ReportPageLayout::templateWidth() const {
    QString widthTemplate = QString::fromStdString(block_->widthTemplate);
    if (!widthTemplate.isEmpty())
        return writer_.textWidth(widthTemplate);
    return writer_.textWidth(QStringLiteral(" ") + titleText_ + QStringLiteral("  ") +
                                 QString::fromStdString(block_->title) + QStringLiteral("  ") +
                                 QString::fromStdString(block_->weekHeading) + QStringLiteral(" "),
                             true);
}

void ReportPageLayout::LayOutReport() {
    geometry_ = std::make_unique<ReportGeometry>(writer_);
    ReportGeometry& g = *geometry_;
    QString week = QString::fromStdString(block_->weekHeading);
    g.frameRight = std::min(g.frameRight, g.frameLeft + templateWidth());
    // The cell is measured as it is drawn, with the blank after "{$B}": one blank short,
    // kerning could push the title's last letter out of the cell.
    int left = writer_.textWidth(QStringLiteral(" ") + titleText_, true);
    int right = writer_.textWidth(week + QStringLiteral(" "), true);
    int middle = std::max(0, g.frameRight - g.frameLeft - left - right);
    titleFormat_ = QStringLiteral("<%1|^%2|>%3")
                       .arg(writer_.pixelsToWidth(left), 0, 'g', 17)
                       .arg(writer_.pixelsToWidth(middle), 0, 'g', 17)
                       .arg(writer_.pixelsToWidth(right), 0, 'g', 17);
    tableFormat_ = columnFormat(block_->columns);
    columnLineX_.clear();
    auto endOf = [&](size_t column) { return columnLeft_[column] + columnWidth_[column]; };
    switch (block_->kind) {
    case kTeamReport:
    case kDivisionReport:
        for (size_t column = 1; column <= 9 && column < columnLeft_.size(); ++column)
            columnLineX_.push_back(endOf(column));
        break;
    case kCategoryReport:
        for (size_t column = 0; column <= 14 && column < columnLeft_.size(); column += 2)
            columnLineX_.push_back(endOf(column));
        break;
    case kSpreadsGridReport:
    case kArchiveSpreadsGridReport:
        for (size_t column = 7; column <= 9 && column < columnLeft_.size(); ++column)
            columnLineX_.push_back(columnLeft_[column]);
        break;
    default:
        break;
    }
    writer_.SetPosition(0, g.half);
}

void ReportPageLayout::titleRow() {
    writer_.setTableFormat(titleFormat_);
    geometry_->row(QStringLiteral("{$B} ") + titleText_ + QStringLiteral("|") +
                   QString::fromStdString(block_->title) + QStringLiteral("|") +
                   QString::fromStdString(block_->weekHeading) + QStringLiteral(" "));
}

int ReportPageLayout::ruledHeading() {
    ReportGeometry& g = *geometry_;
    titleRow();
    writer_.setTableFormat(tableFormat_);
    g.rule(g.y() + g.half);
    g.gap();
    g.row(block_->columnHeading);
    int yHead = g.y() + g.half;
    g.rule(yHead);
    g.gap();
    return yHead;
}

void ReportPageLayout::drawTeamRankings() {
    ReportGeometry& g = *geometry_;
    int yHead = ruledHeading();
    // Checked before every row: a ruled gap can fill the page as well as a row.
    for (int index = block_->firstLine + 1; index < block_->lastLine && !g.full(); ++index) {
        g.row(line(index));
        if (highlightRows_ && index % 5 == 0 && !g.full())
            g.ruledGap();
    }
    int yEnd = std::min(g.y() + g.half, g.frameBottom);
    if (verticalLines_ || highlightRows_)
        g.rule(yEnd);
    if (verticalLines_)
        g.columnLines(columnLineX_, yHead, yEnd);
    std::string last = line(block_->lastLine);
    if (last.empty()) {
        g.frameBottom = std::min(g.frameBottom, yEnd);
    } else {
        g.gap();
        QString sample = QStringLiteral("Average points per game this week: ") +
                         (landscape_ ? QStringLiteral(" 99.9") : QStringLiteral(" 999.9"));
        // Room for the inner gap every cell keeps from the frame.
        const int gap = cellGap(writer_.metrics().horizontalDpi());
        writer_.setTableFormat(
            QStringLiteral("<") +
            QString::number(writer_.pixelsToWidth(writer_.textWidth(sample) + 2 * gap), 'g', 17));
        if (g.y() + g.LH < g.frameBottom) {
            g.row(last);
            g.frameBottom = std::min(g.frameBottom, g.y() + g.half);
        } else {
            g.frameBottom = yEnd;
        }
    }
    if (frameReport_)
        g.frame();
}

void ReportPageLayout::writeDivisionRow(int index) {
    ReportGeometry& g = *geometry_;
    if (!highlightRows_) {
        g.row(line(index));
        return;
    }
    writer_.setTableFormat(titleFormat_);
    g.row(line(index));
    g.ruledGap();
    writer_.setTableFormat(tableFormat_);
}

void ReportPageLayout::drawDivisionRankings() {
    ReportGeometry& g = *geometry_;
    titleRow();
    writer_.setTableFormat(tableFormat_);
    g.rule(g.y() + g.half);
    g.gap();
    g.row(block_->columnHeading);
    int yHead = g.y() + g.half;
    g.ruledGap();
    int first = block_->firstLine + 1;
    if (first <= block_->lastLine && g.y() + g.LH < g.frameBottom)
        writeDivisionRow(first);
    // A division bar never ends the page: its teams would have no room under it.
    auto roomForBar = [&] { return g.y() + (highlightRows_ ? 3 : 2) * g.LH <= g.frameBottom; };
    for (int index = first + 1; index <= block_->lastLine && !g.full(); ++index) {
        if (startsBold(line(index)) && !roomForBar())
            break;
        int top = g.y();
        g.row(line(index));
        if (verticalLines_ && highlightRows_ && !startsBold(line(index)))
            g.columnLines(columnLineX_, top - g.half, std::min(top + g.LH + g.half, g.frameBottom));
        if (g.full())
            break;
        int next = index + 1;
        if (highlightRows_ && next < block_->lastLine && startsBold(line(next))) {
            g.ruledGap();
            if (g.full() || !roomForBar())
                break;
            writeDivisionRow(next);
            index = next;
        }
    }
    int yEnd = std::min(g.y() + g.half, g.frameBottom);
    if (verticalLines_ || highlightRows_)
        g.ruledGap();
    if (verticalLines_ && !highlightRows_)
        g.columnLines(columnLineX_, yHead, yEnd);
    g.frameBottom = yEnd;
    if (frameReport_)
        g.frame();
}

void ReportPageLayout::drawCategoryRankings() {
    ReportGeometry& g = *geometry_;
    int yHead = ruledHeading();
    for (int index = block_->firstLine + 1; index <= block_->lastLine && !g.full(); ++index) {
        g.row(line(index));
        if (highlightRows_ && index % 5 == 0 && index != block_->lastLine && !g.full())
            g.ruledGap();
    }
    int yEnd = std::min(g.y() + g.half, g.frameBottom);
    if (highlightRows_ || verticalLines_)
        g.ruledGap();
    if (verticalLines_)
        g.columnLines(columnLineX_, yHead, yEnd);
    if (frameReport_) {
        g.frameBottom = std::min(g.frameBottom, yEnd);
        g.frame();
    }
}

void ReportPageLayout::drawPlainList() {
    ReportGeometry& g = *geometry_;
    titleRow();
    if (frameReport_)
        g.rule(g.y() + g.half);
    g.gap();
    writer_.setTableFormat(tableFormat_);
    bool toDash = block_->kind != kSpreadsPlainReport;
    int index = block_->firstLine + 1;
    for (; index <= block_->lastLine && !(toDash && line(index) == "-"); ++index) {
        g.row(line(index));
        if (g.full())
            break;
    }
    if (block_->kind == kArchiveScoresReport && block_->lastLine > block_->firstLine) {
        int leading = columnWidth_.empty() ? 0 : columnWidth_[0];
        int rest = std::max(0, writer_.printable().width - leading);
        writer_.setTableFormat(QStringLiteral("<%1|<%2")
                                   .arg(writer_.pixelsToWidth(leading), 0, 'g', 17)
                                   .arg(writer_.pixelsToWidth(rest), 0, 'g', 17));
        g.gap();
        g.row(line(block_->lastLine));
    }
    if (frameReport_) {
        g.frameBottom = std::min(g.frameBottom, g.y() + g.half);
        g.frame();
    }
}

// The summary lines: a label under the game columns, then one cell under each of the
// W, S and initials columns, each as wide as the column above it, so that its text
// keeps the same inner gap from the column lines.
QString ReportPageLayout::summaryFormat() const {
    constexpr size_t kGameColumns = 7;
    auto units = [this](int pixels) {
        return QString::number(writer_.pixelsToWidth(pixels), 'g', 17);
    };
    const auto games = columnWidth_.begin() + std::min(kGameColumns, columnWidth_.size());
    QString format = QStringLiteral(">") + units(std::accumulate(columnWidth_.begin(), games, 0));
    for (auto column = games; column != columnWidth_.end(); ++column)
        format += QStringLiteral("|>") + units(*column);
    return format;
}

void ReportPageLayout::drawPickSheet() {
    ReportGeometry& g = *geometry_;
    titleRow();
    g.ruledGap();
    writer_.setTableFormat(tableFormat_);
    g.row(block_->columnHeading);
    int yHead = g.y() + g.half;
    // yTop is the last rule drawn under the heading or a game: the frame, the column
    // lines and the slashes end there even when the games fill the page.
    int yTop = std::min(g.y() + g.half, g.frameBottom);
    g.ruledGap();
    for (int index = block_->firstLine + 1; index < block_->lastLine && !g.full(); ++index) {
        g.row(line(index));
        yTop = std::min(g.y() + g.half, g.frameBottom);
        g.ruledGap();
    }
    g.gap();
    writer_.setTableFormat(summaryFormat());
    int wLeft = columnLineX_.empty() ? g.frameLeft : columnLineX_.front();
    int lastRule = yTop;
    auto summary = [&](const std::string& text) {
        g.row(text);
        lastRule = g.y();
        g.line(wLeft, lastRule, g.frameRight, lastRule);
        g.gap();
        return lastRule;
    };
    const int none = g.frameBottom + 1;
    int s1 = none;
    if (g.y() + g.LH <= g.frameBottom) {
        std::string count = line(block_->lastLine);
        s1 = summary(std::string(kWeekCorrectLine) + "|" + count + "|" + count);
    }
    int yA = -1;
    int s2 = none;
    const std::string_view rest[] = {kWeekPercentLine, kSeasonCorrectLine, kSeasonPercentLine};
    for (size_t k = 0; k < 3 && g.y() + g.LH <= g.frameBottom; ++k) {
        int at = summary(std::string(rest[k]));
        if (k == 0)
            yA = at;
        if (k == 1)
            s2 = at;
    }
    g.columnLines(columnLineX_, yHead, lastRule);
    if (!frameReport_)
        g.line(g.frameRight, yHead, g.frameRight, lastRule);
    for (size_t k = 0; k < columnLineX_.size(); ++k) {
        int left = columnLineX_[k];
        if (left >= g.frameRight)
            continue;
        int right = std::min(left + columnWidth_[7 + k], g.frameRight);
        if (s1 <= g.frameBottom)
            g.line(left, s1, right, yTop);
        if (s2 <= g.frameBottom && yA >= 0)
            g.line(left, s2, right, yA);
    }
    g.frameBottom = std::min(g.frameBottom, lastRule + g.half);
    if (frameReport_)
        g.frame();
}

} // namespace grd
