#include "prefs/Preferences.h"
#include "printing/ReportKind.h"
#include "printing/TextFitting.h"
#include "printing/ui/PageWriter.h"
#include "printing/ui/RecordingDevice.h"
#include "printing/ui/ReportPageLayout.h"
#include "printing/ui/SchedulePageLayout.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace grd;
using grd::test::Recording;

namespace {

const QString kToday = QStringLiteral("7/12/26");

// A report text holding one block of kind with the given rows after its heading line.
ReportText oneBlock(int kind, const std::vector<std::string>& rows, int leadingLines = 0) {
    ReportText text;
    text.lines.assign(static_cast<size_t>(leadingLines), "earlier report line");
    ReportBlock block;
    block.kind = kind;
    block.firstLine = static_cast<int>(text.lines.size());
    text.lines.push_back(" Week 5");
    text.lines.insert(text.lines.end(), rows.begin(), rows.end());
    block.lastLine = static_cast<int>(text.lines.size()) - 1;
    block.title = reportTitle(kind);
    block.weekHeading = " Week 5";
    block.columns = reportColumns(kind);
    block.columnHeading = columnHeadingLine(kind, 1, "YOU");
    block.widthTemplate = reportWidthTemplate(kind);
    text.selection.add(kind);
    text.blocks.push_back(block);
    return text;
}

std::vector<std::string> teamRows(int count) {
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back(std::to_string(i) +
                       "|Team|100.0 | 10 | 10 | 10 | 10 |10.0 |10.0 |0.500 | 1| 1| 0");
    rows.push_back("|Averages|100.0 | 10 | 10 | 10 | 10 |10.0 |10.0 |0.500 ");
    rows.push_back("Average points per game this week: 21.5");
    return rows;
}

ReportPrintPrefs prefsFor(bool landscape) {
    ReportPrintPrefs prefs;
    prefs.font.size = 12;
    prefs.landscape = landscape;
    prefs.verticalLines = true;
    return prefs;
}

Recording layOut(PageWriter& writer, const ReportPrintPrefs& prefs, ReportPageLayout& layout) {
    Status laid = layout.PrintTheReports(1, prefs, kToday);
    if (!laid)
        qFatal("layout failed: %s", laid.failure().detail.c_str());
    if (writer.pages().count() != 1)
        qFatal("a report must fill exactly one page");
    return grd::test::replay(writer.pages().page(1).picture);
}

bool hasText(const Recording& rec, const QString& text) {
    for (const auto& drawn : rec.texts)
        if (drawn.text == text)
            return true;
    return false;
}

int linesAt(const Recording& rec, bool vertical) {
    int count = 0;
    for (const auto& drawn : rec.lines)
        if ((drawn.line.x1() == drawn.line.x2()) == vertical && drawn.line.length() > 0)
            ++count;
    return count;
}

// The lowest point any text reaches, its descent included.
double lowestText(const Recording& rec) {
    double lowest = 0;
    for (const auto& drawn : rec.texts)
        lowest = std::max(lowest, drawn.baseline.y() + QFontMetricsF(drawn.font).descent());
    return lowest;
}

} // namespace

class ReportPageLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void teamReport_portraitAndLandscapeGeometry() {
        for (bool landscape : {false, true}) {
            PageWriter writer(TMeasureUnit::muMillimeters);
            ReportText text = oneBlock(kTeamReport, teamRows(4));
            ReportPageLayout layout(writer, text);
            Recording rec = layOut(writer, prefsFor(landscape), layout);
            const ReportGeometry& g = layout.geometry();
            const PrintableArea& area = writer.printable();
            QCOMPARE(writer.landscape(), landscape);
            // 19.05 mm margins less the 6 mm (71 pixel) unprintable edge.
            QCOMPARE(g.frameLeft, 225 - 71);
            QCOMPARE(g.frameTop, 225 - 71);
            int templateWidth =
                writer.textWidth(QString::fromStdString(text.blocks[0].widthTemplate));
            QCOMPARE(g.frameRight, std::min(area.left + area.width, area.left + templateWidth));
            if (landscape)
                QVERIFY(g.frameRight < area.left + area.width); // the narrowed frame
            QVERIFY(hasText(rec, QStringLiteral("GRD Oddsmith: Team Rankings")));
            QVERIFY(hasText(rec, QStringLiteral("Averages")));
            QVERIFY(hasText(rec, QStringLiteral("Average points per game this week: 21.5")));
            QVERIFY(rec.texts.front().text.startsWith(QStringLiteral("  7/12/26")));
            QVERIFY(rec.texts.front().font.bold());
            // The frame: 4 pixels wide, ending half a line below the average line.
            QCOMPARE(rec.outlines.size(), size_t(1));
            QCOMPARE(rec.outlines[0].penWidth, 4.0);
            QCOMPARE(rec.outlines[0].rect.left(), double(g.frameLeft));
            QCOMPARE(rec.outlines[0].rect.bottom(), double(g.frameBottom));
            // Nine column lines, and the rules under title, heading and rows.
            QCOMPARE(linesAt(rec, true), 9);
            QCOMPARE(linesAt(rec, false), 3);
            QCOMPARE(layout.columnLineX().size(), size_t(9));
        }
    }

    void teamReport_highlightFollowsLineIndexesOfTheWholeText() {
        ReportPrintPrefs prefs = prefsFor(false);
        prefs.verticalLines = false;
        prefs.highlightRows = true;
        // The rows whose index in the whole text is a multiple of 5 get a ruled gap, so
        // the pattern moves with the lines of reports before this one.
        for (int leading : {0, 3}) {
            PageWriter writer(TMeasureUnit::muInches);
            ReportText text = oneBlock(kTeamReport, teamRows(6), leading);
            ReportPageLayout layout(writer, text);
            Recording rec = layOut(writer, prefs, layout);
            int ruledGaps = 0;
            for (int index = text.blocks[0].firstLine + 1; index < text.blocks[0].lastLine; ++index)
                ruledGaps += index % 5 == 0 ? 1 : 0;
            // Title rule, heading rule, the ruled gaps and the rule closing the rows.
            QCOMPARE(linesAt(rec, false), 3 + ruledGaps);
        }
    }

    // More rows than a page holds, with highlight gaps, under top margins that move
    // where the page ends: every row stays inside the frame, and the frame on the page.
    void overfullReports_keepEveryRowInsideTheFrame() {
        for (int kind : {int(kTeamReport), int(kCategoryReport)}) {
            for (int step = 0; step < 20; ++step) {
                PageWriter writer(TMeasureUnit::muInches);
                ReportText text = oneBlock(kind, teamRows(70));
                ReportPrintPrefs prefs = prefsFor(false);
                prefs.highlightRows = true;
                prefs.topMargin += 1.5 * step; // millimetres
                ReportPageLayout layout(writer, text);
                Recording rec = layOut(writer, prefs, layout);
                const ReportGeometry& g = layout.geometry();
                QVERIFY(g.frameBottom <= writer.printable().top + writer.printable().height);
                for (const auto& drawn : rec.texts)
                    if (drawn.baseline.y() > g.frameTop)
                        QVERIFY2(drawn.baseline.y() < g.frameBottom,
                                 qPrintable(QStringLiteral("%1, step %2: %3")
                                                .arg(kind)
                                                .arg(step)
                                                .arg(drawn.text)));
            }
        }
    }

    void teamReport_withoutAverageLine_endsTheFrameUnderTheRows() {
        PageWriter writer(TMeasureUnit::muInches);
        std::vector<std::string> rows = teamRows(2);
        rows.back().clear();
        ReportText text = oneBlock(kTeamReport, rows);
        ReportPageLayout layout(writer, text);
        Recording rec = layOut(writer, prefsFor(false), layout);
        QVERIFY(!hasText(rec, QStringLiteral("Average points per game this week: 21.5")));
        const ReportGeometry& g = layout.geometry();
        // Title, gap, heading, gap, three rows: the frame ends half a line below them.
        int rowsEnd = g.frameTop + g.half + 7 * g.LH;
        QCOMPARE(g.frameBottom, rowsEnd + g.half);
    }

    void divisionReport_highlightCentresDivisionsInTheTitleColumns() {
        PageWriter writer(TMeasureUnit::muInches);
        std::string team = "|Team|100.0 | 10 | 10 | 10 | 10 |10.0 |10.0 |0.500 | 1| 1| 0";
        ReportText text = oneBlock(kDivisionReport, {"{$B}|AFC East", "1" + team, "2" + team,
                                                     "{$B}|AFC North", "3" + team});
        ReportPrintPrefs prefs = prefsFor(false);
        prefs.highlightRows = true;
        ReportPageLayout layout(writer, text);
        Recording rec = layOut(writer, prefs, layout);
        const ReportGeometry& g = layout.geometry();
        for (const char* name : {"AFC East", "AFC North"}) {
            auto drawn = std::find_if(rec.texts.begin(), rec.texts.end(),
                                      [&](const auto& t) { return t.text == name; });
            QVERIFY(drawn != rec.texts.end());
            QVERIFY(drawn->font.bold());
            // Centred between the title row's left and right cells, not in the team column.
            double centre = drawn->baseline.x() + writer.textWidth(name, true) / 2.0;
            double left = g.frameLeft + writer.textWidth(QStringLiteral("  7/12/26 "), true);
            double right = g.frameRight - writer.textWidth(QStringLiteral(" Week 5 "), true);
            QVERIFY(std::abs(centre - (left + right) / 2) <= 2);
        }
        // Each team row gets its own column line segments: 9 lines for each of 3 rows.
        QCOMPARE(linesAt(rec, true), 27);
        QCOMPARE(rec.outlines.size(), size_t(1));
    }

    // Forty one-team divisions overflow the page: its last row is a team, never a bar.
    void divisionReport_neverEndsThePageOnADivisionBar() {
        std::string team = "|Team|100.0 | 10 | 10 | 10 | 10 |10.0 |10.0 |0.500 | 1| 1| 0";
        std::vector<std::string> rows;
        for (int division = 1; division <= 40; ++division)
            rows.insert(rows.end(), {"{$B}|Division " + std::to_string(division),
                                     std::to_string(division) + team});
        for (bool highlight : {false, true}) {
            for (int margin = 0; margin < 4; ++margin) {
                PageWriter writer(TMeasureUnit::muInches);
                ReportText text = oneBlock(kDivisionReport, rows);
                ReportPrintPrefs prefs = prefsFor(false);
                prefs.highlightRows = highlight;
                prefs.topMargin += 2.0 * margin; // millimetres: where the page ends moves
                ReportPageLayout layout(writer, text);
                Recording rec = layOut(writer, prefs, layout);
                auto last = std::max_element(
                    rec.texts.begin(), rec.texts.end(),
                    [](const auto& a, const auto& b) { return a.baseline.y() < b.baseline.y(); });
                QVERIFY(last != rec.texts.end());
                QVERIFY2(!last->font.bold(), qPrintable(last->text));
            }
        }
    }

    // Every cell keeps the inner gap from the frame and the column lines: the team
    // report's average line, and the counts and "%" under W, S and the initials.
    void innerGaps_keepTextOffTheFrameAndColumnLines() {
        PageWriter writer(TMeasureUnit::muInches);
        ReportText team = oneBlock(kTeamReport, teamRows(4));
        ReportPageLayout teamLayout(writer, team);
        Recording rec = layOut(writer, prefsFor(false), teamLayout);
        const int gap = cellGap(writer.metrics().horizontalDpi());
        auto average = std::find_if(rec.texts.begin(), rec.texts.end(), [](const auto& t) {
            return t.text.startsWith(QStringLiteral("Average points per game"));
        });
        QVERIFY(average != rec.texts.end());
        QVERIFY(average->baseline.x() >= teamLayout.geometry().frameLeft + gap);

        PageWriter sheetWriter(TMeasureUnit::muInches);
        ReportText sheet =
            oneBlock(kSpreadsGridReport, {"  []|Dallas|_____|  []|Denver|_____| 3.5 ", " 16"});
        ReportPageLayout sheetLayout(sheetWriter, sheet);
        Recording drawn = layOut(sheetWriter, prefsFor(false), sheetLayout);
        std::vector<int> lines = sheetLayout.columnLineX();
        lines.push_back(sheetLayout.geometry().frameRight);
        for (const auto& text : drawn.texts) {
            if (text.text != QStringLiteral("%") && text.text.trimmed() != QStringLiteral("16"))
                continue;
            int right = int(text.baseline.x()) + sheetWriter.textWidth(text.text);
            for (int line : lines)
                QVERIFY2(std::abs(line - right) >= gap, qPrintable(text.text));
        }
    }

    void pickSheet_hasSummaryLinesAndSlashes() {
        PageWriter writer(TMeasureUnit::muInches);
        std::vector<std::string> rows = {"  []|Dallas|_____|  []|Denver|_____| 3.5 ",
                                         "  []|Miami|_____|  []|Buffalo|_____|EVEN |----|----",
                                         " 1"};
        ReportText text = oneBlock(kSpreadsGridReport, rows);
        ReportPrintPrefs prefs = prefsFor(false);
        ReportPageLayout layout(writer, text);
        Recording rec = layOut(writer, prefs, layout);
        QVERIFY(hasText(rec, QStringLiteral("Week correct / week predictions ")));
        QVERIFY(hasText(rec, QStringLiteral("% Season correct ")));
        QVERIFY(hasText(rec, QStringLiteral("YOU")));
        QCOMPARE(layout.columnLineX().size(), size_t(3));
        int slashes = 0;
        for (const auto& drawn : rec.lines)
            if (drawn.line.dx() != 0 && drawn.line.dy() != 0)
                ++slashes;
        QCOMPARE(slashes, 6); // two per W, S and initials cell
    }

    void wideReport_isPrintedSmallerToKeepEveryColumn() {
        std::vector<std::string> rows = {"  []|San Francisco|_____|  []|San Francisco|_____| 3.5 ",
                                         " 1"};
        const int storedPixels = 14 * 300 / 72; // 14 points at the 300 dpi of no printer
        // Wide margins on A4 portrait leave no room for the pick sheet at 14 points; a
        // landscape page does.
        for (bool landscape : {false, true}) {
            PageWriter writer(TMeasureUnit::muMillimeters);
            ReportText text = oneBlock(kSpreadsGridReport, rows);
            ReportPrintPrefs prefs = prefsFor(landscape);
            prefs.font.size = 14;
            if (!landscape)
                prefs.leftMargin = prefs.rightMargin = 50;
            ReportPageLayout layout(writer, text);
            Recording rec = layOut(writer, prefs, layout);
            const PrintableArea& area = writer.printable();
            int wide = writer.textWidth(QString::fromStdString(text.blocks[0].widthTemplate));
            QVERIFY(wide <= area.width);
            QCOMPARE(layout.geometry().frameRight, area.left + wide);
            auto initials = std::find_if(rec.texts.begin(), rec.texts.end(),
                                         [](const auto& t) { return t.text == "YOU"; });
            QVERIFY(initials != rec.texts.end());
            if (landscape)
                QCOMPARE(initials->font.pixelSize(), storedPixels);
            else
                QVERIFY(initials->font.pixelSize() < storedPixels);
            QCOMPARE(prefs.font.size, 14);
        }
    }

    void threeColumnSchedule_keepsEveryColumnOnAnA4Page() {
        PageWriter writer(TMeasureUnit::muMillimeters); // A4 when there is no printer
        // The shipped three-column settings: 7 points, narrow margins.
        const SchedulePrintPrefs prefs =
            LoadPreferences("no-such-dir/GRDOdds.cfg", false).prefs.view.schedules[2];
        SchedulePageLayout layout(writer);
        QString game = QStringLiteral(" Thu| Sep 18| 8:15 PM|San Francisco| at |Jacksonville");
        QStringList lines(60, game + QStringLiteral("||") + game + QStringLiteral("||") + game);
        QVERIFY(layout.PrintTheSchedule(lines, kThreeColumns, prefs, QStringLiteral("2025")));
        QCOMPARE(writer.pages().count(), 1);
        int wide = 0;
        for (const QString& column : layout.ScheduleTableFormat(kThreeColumns).split('|'))
            wide += writer.widthToPixels(column.mid(1).toDouble());
        QVERIFY(wide <= writer.printable().width);
    }

    // The 2025 season's 109 lines, its 22 sections three side by side, fill one Letter
    // page at the shipped size: at 7 points three lines spilled onto a second.
    void threeColumnSchedule_holdsASeasonOnOneLetterPage() {
        PageWriter writer(TMeasureUnit::muInches);
        const SchedulePrintPrefs prefs =
            LoadPreferences("no-such-dir/GRDOdds.cfg", false).prefs.view.schedules[2];
        SchedulePageLayout layout(writer);
        QString game = QStringLiteral(" Thu| Sep 18| 8:15 PM|San Francisco| at |Jacksonville");
        const QString heading =
            QStringLiteral("{$B}|") + QStringList(3, QStringLiteral("|| Week 10")).join("|||||");
        QStringList lines;
        for (int row = 0; row < 8; ++row) {
            lines << heading;
            for (int n = 0; n < (row < 5 ? 13 : 12); ++n)
                lines << game + QStringLiteral("||") + game + QStringLiteral("||") + game;
        }
        QVERIFY(layout.PrintTheSchedule(lines, kThreeColumns, prefs, QStringLiteral("2025")));
        QCOMPARE(writer.pages().count(), 1);
    }

    // Two columns: a page with room for one more line leaves a week's heading to the next.
    void twoColumnSchedule_neverEndsAPageWithAHeading() {
        const SchedulePrintPrefs prefs =
            LoadPreferences("no-such-dir/GRDOdds.cfg", false).prefs.view.schedules[1];
        const QString game = QStringLiteral(" Sun| Nov 9| 1:00 PM|New England| at |Seattle");
        const QString row = game + QStringLiteral("||") + game;
        const QString heading = QStringLiteral("{$B}||| Week 11||||||| Week 12");
        PageWriter writer(TMeasureUnit::muInches);
        SchedulePageLayout layout(writer);
        QVERIFY(layout.PrintTheSchedule({row}, kTwoColumns, prefs, QStringLiteral("2025")));
        const int perPage = writer.printable().height / writer.LineHeight();
        QStringList lines(perPage - 1, row);
        lines << heading << row << row;
        QVERIFY(layout.PrintTheSchedule(lines, kTwoColumns, prefs, QStringLiteral("2025")));
        QCOMPARE(writer.pages().count(), 2);
        auto drawn = [&](int page) {
            QStringList texts;
            for (const auto& text : grd::test::replay(writer.pages().page(page).picture).texts)
                texts << text.text;
            return texts;
        };
        QVERIFY(!drawn(1).contains(QStringLiteral(" Week 11")));
        QVERIFY(drawn(2).contains(QStringLiteral(" Week 11")));
    }

    void roundHeadings_printWholeInEveryScheduleLayout() {
        const auto schedules =
            LoadPreferences("no-such-dir/GRDOdds.cfg", false).prefs.view.schedules;
        const QString game = QStringLiteral(" Sun| Feb 8| 6:30 PM|New England| at |Seattle");
        const QString heading = QStringLiteral(" Championship");
        for (ScheduleColumns columns : {kOneColumn, kTwoColumns, kThreeColumns}) {
            int blocks = columns == kOneColumn ? 1 : columns == kTwoColumns ? 2 : 3;
            QStringList headingCells(blocks, QStringLiteral("||") + heading);
            QStringList gameCells(blocks, game);
            QStringList lines = {QStringLiteral("{$B}|") +
                                     headingCells.join(QStringLiteral("|||||")),
                                 gameCells.join(QStringLiteral("||"))};
            PageWriter writer(TMeasureUnit::muInches);
            SchedulePageLayout layout(writer);
            QVERIFY(layout.PrintTheSchedule(lines, columns,
                                            schedules[size_t(schedulePrefsIndex(columns))],
                                            QStringLiteral("2025")));
            Recording rec = grd::test::replay(writer.pages().page(1).picture);
            int whole = 0;
            for (const auto& drawn : rec.texts)
                whole += drawn.text == heading ? 1 : 0;
            QCOMPARE(whole, blocks);
        }
    }

    // A pick sheet of 40 games, more than a page holds.
    static ReportText fullPickSheet() {
        std::vector<std::string> rows(40, "  []|Dallas|_____|  []|Denver|_____| 3.5 ");
        rows.push_back("40");
        return oneBlock(kSpreadsGridReport, rows);
    }

    void pickSheet_fullPage_leavesOutSummaryLinesThatDoNotFit() {
        PageWriter writer(TMeasureUnit::muInches);
        ReportText text = fullPickSheet();
        ReportPageLayout layout(writer, text);
        Recording rec = layOut(writer, prefsFor(false), layout);
        QVERIFY(!hasText(rec, QStringLiteral("% Season correct ")));
        const ReportGeometry& g = layout.geometry();
        for (const auto& drawn : rec.texts)
            QVERIFY(drawn.baseline.y() <= g.frameBottom);
    }

    void fullPickSheet_endsFrameAndLinesAtTheRuleUnderTheLastGame() {
        PageWriter writer(TMeasureUnit::muMillimeters);
        ReportText text = fullPickSheet();
        ReportPageLayout layout(writer, text);
        Recording rec = layOut(writer, prefsFor(true), layout);
        double lowest = lowestText(rec);
        double lastRule = 0;
        for (const auto& drawn : rec.lines)
            if (drawn.line.dy() == 0)
                lastRule = std::max(lastRule, drawn.line.y1());
        QVERIFY(lastRule >= lowest);
        QCOMPARE(rec.outlines.size(), size_t(1));
        QVERIFY(rec.outlines[0].rect.bottom() >= lastRule);
        QVERIFY(rec.outlines[0].rect.bottom() <=
                writer.printable().top + writer.printable().height);
        // Column lines and the W/S/initials slashes reach that rule.
        for (const auto& drawn : rec.lines)
            if (drawn.line.dx() == 0 || drawn.line.dy() != 0)
                QCOMPARE(std::max(drawn.line.y1(), drawn.line.y2()), lastRule);
    }

    void scoresReport_writesRowsToTheDashAndTheAverageLine() {
        PageWriter writer(TMeasureUnit::muInches);
        ReportText text =
            oneBlock(kArchiveScoresReport,
                     {"|Dallas|17||Denver|20", "-", "|Average points per game per team = 18.5"});
        ReportPageLayout layout(writer, text);
        Recording rec = layOut(writer, prefsFor(false), layout);
        QVERIFY(hasText(rec, QStringLiteral("Dallas")));
        QVERIFY(!hasText(rec, QStringLiteral("-")));
        QVERIFY(hasText(rec, QStringLiteral("Average points per game per team = 18.5")));
        QVERIFY(hasText(rec, QStringLiteral("  GRD Oddsmith: Scores  ")));
    }

    void ownTitle_isPrintedWholeInItsCellInEveryReport() {
        // Letters whose kerning with the blank after them made the cell a pixel short.
        const char* titles[] = {"TEAM A", "NFL", "GRD P", "MY", "NEW", "ABC V"};
        for (int kind = kTeamReport; kind <= kArchiveScoresReport; ++kind) {
            for (const char* title : titles) {
                PageWriter writer(TMeasureUnit::muInches);
                ReportText text = oneBlock(kind, {"|Dallas|17||Denver|20"});
                ReportPrintPrefs prefs = prefsFor(false);
                prefs.dateTitle = false;
                prefs.title = title;
                ReportPageLayout layout(writer, text);
                Recording rec = layOut(writer, prefs, layout);
                const auto& drawn = rec.texts.front();
                QCOMPARE(drawn.text.trimmed(), QString::fromLatin1(title));
                double end = drawn.baseline.x() + writer.textWidth(drawn.text, true);
                double middle = rec.texts[1].baseline.x();
                QVERIFY2(end <= middle, title);
            }
        }
    }

    void marginsLeavingNoRoom_areNamedAndPrintNothing() {
        PageWriter writer(TMeasureUnit::muMillimeters);
        ReportText text = oneBlock(kTeamReport, teamRows(1));
        ReportPageLayout layout(writer, text);
        QVERIFY(layout.PrintTheReports(1, prefsFor(false), kToday));
        ReportPrintPrefs prefs = prefsFor(false);
        prefs.topMargin = 200;
        prefs.bottomMargin = 150;
        Status laid = layout.PrintTheReports(1, prefs, kToday);
        QVERIFY(!laid);
        QVERIFY(laid.failure().detail.find("top 200, bottom 150") != std::string::npos);
        QCOMPARE(writer.pages().count(), 0);

        SchedulePrintPrefs wide;
        wide.leftMargin = wide.rightMargin = 120;
        SchedulePageLayout schedule(writer);
        QVERIFY(!schedule.PrintTheSchedule({QStringLiteral("game")}, kTwoColumns, wide,
                                           QStringLiteral("2025")));
        QCOMPARE(writer.pages().count(), 0);
    }

    void missingReport_isAFailure() {
        PageWriter writer(TMeasureUnit::muInches);
        ReportText text = oneBlock(kTeamReport, teamRows(1));
        ReportPageLayout layout(writer, text);
        QVERIFY(!layout.PrintTheReports(2, prefsFor(false), kToday));
        QVERIFY(!writer.IsBuilding());
    }
};

QTEST_MAIN(ReportPageLayoutTest)
#include "ReportPageLayout_test.moc"
