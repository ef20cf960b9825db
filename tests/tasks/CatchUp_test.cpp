#include "league/NamesFile.h"
#include "records/GameRecords.h"
#include "tasks/CatchUpFixture.h"
#include "tasks/SeasonReplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace grd {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> abbreviationsOf(AppState& app) {
    std::vector<std::string> abbreviations;
    LeagueStructure names = app.league;
    EXPECT_TRUE(LoadNames(app.programDir, app.schedule->namesFileName, names, &abbreviations).ok());
    return abbreviations;
}

TEST(CatchUp, entriesRunFromTheMainDataFileToTheLastScoredWeek) {
    test::TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(dir, app));
    std::string text = test::readFile(test::kGames2024);
    // Scores up to week 3 only.
    auto records = parseGameRecords(text);
    ASSERT_TRUE(records.ok());
    for (auto& record : records.value()) {
        if (record.week > 3) {
            record.awayScore.reset();
            record.homeScore.reset();
        }
    }
    auto entries = entriesToReplay(app, records.value());
    ASSERT_TRUE(entries.ok());
    EXPECT_EQ(entries.value(), (std::vector<int>{0, 1, 2, 3}));
    // A week still being played waits, and so do those after it.
    auto week2 = std::find_if(records.value().begin(), records.value().end(),
                              [](const GameRecord& record) { return record.week == 2; });
    week2->homeScore.reset();
    EXPECT_EQ(entriesToReplay(app, records.value()).value(), (std::vector<int>{0, 1}));
    EXPECT_EQ(weekEntryName(0, app.league), "Week 1 forecasts");
    EXPECT_EQ(weekEntryName(3, app.league), "Week 3 scores");
    EXPECT_EQ(weekEntryName(19, app.league), "Wild Card scores");
    EXPECT_EQ(weekEntryName(22, app.league), "Super Bowl scores");

    auto all = parseGameRecords(text);
    auto season = entriesToReplay(app, all.value());
    ASSERT_TRUE(season.ok());
    EXPECT_EQ(season.value().size(), 23u);
}

TEST(CatchUp, reportStopsBeforeTheNextWeekAndKeepsTheWeeksDone) {
    test::TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(dir, app));
    auto records = parseGameRecords(test::readFile(test::kGames2024));
    ASSERT_TRUE(records.ok());
    auto done = replaySeason(app, records.value(), abbreviationsOf(app), std::nullopt,
                             [](const ReplayedWeek& week) { return week.entry < 1; });
    ASSERT_TRUE(done.ok());
    EXPECT_EQ(done.value(), 2);
    EXPECT_TRUE(fs::exists(dir.path() / "WEEK-01.24"));
    EXPECT_FALSE(fs::exists(dir.path() / "WEEK-02.24"));
    auto next = entriesToReplay(app, records.value());
    ASSERT_TRUE(next.ok());
    EXPECT_EQ(next.value().front(), 2);
}

} // namespace
} // namespace grd
