#include "accuracy/AccuracyFixture.h"
#include "accuracy/AccuracyGrids.h"
#include "accuracy/MarketTally.h"
#include "accuracy/SeasonAccuracy.h"
#include "accuracy/SeasonArchives.h"
#include "league/RankingsFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace grd {
namespace {

namespace fs = std::filesystem;
using test::kAccuracyFixtureDir;
using test::kFixtureRegularWeeks;

std::vector<SeasonArchive> archivesIn(const fs::path& dir) {
    auto league = test::viewsLeague();
    auto archives = readSeasonArchives(dir, ".25", league);
    EXPECT_TRUE(archives.ok()) << (archives.ok() ? "" : archives.failure().detail);
    return archives.ok() ? archives.value() : std::vector<SeasonArchive>{};
}

SeasonAccuracy fixtureSeason() {
    return seasonAccuracy(archivesIn(kAccuracyFixtureDir), kFixtureRegularWeeks);
}

void copyFixture(const test::TempDir& dir) {
    for (const auto& entry : fs::directory_iterator(kAccuracyFixtureDir)) {
        fs::copy_file(entry.path(), dir.path() / entry.path().filename());
    }
}

// Week 1: Buffalo by 3 won by 7; Jets-Cowboys even, Jets won by 3; Green Bay by 6
// lost by 7. Week 2: Buffalo by 2 tied; Miami by 10 won by 27; Dallas-SF not played.
// Week 3: Buffalo by 7 won by 7. Super Bowl: SF by 4 lost by 21.
TEST(SeasonAccuracy, fixtureSeasonWorkedByHand) {
    auto season = fixtureSeason();
    ASSERT_EQ(season.weeks.size(), 4u);
    const auto& week1 = season.weeks[0].tally;
    EXPECT_EQ(season.weeks[0].week, 1);
    EXPECT_EQ(season.weeks[0].forecastFile, "WEEK-00.25");
    EXPECT_EQ(season.weeks[0].scoresFile, "WEEK-01.25");
    EXPECT_EQ(week1.games, 3);
    EXPECT_EQ(week1.even, 1);
    EXPECT_EQ(week1.decided, 2);
    EXPECT_EQ(week1.correct, 1);
    EXPECT_DOUBLE_EQ(week1.errorSum, 4 + 3 + 13);

    const auto& week2 = season.weeks[1];
    EXPECT_EQ(week2.tally.games, 2);
    EXPECT_EQ(week2.tally.tied, 1);
    EXPECT_EQ(week2.tally.decided, 1);
    EXPECT_EQ(week2.unplayedCount(), 1);
    EXPECT_FALSE(week2.games[2].played);
    EXPECT_EQ(week2.games[2].first, 4);

    const auto& final = season.weeks[3];
    EXPECT_EQ(final.week, 100);
    EXPECT_EQ(final.scoresFile, "Super Bowl.25");
    EXPECT_EQ(final.games[0].actual(), -21);
    EXPECT_FALSE(final.games[0].favouriteWon());

    EXPECT_EQ(season.season.games, 7);
    EXPECT_EQ(season.season.even, 1);
    EXPECT_EQ(season.season.tied, 1);
    EXPECT_EQ(season.season.winnersText(), "3/5 = 60.0%");
    EXPECT_EQ(season.season.meanErrorText(), "9.14"); // 64 / 7
    EXPECT_EQ(season.unplayedCount(), 1);
}

TEST(SeasonAccuracy, scoresMatchEitherTeamOrderAndAnswerOneForecastOnly) {
    std::vector<ArchivedSpread> forecasts{{1, 2, 3.0}, {2, 1, 1.0}};
    std::vector<ArchivedScore> scores{{2, 10, 1, 14}};
    auto week = pairWeek(5, forecasts, scores);
    EXPECT_TRUE(week.games[0].played);
    EXPECT_EQ(week.games[0].actual(), 4);
    EXPECT_FALSE(week.games[1].played);
    EXPECT_EQ(week.tally.games, 1);
}

TEST(SeasonAccuracy, weeksGridShowsCountsSharesAndErrors) {
    auto league = test::viewsLeague();
    auto grid = accuracyWeeksGrid(fixtureSeason(), league, nullptr);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.titles, (std::vector<std::string>{"Week", "Games", "Even", "Tied", "Winners",
                                                     "Error", "Brier", "Not played"}));
    // Brier of week 1: (0.5875 - 1)^2, 0.25 for the even game, 0.6703^2; over three.
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{"Week 1", "3", "1", "0", "1/2 = 50.0%",
                                                      "6.67", "0.290", "0"}));
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"Week 2", "2", "0", "1", "1/1 = 100.0%",
                                                      "9.50", "0.028", "1"}));
    EXPECT_EQ(grid.text(3, 0), "Super Bowl");
    EXPECT_EQ(grid.text(3, 4), "0/1 = 0.0%");
    EXPECT_EQ(grid.rows[4], (std::vector<std::string>{"Season", "7", "1", "1", "3/5 = 60.0%",
                                                      "9.14", "0.200", "1"}));
}

