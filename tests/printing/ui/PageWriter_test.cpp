#include "printing/ui/PageWriter.h"
#include "printing/ui/RecordingDevice.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QtTest>

#include <cmath>

using namespace grd;
using grd::test::Recording;

namespace {

// A writer on the default Letter page with 1-inch margins, in inches.
std::unique_ptr<PageWriter> letterWriter() {
    auto writer = std::make_unique<PageWriter>(TMeasureUnit::muInches);
    writer->setMargins({1.0, 1.0, 1.0, 1.0});
    writer->setFont(QFont(QStringLiteral("Arial"), 12));
    writer->setWordWrap(false);
    writer->setDateAndTime(QStringLiteral("12/7/26"), QStringLiteral("9:05:00 PM"));
    return writer;
}

Recording pageOf(const PageWriter& writer, int n) {
    return grd::test::replay(writer.pages().page(n).picture);
}

const grd::test::DrawnText* find(const Recording& rec, const QString& text) {
    for (const auto& drawn : rec.texts)
        if (drawn.text == text)
            return &drawn;
    return nullptr;
}

int widthOf(const PageWriter& writer, const QString& text, bool bold = false) {
    return writer.textWidth(text, bold);
}

} // namespace

class PageWriterTest : public QObject {
    Q_OBJECT

private slots:
    void tableRow_placesCellsByAlignmentWithTheSmallGap() {
        auto writer = letterWriter();
        writer->setTableFormat(QStringLiteral("<1|>0.5|^2"));
        QCOMPARE(writer->TableFormat(), QStringLiteral("<1|>0.5|^2"));
        writer->StartDocument();
        writer->WriteTableRow(QStringLiteral("Dallas|17|Centre|Fourth"));
        writer->FinishDocument();
        Recording rec = pageOf(*writer, 1);
        QCOMPARE(rec.texts.size(), size_t(3)); // the fourth cell has no column
        int left = 300 - 75;                   // printable left in picture pixels
        QCOMPARE(find(rec, "Dallas")->baseline.x(), left + 6.0);
        QCOMPARE(find(rec, "17")->baseline.x(), left + 300 + 150 - widthOf(*writer, "17") - 6.0);
        QCOMPARE(find(rec, "Centre")->baseline.x(),
                 left + 450 + (600 - widthOf(*writer, "Centre")) / 2.0);
        QVERIFY(!find(rec, "Fourth"));
        // 12 points at 300 dpi: 50 pixels high, the first line at the printable top.
        QCOMPARE(find(rec, "Dallas")->font.pixelSize(), 50);
        QCOMPARE(writer->LineHeight(), 50);
        double ascent = QFontMetricsF(find(rec, "Dallas")->font).ascent();
        QVERIFY(std::abs(find(rec, "Dallas")->baseline.y() - (225 + ascent)) <= 1.0);
    }

    void styleCommand_boldsOneRowOnly() {
        auto writer = letterWriter();
        writer->setTableFormat(QStringLiteral("<3"));
        writer->StartDocument();
        writer->WriteTableRow(QStringLiteral("{$B}Heading"));
        writer->WriteTableRow(QStringLiteral("Body"));
        writer->FinishDocument();
        Recording rec = pageOf(*writer, 1);
        QVERIFY(find(rec, "Heading"));
        QVERIFY(find(rec, "Heading")->font.bold());
        QVERIFY(!find(rec, "Body")->font.bold());
        QVERIFY(find(rec, "Body")->baseline.y() - find(rec, "Heading")->baseline.y() == 50);
        QVERIFY(!find(rec, "{$B}Heading"));
    }

    void fieldsAndPageBreaks_numberThePages() {
        auto writer = letterWriter();
        writer->setTableFormat(QStringLiteral("<2|<2"));
        writer->StartDocument();
        // 9 inches of body at 50 pixels a line: 54 lines fit a page.
        for (int i = 0; i < 54 * 2 + 1; ++i)
            writer->WriteTableRow(QStringLiteral("{$PAGE}|{$LINE} {$DATE}"));
        writer->FinishDocument();
        QCOMPARE(writer->PageCount(), 3);
        Recording third = pageOf(*writer, 3);
        QVERIFY(find(third, "3"));
        QVERIFY(find(third, "1 12/7/26"));
        Recording first = pageOf(*writer, 1);
        QVERIFY(find(first, "54 12/7/26"));
        QVERIFY(!find(first, "55 12/7/26"));
    }

