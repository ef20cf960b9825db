#include "league/LeagueLookups.h"
#include "league/StructureLoader.h"
#include "league/WeekLabels.h"

#include "TestConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

// The small fixture league with its second alignment active and three names.
LeagueStructure smallLeague() {
    LeagueStructure league;
    auto text = test::readFile(std::string(ODDSMITH_FIXTURE_DIR) + "league/small-structure.txt");
    EXPECT_TRUE(parseLeagueStructure(text, "x", league).empty());
    league.activeAlignment = 1;
    league.cityNames = {"Nowhere", "Alpha", "Beta", "Gamma"};
    league.teamNames = {"Nobodies", "Ants", "Bees", "Geese"};
    league.nameCodes = {{5, 3}, {3, 1}, {4, 2}, {0, 0}};
    sortNameCodes(league);
    return league;
}

TEST(LeagueLookups, nameIndexOfCodeSearchesTheSortedCodes) {
    auto league = smallLeague();
    EXPECT_EQ(NameIndexOfCode(league, 3), 1);
    EXPECT_EQ(NameIndexOfCode(league, 5), 3);
    EXPECT_EQ(NameIndexOfCode(league, 0), 0);
    EXPECT_EQ(NameIndexOfCode(league, 99), 0);
    EXPECT_EQ(NameIndexOfCode(LeagueStructure{}, 3), 0);
}

TEST(LeagueLookups, teamNamesGoThroughTheActiveAlignmentsCodes) {
    auto league = smallLeague();
    EXPECT_EQ(NameIndexOfTeam(league, 1), 1); // code 1 + 2
    EXPECT_EQ(TeamName(league, 3, true), "Gamma");
    EXPECT_EQ(TeamName(league, 2, false), "Bees");
    EXPECT_EQ(TeamName(league, 4, true), "Nowhere"); // code 6 has no name
    EXPECT_EQ(TeamName(league, 7, true), "");
    EXPECT_EQ(NameIndexOfTeam(league, 0), 0);
    league.activeAlignment = -1;
    EXPECT_EQ(TeamName(league, 1, true), "");
}

TEST(LeagueLookups, teamAtAndFindTeamCountDivisionsAcrossConferences) {
    auto league = smallLeague();
    EXPECT_EQ(TeamAt(league, 0, 2), 2);
    EXPECT_EQ(TeamAt(league, 1, 1), 3);
    EXPECT_EQ(TeamAt(league, 2, 3), 6);
    EXPECT_EQ(TeamAt(league, 1, 2), -1);
    EXPECT_EQ(TeamAt(league, 3, 1), -1);
    EXPECT_EQ(TeamAt(league, -1, 1), -1);
    int32_t ordinal = 7, position = 7;
    ASSERT_TRUE(FindTeam(league, 5, ordinal, position));
    EXPECT_EQ(ordinal, 2);
    EXPECT_EQ(position, 2);
    EXPECT_FALSE(FindTeam(league, 9, ordinal, position));
    EXPECT_EQ(ordinal, 2);
    league.activeAlignment = 0;
    ASSERT_TRUE(FindTeam(league, 4, ordinal, position));
    EXPECT_EQ(ordinal, 1);
    EXPECT_EQ(position, 1);
}

TEST(WeekLabels, forecastAndStandingsModes) {
    auto league = smallLeague();
    league.weekGameCounts = {17};
    EXPECT_EQ(WeekLabel(league, "2008-09", false, 1), "2008-09: Before Week 1  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", false, 100), "2008-09: Week 17  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", false, 5), "2008-09: Week 4  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", false, 101), "2008-09: Wild Card  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", false, 104), "2008-09: Super Bowl  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", true, 5), "2008-09: Week 5  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", true, 100), "2008-09: Wild Card  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", true, 104), "2008-09: Week__  ");
    EXPECT_EQ(WeekLabel(league, "2008-09", true, 105), "2008-09: Week__  ");
    EXPECT_EQ(WeekLabel(league, "x", true, 150), "x: Week__  ");
}

TEST(WeekLabels, archiveWeekLabelFromOldFileNames) {
    EXPECT_EQ(ArchiveWeekLabel("WEEK-15.89", 14), "1989: Week 16");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-16.89", 14), "week after WEEK-16.89");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-16.95", 14), "1995: Week 17");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-17.02", 4), "2002: Wild Card");
    EXPECT_EQ(ArchiveWeekLabel("Wildcard.02", 4), "2002: Division");
    EXPECT_EQ(ArchiveWeekLabel("wild card.83", 4), "2083: Division");
    EXPECT_EQ(ArchiveWeekLabel("DIVISIONAL.99", 4), "1999: Championship");
    EXPECT_EQ(ArchiveWeekLabel("Championship.84", 2), "1984: Super Bowl");
    EXPECT_EQ(ArchiveWeekLabel("Superbowl.02", 1), "week after Superbowl.02");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-05", 14), "week after WEEK-05");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-05.1x", 14), "week after WEEK-05.1x");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-05.100", 14), "week after WEEK-05.100");
    EXPECT_EQ(ArchiveWeekLabel("W.05", 14), "week after W.05");
    EXPECT_EQ(ArchiveWeekLabel("WEEK-05.08", 8), "week after WEEK-05.08");
}

} // namespace
} // namespace grd
