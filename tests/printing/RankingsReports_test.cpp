#include "printing/ReportFixture.h"
#include "printing/ReportKind.h"
#include "printing/ReportLayout.h"

namespace grd {
namespace {

using Lines = std::vector<std::string>;

class RankingsReports : public test::ReportFixture {
protected:
    void SetUp() override { read("views/MAIN-DTA.GRD", kMainDataKind); }
};

TEST_F(RankingsReports, teamRankingsListEveryTeamThenTheLeagueAverages) {
    EXPECT_EQ(lines(kTeamReport),
              (Lines{"2025-26: Week 4  ",
                     "  1|Buffalo|106.2 |105 |107 | 98 | 71 |24.5 |17.8 |0.750 | 3| 1| 0",
                     "  2|San Francisco|102.2 |106 | 98 |120 | 78 |30.0 |19.5 |1.000 | 4| 0| 0",
                     "  3|New York|100.0 |101 | 99 | 88 | 88 |22.0 |22.0 |0.500 | 2| 2| 0",
                     "  4|Dallas|100.0 | 96 |104 | 80 | 74 |20.0 |18.5 |0.625 | 2| 1| 1",
                     "  5|Miami| 97.5 | 99 | 96 | 70 | 95 |17.5 |23.8 |0.250 | 1| 3| 0",
                     "  6|Green Bay| 94.0 | 92 | 96 | 60 |110 |15.0 |27.5 |0.000 | 0| 4| 0",
                     // Pts+ and Avg+ averages stand for the minus columns too; no W, L, T.
                     "|Averages|100.0 |100 |100 | 86 | 86 |21.5 |21.5 |0.521 ", ""}));
}

TEST_F(RankingsReports, teamRankingsFollowTheSortKeyAndNameTheWeeksAverage) {
    state.sortKey = kSortPointsAgainst;
    rankings.weekAvgPoints = 21.45;
    prefs.cityNames = false;
    const Lines text = lines(kTeamReport);
    EXPECT_EQ(text[1].substr(0, 16), "  1|Bills|106.2 ");
    EXPECT_EQ(text[6].substr(0, 13), "  6|Packers| ");
    EXPECT_EQ(text.back(), "Average points per game this week: 21.4");
}

TEST_F(RankingsReports, noGamePlayedGivesTheStoredPercentagesAndALeaguePercentageOfZero) {
    for (TeamStats& team : rankings.teams) {
        team.wins = team.losses = team.ties = 0;
        team.winPct = 0;
    }
    const Lines text = lines(kTeamReport);
    EXPECT_TRUE(text[1].ends_with("|0.000 | 0| 0| 0")) << text[1];
    EXPECT_TRUE(text[7].ends_with("|21.5 |0.000 ")) << text[7];
}

TEST_F(RankingsReports, valuesWiderThanTheirFieldWidenTheCell) {
    rankings.teams[1].total = 1234.56;
    rankings.teams[1].pointsFor = 1000;
    const Lines text = lines(kTeamReport);
    EXPECT_EQ(text[1].substr(0, 36), "  1|Buffalo|1234.6 |105 |107 |1000 |");
}

TEST_F(RankingsReports, divisionRankingsGroupTeamsByPercentageUnderBoldDivisionRows) {
    EXPECT_EQ(lines(kDivisionReport),
              (Lines{"2025-26: Week 4  ", "{$B}|East Division",
                     "  1|Buffalo|106.2 |105 |107 | 98 | 71 |24.5 |17.8 |0.750 | 3| 1| 0",
                     "  3|New York|100.0 |101 | 99 | 88 | 88 |22.0 |22.0 |0.500 | 2| 2| 0",
                     "  5|Miami| 97.5 | 99 | 96 | 70 | 95 |17.5 |23.8 |0.250 | 1| 3| 0",
                     "{$B}|West Division",
                     "  2|San Francisco|102.2 |106 | 98 |120 | 78 |30.0 |19.5 |1.000 | 4| 0| 0",
                     "  4|Dallas|100.0 | 96 |104 | 80 | 74 |20.0 |18.5 |0.625 | 2| 1| 1",
                     "  6|Green Bay| 94.0 | 92 | 96 | 60 |110 |15.0 |27.5 |0.000 | 0| 4| 0"}));
    // The first cell is the league-wide place in the order of the sort key.
    state.sortKey = kSortOffense;
    const Lines byOffense = lines(kDivisionReport);
    EXPECT_EQ(byOffense[2].substr(0, 12), "  2|Buffalo|");
    EXPECT_EQ(byOffense[6].substr(0, 18), "  1|San Francisco|");
    EXPECT_EQ(rankings.teams[6].displayRank, 1);
}

TEST_F(RankingsReports, categoryRankingsPairEachValueWithItsTeam) {
    const Lines text = lines(kCategoryReport);
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(text[1], "  1|106.2 |Buffalo|106 |San Francisco|107 |Buffalo|120 |San Francisco"
                       "| 71 |Buffalo|30.0 |San Francisco|17.8 |Buffalo|1.000 |San Francisco");
    EXPECT_EQ(text[6], "  6| 94.0 |Green Bay| 92 |Green Bay| 96 |Miami| 60 |Green Bay"
                       "|110 |Green Bay|15.0 |Green Bay|27.5 |Green Bay|0.000 |Green Bay");
    // Names are not shortened as in the window.
    prefs.cityNames = false;
    EXPECT_NE(lines(kCategoryReport)[2].find("|49ers|"), std::string::npos);
}

TEST_F(RankingsReports, headingLinesMarkTheSortedColumn) {
    const std::string plain = "|| Total| Off| Def| Pts+| Pts-| Avg+| Avg-| %  | W| L| T";
    const char* names[] = {"", "Total", "Off", "Def", "Pts+", "Pts-", "%", "Avg+", "Avg-"};
    for (int key = 1; key <= kSortKeyCount; ++key) {
        const std::string team = columnHeadingLine(kTeamReport, key, "");
        ASSERT_EQ(team.size(), plain.size());
        const size_t star = team.find('*');
        EXPECT_EQ(team.find_first_not_of(" ", star + 1), plain.find(names[key])) << key;
        EXPECT_EQ(team.find('*', star + 1), std::string::npos);
        // Division rankings also mark the percentage, which orders each division.
        const std::string division = columnHeadingLine(kDivisionReport, key, "");
        EXPECT_EQ(division[43], '*');
        EXPECT_EQ(division[star], '*');
    }
    EXPECT_EQ(columnHeadingLine(kCategoryReport, 2, "YOU"),
              "| Total|| Off|| Def|| Pts+|| Pts-|| Avg+|| Avg-||  %");
}

TEST_F(RankingsReports, teamRankingsAfterCategoryRankingsStillFollowTheSortKey) {
    state.sortKey = kSortDefense;
    const Lines text = build({kCategoryReport, kTeamReport}).lines;
    // The category orders end in the order of Avg-, which puts San Francisco third.
    EXPECT_EQ(text[7 + 3].substr(0, 12), "  3|New York");
}

} // namespace
} // namespace grd
