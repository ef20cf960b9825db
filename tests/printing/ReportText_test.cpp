#include "printing/ReportChoices.h"
#include "printing/ReportFixture.h"
#include "printing/ReportKind.h"

#include <algorithm>

namespace grd {
namespace {

class ReportText : public test::ReportFixture {};

size_t cellCount(const std::string& line) {
    return static_cast<size_t>(std::count(line.begin(), line.end(), '|')) + 1;
}

TEST_F(ReportText, blocksFollowOneAnotherAndKnowTheirLines) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    const auto text = build({kSpreadsGridReport, kTeamReport, kDivisionReport});
    ASSERT_EQ(text.selection.count, 3);
    ASSERT_EQ(text.blocks.size(), 3u);
    // Grid: heading, 3 games, count; team: heading, 6 teams, averages, last line.
    EXPECT_EQ(text.selection.firstLine[0], 0);
    EXPECT_EQ(text.selection.lastLine[0], 4);
    EXPECT_EQ(text.selection.firstLine[1], 5);
    EXPECT_EQ(text.selection.lastLine[1], 13);
    EXPECT_EQ(text.selection.firstLine[2], 14);
    EXPECT_EQ(text.selection.lastLine[2], static_cast<int>(text.lines.size()) - 1);
    for (size_t slot = 0; slot < 3; ++slot) {
        const ReportBlock& block = text.blocks[slot];
        EXPECT_EQ(block.kind, text.selection.kinds[slot]);
        EXPECT_EQ(block.firstLine, text.selection.firstLine[slot]);
        EXPECT_EQ(block.weekHeading, text.lines[static_cast<size_t>(block.firstLine)]);
    }
    EXPECT_EQ(text.blocks[0].title, "GRD Oddsmith: Spreads");
    EXPECT_EQ(text.blocks[0].weekHeading, "2025-26: Week 5  ");
    EXPECT_EQ(text.blocks[0].columnHeading, "|Team 1|Score||Team 2|Score|Spread|W|S|YOU");
    EXPECT_EQ(text.blocks[1].weekHeading, "2025-26: Week 4  ");
    EXPECT_EQ(text.blocks[1].columnHeading,
              "||*Total| Off| Def| Pts+| Pts-| Avg+| Avg-| %  | W| L| T");
}

TEST_F(ReportText, titlesAndHeadingsComeFromTheKindAndThePrintOptions) {
    read("views/WEEK-04.25", kArchiveKind);
    prefs.reports[kArchiveSpreadsGridReport - 1].initials = "JD";
    const auto text = build({kArchiveSpreadsPlainReport, kArchiveSpreadsGridReport,
                             kArchiveScoresReport, kCategoryReport});
    EXPECT_EQ(text.blocks[0].title, "  GRD Oddsmith: Spreads  ");
    EXPECT_EQ(text.blocks[0].columnHeading, "");
    EXPECT_EQ(text.blocks[0].widthTemplate, ""); // measured from the bold title row
    EXPECT_EQ(text.blocks[1].columnHeading, "|Team 1|Score||Team 2|Score|Spread|W|S|JD");
    EXPECT_EQ(text.blocks[2].title, "  GRD Oddsmith: Scores  ");
    EXPECT_EQ(text.blocks[3].title, "GRD Oddsmith: Category Rankings");
    EXPECT_EQ(text.blocks[3].columns.size(), 17u);
}

TEST_F(ReportText, everyRowFitsTheColumnsOfItsKind) {
    for (auto [file, kind] : {std::pair<const char*, int32_t>{"views/MAIN-DTA.GRD", kMainDataKind},
                              {"views/WEEK-04.25", kArchiveKind}}) {
        read(file, kind);
        const auto text = build({1, 2, 3, 4, 5, 6, 7, 8});
        for (const ReportBlock& block : text.blocks) {
            const size_t columns = block.columns.size();
            ASSERT_GT(columns, 0u) << block.kind;
            if (!block.columnHeading.empty()) {
                EXPECT_LE(cellCount(block.columnHeading), columns) << block.kind;
            }
            for (int i = block.firstLine + 1; i <= block.lastLine; ++i) {
                EXPECT_LE(cellCount(text.lines[static_cast<size_t>(i)]), columns)
                    << block.kind << ": " << text.lines[static_cast<size_t>(i)];
            }
        }
    }
}

TEST_F(ReportText, aSlotWithoutAReportKindBuildsNothing) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    ReportSelection selection;
    selection.add(kTeamReport);
    selection.add(9);
    auto text = buildReportText(selection, {rankings, state, league, prefs});
    ASSERT_FALSE(text.ok());
    EXPECT_EQ(text.failure().number, 12);
    // Empty slots are skipped wherever they are.
    selection.kinds = {0, kCategoryReport, 0, 0, 0, 0, 0, kTeamReport};
    auto gaps = buildReportText(selection, {rankings, state, league, prefs});
    ASSERT_TRUE(gaps.ok());
    EXPECT_EQ(gaps.value().selection.kinds[0], kCategoryReport);
    EXPECT_EQ(gaps.value().selection.kinds[1], kTeamReport);
}

TEST_F(ReportText, choicesKeepPrintOrderAndWhatTheDataHolds) {
    read("views/MAIN-DTA.GRD", kMainDataKind);
    const ReportChoices all{true, true, true, true, true, true};
    EXPECT_EQ(availableReports(rankings, state),
              (ReportChoices{true, true, false, true, true, true}));
    EXPECT_EQ(selectReports(all, rankings, state).kinds,
              (std::array<int, 8>{4, 5, 1, 2, 3, 0, 0, 0}));
    state.spreads[1] = kNoSpread;
    ReportSelection rankingsOnly = selectReports(all, rankings, state);
    EXPECT_EQ(rankingsOnly.count, 3);
    for (int more = 0; more < 5; ++more) {
        EXPECT_TRUE(rankingsOnly.add(kTeamReport));
    }
    EXPECT_FALSE(rankingsOnly.add(kTeamReport)); // eight slots only

    read("views/WEEK-04.25", kArchiveKind);
    EXPECT_EQ(selectReports(all, rankings, state).kinds,
              (std::array<int, 8>{6, 7, 8, 1, 2, 3, 0, 0}));
    EXPECT_EQ(selectReports({false, true, true, false, false, true}, rankings, state).kinds,
              (std::array<int, 8>{7, 8, 3, 0, 0, 0, 0, 0}));
    read("views/WEEK-03.25", kArchiveKind); // scores but no spreads
    EXPECT_EQ(availableReports(rankings, state),
              (ReportChoices{false, false, true, true, true, true}));
}

} // namespace
} // namespace grd
