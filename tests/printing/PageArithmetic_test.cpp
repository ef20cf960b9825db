#include "printing/MeasureUnit.h"
#include "printing/PageGeometry.h"
#include "printing/PreviewScale.h"
#include "printing/PrintOrder.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(PageArithmetic, unitsConvertToPixelsBothWays) {
    EXPECT_EQ(unitToPixels(1.0, TMeasureUnit::muInches, 300), 300);
    EXPECT_EQ(unitToPixels(25.4, TMeasureUnit::muMillimeters, 300), 300);
    EXPECT_EQ(unitToPixels(6.0, TMeasureUnit::muMillimeters, 300), 71); // 70.87
    EXPECT_DOUBLE_EQ(pixelsToUnit(150, TMeasureUnit::muInches, 300), 0.5);
    EXPECT_DOUBLE_EQ(pixelsToUnit(300, TMeasureUnit::muMillimeters, 300), 25.4);
    EXPECT_DOUBLE_EQ(convertUnit(2.0, TMeasureUnit::muInches, TMeasureUnit::muMillimeters), 50.8);
    EXPECT_DOUBLE_EQ(convertUnit(50.8, TMeasureUnit::muMillimeters, TMeasureUnit::muInches), 2.0);
    EXPECT_EQ(measureUnitFor(true), TMeasureUnit::muInches);
    EXPECT_EQ(measureUnitFor(false), TMeasureUnit::muMillimeters);
}

TEST(PageArithmetic, withoutPrinterTheDefaultPageFollowsTheUnit) {
    PageMetrics letter = defaultPageMetrics(TMeasureUnit::muInches, false);
    EXPECT_EQ(letter.dpiX, 300);
    EXPECT_EQ(letter.pageWidth, 2550);
    EXPECT_EQ(letter.pageHeight, 3300);
    EXPECT_EQ(letter.unprintableLeft, 75);
    PageMetrics a4 = defaultPageMetrics(TMeasureUnit::muMillimeters, true);
    EXPECT_EQ(a4.pageWidth, 3508); // 297 mm across in landscape
    EXPECT_EQ(a4.pageHeight, 2480);
    EXPECT_EQ(a4.unprintableTop, 71);
}

TEST(PageArithmetic, marginsAreClampedToThePrintableArea) {
    EXPECT_DOUBLE_EQ(clampMargin(0.1, 0.25, 11.0, 0.25), 0.25);
    EXPECT_DOUBLE_EQ(clampMargin(12.0, 0.25, 11.0, 0.25), 10.75);
    EXPECT_DOUBLE_EQ(clampMargin(1.0, 0.25, 11.0, 0.25), 1.0);
    PageMetrics letter = defaultPageMetrics(TMeasureUnit::muInches, false);
    PageMargins clamped = clampMargins({0.0, 1.0, -3.0, 20.0}, letter, TMeasureUnit::muInches);
    EXPECT_EQ(clamped, (PageMargins{0.25, 1.0, 0.25, 8.25}));
}

TEST(PageArithmetic, printableAreaIsMeasuredFromTheUnprintableOffset) {
    PageMetrics letter = defaultPageMetrics(TMeasureUnit::muInches, false);
    PrintableArea area = printableArea(letter, {1.0, 0.5, 0.75, 1.25}, TMeasureUnit::muInches);
    EXPECT_EQ(area, (PrintableArea{225 - 75, 300 - 75, 2550 - 225 - 375, 3300 - 300 - 150}));
}

TEST(PageArithmetic, printRangeAndOrderFollowCopiesAndCollation) {
    PrintRange range = printRange(5, 2, 3);
    EXPECT_EQ(printOrder(range, 2, true), (std::vector<int>{2, 3, 2, 3}));
    EXPECT_EQ(printOrder(range, 2, false), (std::vector<int>{2, 2, 3, 3}));
    PrintRange open = printRange(4, 0, 0);
    EXPECT_EQ(open.first, 1);
    EXPECT_EQ(open.last, 4);
    EXPECT_EQ(printRange(4, 0, 9).last, 4);
    EXPECT_TRUE(printOrder(printRange(0, 0, 0), 1, true).empty());
    EXPECT_TRUE(printOrder(range, 0, true).empty());
}

TEST(PageArithmetic, progressLineNamesPageRangeAndCopies) {
    EXPECT_EQ(progressPageText(3, printRange(5, 0, 0), 1), "Page 3 of 5");
    EXPECT_EQ(progressPageText(3, printRange(5, 2, 4), 1), "Page 3");
    EXPECT_EQ(progressPageText(1, printRange(2, 1, 2), 3), "Page 1 of 2 of 3 Copies");
}

TEST(PageArithmetic, previewScaleAndFits) {
    // A 300 dpi Letter page at 100% on a 96 dpi screen: 816 x 1056 pixels.
    EXPECT_EQ(previewExtent(2550, 100, 300, 96), 816);
    EXPECT_EQ(previewExtent(3300, 50, 300, 96), 528);
    // 100 * (838 - 16 - 10 - 2) * 300 / 96 / 2550 = 99.26...
    EXPECT_EQ(fitZoom(838, 16, 5, 2550, 300, 96), 99);
    EXPECT_TRUE(fitByWidth(400, 800, 2550, 3300));
    EXPECT_FALSE(fitByWidth(800, 400, 2550, 3300));
}

} // namespace
} // namespace grd
