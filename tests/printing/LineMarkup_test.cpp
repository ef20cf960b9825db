#include "printing/LineMarkup.h"
#include "printing/TableFormat.h"
#include "printing/TextFitting.h"

#include <gtest/gtest.h>

#include <string>

namespace grd {
namespace {

TEST(TableFormatText, parsesAlignmentsWidthsAndDefaults) {
    auto columns = parseTableFormat("<1|>0.5|^2|||-1.5|>x", '|', 0.75);
    ASSERT_EQ(columns.size(), 7u);
    EXPECT_EQ(columns[0], (TableColumn{CellAlignment::Left, 1.0, true}));
    EXPECT_EQ(columns[1], (TableColumn{CellAlignment::Right, 0.5, true}));
    EXPECT_EQ(columns[2], (TableColumn{CellAlignment::Centre, 2.0, true}));
    EXPECT_EQ(columns[3], (TableColumn{CellAlignment::Left, 0.75, true}));
    EXPECT_EQ(columns[5], (TableColumn{CellAlignment::Left, 1.5, false}));
    EXPECT_EQ(columns[6], (TableColumn{CellAlignment::Right, 0.75, true}));
    EXPECT_EQ(parseTableFormat("", '|', 2.0).size(), 1u);
}

TEST(TableFormatText, normalisesToShortestTextsAndScalesWithTheUnit) {
    EXPECT_EQ(normaliseTableFormat("1.50|>.5|^2.000|-3", '|', 0), "<1.5|>0.5|^2|<-3");
    EXPECT_EQ(normaliseTableFormat("", '|', 1), "");
    EXPECT_EQ(normaliseTableFormat(">|<", '|', 1.25), ">1.25|<1.25");
    auto toMillimetres = [](double inches) { return inches * 25.4; };
    EXPECT_EQ(scaleTableFormat("<1|>0.5|-2", '|', 0, toMillimetres), "<25.4|>12.7|<-50.8");
    EXPECT_EQ(normaliseTableFormat("^1;>2", ';', 0), "^1;>2");
}

TEST(LineMarkupCommands, styleCommandIsTakenOnlyForKnownLetters) {
    std::string bold = "{$B}|Team";
    EXPECT_EQ(takeStyleCommand(bold), kStyleBold);
    EXPECT_EQ(bold, "|Team");
    std::string italic = "{$I}x";
    EXPECT_EQ(takeStyleCommand(italic), kStyleItalic);
    std::string unknown = "{$Q}x";
    EXPECT_EQ(takeStyleCommand(unknown), kStyleNone);
    EXPECT_EQ(unknown, "{$Q}x");
    std::string plain = "x{$B}";
    EXPECT_EQ(takeStyleCommand(plain), kStyleNone);
    std::string alone = "{$U}";
    EXPECT_EQ(takeStyleCommand(alone), kStyleUnderline);
    EXPECT_EQ(alone, "");
}

TEST(LineMarkupCommands, fieldsAreReplacedInCommandCells) {
    CellFields fields{7, 3, "12/7/26", "9:05:00 PM", "Schedule"};
    EXPECT_EQ(expandCellFields("{$PAGE}", fields, '|'), "3");
    EXPECT_EQ(expandCellFields("Page {$PAGE} line {$LINE}", fields, '|'), "Page 3 line 7");
    EXPECT_EQ(expandCellFields("{$DATE} {$TIME}", fields, '|'), "12/7/26 9:05:00 PM");
    EXPECT_EQ(expandCellFields("{$TITLE}{$TITLE}", fields, '|'), "ScheduleSchedule");
    EXPECT_EQ(expandCellFields("{$*}x", fields, '|'), "|");
    EXPECT_EQ(expandCellFields("{$*}", fields, '|'), "");
    EXPECT_EQ(expandCellFields("no fields", fields, '|'), "no fields");
}

TEST(LineMarkupCommands, tabsExpandToTheNextStop) {
    EXPECT_EQ(expandTabs("a\tb", 4), "a   b");
    EXPECT_EQ(expandTabs("abcd\te", 4), "abcd    e");
    EXPECT_EQ(expandTabs("\t", 8), std::string(8, ' '));
}

TEST(TextFittingRules, halvingFindsTheLongestFittingPrefix) {
    int calls = 0;
    auto tenEach = [&](int n) {
        ++calls;
        return n * 10;
    };
    EXPECT_EQ(longestFittingPrefix(100, 555, tenEach), 55);
    EXPECT_LE(calls, 9); // halving, not one probe per character
    EXPECT_EQ(longestFittingPrefix(5, 50, tenEach), 5);
    EXPECT_EQ(longestFittingPrefix(5, 9, tenEach), 0); // one character too wide is dropped
    EXPECT_EQ(longestFittingPrefix(0, 9, tenEach), 0);
}

TEST(TextFittingRules, wrappingBreaksAtTheLastBlankThatFits) {
    std::string text = "San Francisco Giants";
    auto width = [](int n) { return n * 10; };
    auto blank = [&](int i) { return text[static_cast<size_t>(i)] == ' '; };
    WrapBreak atBlank = wrapBreak(static_cast<int>(text.size()), 150, width, blank);
    EXPECT_EQ(atBlank.keep, 13);
    EXPECT_EQ(atBlank.resume, 14);
    WrapBreak midWord = wrapBreak(static_cast<int>(text.size()), 25, width, blank);
    EXPECT_EQ(midWord.keep, 2);
    EXPECT_EQ(midWord.resume, 2);
    WrapBreak nothingFits = wrapBreak(static_cast<int>(text.size()), 5, width, blank);
    EXPECT_EQ(nothingFits.keep, 1);
}

TEST(TextFittingRules, cellPlacementKeepsTheSmallGap) {
    EXPECT_EQ(cellGap(300), 6);
    EXPECT_EQ(cellGap(600), 12);
    EXPECT_EQ(cellGap(200), 0);
    EXPECT_EQ(cellOffset(CellAlignment::Left, 300, 100, 300), 6);
    EXPECT_EQ(cellOffset(CellAlignment::Right, 300, 100, 300), 194);
    EXPECT_EQ(cellOffset(CellAlignment::Centre, 300, 100, 300), 100);
    // No room for the gap: flush with the edge.
    EXPECT_EQ(cellOffset(CellAlignment::Left, 300, 296, 300), 0);
    EXPECT_EQ(cellOffset(CellAlignment::Right, 300, 296, 300), 4);
}

TEST(TextFittingRules, lineHeightFollowsTheSpacing) {
    EXPECT_EQ(lineHeightFor(-58, TLineSpacing::lsSingleSpace), 58);
    EXPECT_EQ(lineHeightFor(58, TLineSpacing::lsHalfSpace), 29);
    EXPECT_EQ(lineHeightFor(58, TLineSpacing::lsSingleAndAQuarter), 72);
    EXPECT_EQ(lineHeightFor(58, TLineSpacing::lsSingleAndAHalf), 87);
    EXPECT_EQ(lineHeightFor(58, TLineSpacing::lsDoubleSpace), 116);
}

} // namespace
} // namespace grd