    void wideCell_isCutToWholeCharacters() {
        auto writer = letterWriter();
        writer->setTableFormat(QStringLiteral("<0.5"));
        writer->StartDocument();
        writer->WriteTableRow(QStringLiteral("San Francisco"));
        writer->FinishDocument();
        Recording rec = pageOf(*writer, 1);
        QCOMPARE(rec.texts.size(), size_t(1));
        QString shown = rec.texts[0].text;
        QVERIFY(QStringLiteral("San Francisco").startsWith(shown));
        QVERIFY(shown.size() < 13);
        QVERIFY(widthOf(*writer, shown) <= 150);
        QVERIFY(widthOf(*writer, QStringLiteral("San Francisco").left(shown.size() + 1)) > 150);
    }

    void plainLines_expandTabsAlignAndCarryTheRest() {
        auto writer = letterWriter();
        writer->setAlignment(CellAlignment::Right);
        writer->StartDocument();
        writer->WriteTextLine(QStringLiteral("a\tb"));
        writer->setAlignment(CellAlignment::Left);
        QString longLine = QString(QStringLiteral("word ")).repeated(60);
        writer->WriteTextLine(longLine);
        writer->FinishDocument();
        Recording rec = pageOf(*writer, 1);
        const auto* tabbed = find(rec, "a       b");
        QVERIFY(tabbed);
        QCOMPARE(tabbed->baseline.x(), 225.0 + 1950 - widthOf(*writer, "a       b"));
        QVERIFY(rec.texts.size() >= 3); // the long line goes on over the next lines
        QString joined;
        for (size_t i = 1; i < rec.texts.size(); ++i)
            joined += rec.texts[i].text;
        QCOMPARE(joined, longLine);
    }

    void margins_areClampedAndLockedWhileBuilding() {
        PageWriter writer(TMeasureUnit::muInches);
        writer.setMarginTop(0.1);
        QCOMPARE(writer.margins().top, 0.25);
        writer.setMarginLeft(20.0);
        QCOMPARE(writer.margins().left, 8.25);
        QVERIFY_THROWS_EXCEPTION(EPagePrinter, writer.StartDocument()); // no room left
        writer.setMarginLeft(0.5);
        writer.StartDocument();
        QVERIFY_THROWS_EXCEPTION(EPagePrinter, writer.setMarginTop(1.0));
        QVERIFY_THROWS_EXCEPTION(EPagePrinter, writer.setOrientation(true));
        QVERIFY_THROWS_EXCEPTION(EPagePrinter, writer.ClearPages());
        writer.FinishDocument();
        writer.ClearPages();
        QCOMPARE(writer.PageCount(), 0);
    }

    void millimetres_useA4AndConvertTheFormats() {
        PageWriter writer(TMeasureUnit::muMillimeters);
        QCOMPARE(writer.metrics().pageWidth, 2480);
        QVERIFY(std::abs(writer.margins().left - 6.0) < 0.02); // 71 pixels
        writer.setTableFormat(QStringLiteral(">25.4|^12.7"));
        writer.setMeasureUnit(TMeasureUnit::muInches);
        QCOMPARE(writer.TableFormat(), QStringLiteral(">1|^0.5"));
        QVERIFY(std::abs(writer.margins().left - 71.0 / 300) < 1e-12);
    }

    void headerAndGrid_areDrawnOnEveryPage() {
        auto writer = letterWriter();
        writer->setHeader(QStringLiteral("Page {$PAGE}"));
        writer->setHeaderFormat(QStringLiteral("^6.5"));
        writer->setTableFormat(QStringLiteral("<1|-1"));
        writer->setTableGrid(true);
        writer->StartDocument();
        writer->WriteTableRow(QStringLiteral("a|b"));
        writer->StartNewPage();
        writer->WriteTableRow(QStringLiteral("c|d"));
        writer->FinishDocument();
        Recording second = pageOf(*writer, 2);
        const auto* header = find(second, "Page 2");
        QVERIFY(header);
        // Centred in the top margin: between the page edge (-75) and the printable top (225).
        QVERIFY(header->baseline.y() > -75 && header->baseline.y() < 225);
        // The header's cell and the row's first cell; the negative width has no grid.
        QCOMPARE(second.outlines.size(), size_t(2));
        QCOMPARE(second.outlines[1].rect, QRectF(225, 225, 300, 50));
        QVERIFY(find(second, "c"));
        QVERIFY(!find(second, "a"));
    }

    void landscape_swapsThePage() {
        PageWriter writer(TMeasureUnit::muInches);
        writer.setOrientation(true);
        QCOMPARE(writer.metrics().pageWidth, 3300);
        QCOMPARE(writer.printable().width, 3300 - 150);
    }
};

QTEST_MAIN(PageWriterTest)
#include "PageWriter_test.moc"