TEST(SeasonAccuracy, gamesGridNamesTeamsAndMarksEvenTiedAndUnplayed) {
    auto league = test::viewsLeague();
    auto season = fixtureSeason();
    auto week1 = accuracyGamesGrid(season.weeks[0], league, true, nullptr);
    EXPECT_EQ(week1.rows[0],
              (std::vector<std::string>{"Buffalo", "Miami", "by 3", "24-17", "4", "yes"}));
    EXPECT_EQ(week1.rows[1],
              (std::vector<std::string>{"New York", "Dallas", "even", "13-10", "3", "-"}));
    auto week2 = accuracyGamesGrid(season.weeks[1], league, false, nullptr);
    EXPECT_EQ(week2.rows[0],
              (std::vector<std::string>{"Bills", "Jets", "by 2", "20-20", "2", "-"}));
    EXPECT_EQ(week2.rows[2],
              (std::vector<std::string>{"Cowboys", "49ers", "by 1", "not played", "", ""}));
}

TEST(SeasonAccuracy, weekWithoutItsScoresArchiveIsLeftOut) {
    test::TempDir dir;
    copyFixture(dir);
    fs::remove(dir.path() / "Super Bowl.25");
    auto season = seasonAccuracy(archivesIn(dir.path()), kFixtureRegularWeeks);
    ASSERT_EQ(season.weeks.size(), 3u);
    EXPECT_EQ(season.weeks.back().week, 3);
}

TEST(SeasonAccuracy, laterWrittenArchiveOfAWeekCounts) {
    test::TempDir dir;
    copyFixture(dir);
    std::string redone = test::readFile(dir.path() / "WEEK-02.25");
    redone.replace(redone.find("  1  2  7"), 9, "  1  2  4");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    dir.write("WEEK-02 again.25", redone);
    auto season = seasonAccuracy(archivesIn(dir.path()), kFixtureRegularWeeks);
    ASSERT_EQ(season.weeks.size(), 4u);
    EXPECT_EQ(season.weeks[2].forecastFile, "WEEK-02 again.25");
    EXPECT_DOUBLE_EQ(season.weeks[2].games[0].error(), 3.0);
}

TEST(SeasonAccuracy, damagedArchiveFailsWithItsNumberedError) {
    test::TempDir dir;
    copyFixture(dir);
    std::string text = test::readFile(dir.path() / "WEEK-01.25");
    dir.write("WEEK-01.25", text.substr(0, text.find("\r\n1\r\n20.25")));
    auto league = test::viewsLeague();
    auto archives = readSeasonArchives(dir.path(), ".25", league);
    ASSERT_FALSE(archives.ok());
    EXPECT_EQ(archives.failure().number, -17);
}

TEST(SeasonAccuracy, otherSeasonsAndOtherFilesAreNotRead) {
    test::TempDir dir;
    copyFixture(dir);
    fs::rename(dir.path() / "WEEK-00.25", dir.path() / "WEEK-00.24");
    auto archives = archivesIn(dir.path());
    ASSERT_EQ(archives.size(), 4u);
    EXPECT_EQ(archives.front().fileName, "WEEK-01.25");
    EXPECT_TRUE(archivesIn(dir.path() / "missing").empty());
}

TEST(SeasonAccuracy, archivesPastTheMainDataWeekAreLeftOutButKept) {
    test::TempDir dir;
    copyFixture(dir);
    // The season reverted to week 3: the main data file is the WEEK-02 archive's data.
    auto league = test::viewsLeague();
    tRankings rankings;
    ProgramState state;
    ASSERT_TRUE(ReadRankings(dir.path() / "WEEK-02.25", kArchiveKind, rankings, state, league));
    state.currentWeek = state.loadedWeek;
    ASSERT_TRUE(WriteRankings(kMainDataKind, dir.path() / "main-dta.grd", rankings, state, league,
                              rankings.teamCount));
    auto archives = archivesIn(dir.path());
    ASSERT_EQ(archives.size(), 3u);
    EXPECT_EQ(archives.back().fileName, "WEEK-02.25");
    EXPECT_EQ(seasonAccuracy(archives, kFixtureRegularWeeks).weeks.size(), 2u);
    EXPECT_TRUE(fs::exists(dir.path() / "WEEK-03.25"));
}

} // namespace
} // namespace grd
