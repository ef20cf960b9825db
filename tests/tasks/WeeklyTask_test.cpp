#include "tasks/ForecastSelection.h"
#include "tasks/QuickScoreEntry.h"
#include "tasks/SlowScoreEntry.h"
#include "tasks/TaskFixture.h"
#include "tasks/WeeklyTask.h"

#include "league/RankingsFile.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace grd {
namespace {

using test::ScriptedHost;
using test::TaskFixture;
using Log = std::vector<std::string>;
using Reply = WeeklyTaskHost::Reply;

class WeeklyTaskTest : public ::testing::Test {
protected:
    WeeklyTaskTest() {
        host.app = &fx.app;
        host.scores = [this](WeeklyTaskHost::ScoreEntry kind) {
            return kind == WeeklyTaskHost::ScoreEntry::Quick ? enterQuick() : enterPlayoff();
        };
        host.forecasts = [this] { return choosePlayoffGames(); };
    }

    WeekData data() { return {*fx.app.rankings, fx.app.program, fx.app.league, fx.kTeams}; }

    bool enterQuick() {
        QuickScoreEntry entry(data());
        while (entry.entering()) {
            EXPECT_FALSE(entry.acceptGame("24", "17"));
        }
        return !entry.done();
    }

    // Home teams of the playoffs win: 2 games, then 1, then the final.
    bool enterPlayoff() {
        SlowScoreEntry entry(data());
        for (int game = 1; entry.entering(); game += 2) {
            entry.pick(game);
            entry.pick(game + 1);
            EXPECT_FALSE(entry.enterGame("10", "20"));
        }
        return !entry.done();
    }

    bool choosePlayoffGames() {
        ForecastSelection selection(data());
        for (int team = 1; !selection.full(); team += 2) {
            selection.pick(team);
            selection.pick(team + 1);
            EXPECT_FALSE(selection.forecastGame());
        }
        return selection.doneEnabled();
    }

    // Runs the weekly tasks of the entries in turn, every one saved.
    void runEntries(int first, int last) {
        for (int entry = first; entry <= last; ++entry) {
            host.week = entry;
            host.takeOffered = true;
            WeeklyTask(fx.app, host).run();
            host.takeOffered = false;
        }
    }

    TaskFixture fx;
    ScriptedHost host;
    WeeklyTask task{fx.app, host};
};

TEST_F(WeeklyTaskTest, firstEntryForecastsWeekOneAndSavesWeekZero) {
    host.week = 0;
    host.yesNo = {false, true, false}; // no extra games, save, do not print
    task.run();
    EXPECT_EQ(host.log, (Log{"choose", "close", "GRD Oddsmith 7.18: MAIN-DTA.GRD", "Q2", "layout",
                             "Q3", "Q1"}));
    EXPECT_TRUE(fx.exists("WEEK-00.24"));
    EXPECT_EQ(fx.app.program.currentWeek, 1);
    EXPECT_EQ(fx.app.program.forecastCount, 4);
    EXPECT_FALSE(task.HasUnsavedData());
}

TEST_F(WeeklyTaskTest, regularWeekPostsForecastsAndSavesItsArchive) {
    host.week = 1;
    host.yesNo = {false, true, true};
    task.run();
    EXPECT_EQ(host.log, (Log{"choose", "close", "GRD Oddsmith 7.18: MAIN-DTA.GRD", "quick", "Q2",
                             "layout", "Q4", "Q1", "print"}));
    EXPECT_TRUE(fx.exists("WEEK-01.24"));
    EXPECT_EQ(fx.app.program.scoreGameCount, 4);
    EXPECT_EQ(fx.app.rankings->teams[1].wins, 1);

    tRankings saved;
    ProgramState state;
    ASSERT_TRUE(
        ReadRankings(fx.dir.path() / "MAIN-DTA.GRD", kMainDataKind, saved, state, fx.app.league));
    EXPECT_EQ(state.currentWeek, 2);
    EXPECT_EQ(saved.teams[1].wins, 1);
}

TEST_F(WeeklyTaskTest, aWeekTheDataHoldsIsEnteredAgainOnlyAfterAYes) {
    runEntries(0, 2); // the data stands at week 2's scores
    const std::string saved = fx.dir.read("MAIN-DTA.GRD");
    const struct {
        int entry;
        bool asked;
    } cases[] = {{1, true}, {2, true}, {3, false}};
    for (const auto& c : cases) {
        host.log.clear();
        host.questionTexts.clear();
        host.week = c.entry;
        host.yesNo = {false}; // No to the first question
        host.scores = [](WeeklyTaskHost::ScoreEntry) { return false; };
        WeeklyTask(fx.app, host).run();
        EXPECT_EQ(host.offeredStandsAt, 2);
        EXPECT_EQ(host.log.size() > 1 && host.log[1] == "Q14", c.asked) << c.entry;
        if (c.asked) {
            EXPECT_EQ(host.log.size(), 2u) << c.entry; // and nothing read or entered
            ASSERT_EQ(host.questionTexts.size(), 1u);
            EXPECT_EQ(host.questionTexts[0],
                      "The main data file already stands at Week 2 scores.  Entering Week " +
                          std::to_string(c.entry) +
                          " scores again would count its scores twice.  Enter them anyway?");
        }
    }
    EXPECT_EQ(fx.dir.read("MAIN-DTA.GRD"), saved);

    host.log.clear();
    host.week = 2;
    host.yesNo = {true};
    WeeklyTask(fx.app, host).run(); // Yes goes on to the score entry
    EXPECT_EQ(host.log[2], "close");
}

TEST_F(WeeklyTaskTest, theMainDataFileIsSavedLastAndAFailedOneStaysUnsaved) {
    namespace fs = std::filesystem;
    std::string before = fx.dir.read("MAIN-DTA.GRD");
    // A read-only main data file still reads, but is not replaced.
    fs::permissions(fx.dir.path() / "MAIN-DTA.GRD", fs::perms::owner_read);
    host.week = 0;
    host.yesNo = {false, true, false};
    task.run();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0].number, -21);
    EXPECT_TRUE(fx.exists("WEEK-00.24"));
    EXPECT_EQ(fx.dir.read("MAIN-DTA.GRD"), before);
    // Week 1's forecasts are in no main data file yet, so the close query offers them.
    EXPECT_TRUE(task.HasUnsavedData());
    fs::permissions(fx.dir.path() / "MAIN-DTA.GRD", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(task.AskSaveUnsaved(), Reply::Yes);
    EXPECT_FALSE(task.HasUnsavedData());
    EXPECT_NE(fx.dir.read("MAIN-DTA.GRD"), before);

    // A failed archive leaves the main data file as it was: the week is not committed.
    host.errors.clear();
    before = fx.dir.read("MAIN-DTA.GRD");
    fs::create_directory(fx.dir.path() / "WEEK-01.24");
    host.week = 1;
    host.yesNo = {false, true, false};
    task.run();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0].number, -22);
    EXPECT_EQ(fx.dir.read("MAIN-DTA.GRD"), before);
    EXPECT_TRUE(task.HasUnsavedData());
}

TEST_F(WeeklyTaskTest, cancelledScoreEntryWritesNothingAndLeavesNothingUnsaved) {
    host.week = 1;
    host.scores = [](WeeklyTaskHost::ScoreEntry) { return false; };
    task.run();
    EXPECT_EQ(host.log.back(), "quick");
    EXPECT_FALSE(fx.exists("WEEK-01.24"));
    EXPECT_FALSE(task.HasUnsavedData());

    host.log.clear();
    host.week.reset();
    task.run();
    EXPECT_EQ(host.log, (Log{"choose"}));
}

TEST_F(WeeklyTaskTest, declinedSaveIsOfferedAgainAndCancelStopsTheNextTask) {
    host.week = 1;
    host.yesNo = {false, false, false};
    task.run();
    EXPECT_FALSE(fx.exists("WEEK-01.24"));
    EXPECT_TRUE(task.HasUnsavedData());
    EXPECT_EQ(task.unsavedQuestion(), 103);

    host.log.clear();
    host.unsavedReply = Reply::Cancel;
    task.run();
    EXPECT_EQ(host.log, (Log{"unsaved 103"}));

    host.log.clear();
    host.unsavedReply = Reply::Yes;
    EXPECT_EQ(task.AskSaveUnsaved(), Reply::Yes);
    EXPECT_TRUE(fx.exists("WEEK-01.24"));
    EXPECT_FALSE(task.HasUnsavedData());
}

TEST_F(WeeklyTaskTest, lastRegularWeekGoesStraightToThePlayoffChoice) {
    runEntries(0, 2);
    host.log.clear();
    host.week = 3;
    host.yesNo = {true, false};
    task.run();
    EXPECT_EQ(host.log, (Log{"choose", "close", "GRD Oddsmith 7.18: MAIN-DTA.GRD", "quick",
                             "forecasts", "layout", "Q4", "Q1"}));
    EXPECT_EQ(fx.app.program.currentWeek, 100);
    EXPECT_EQ(fx.app.program.forecastCount, 2);
    EXPECT_TRUE(fx.exists("WEEK-03.24"));

    host.log.clear();
    host.forecasts = [] { return false; };
    host.yesNo = {true, false, false}; // the week again, then no save
    task.run();
    EXPECT_EQ(host.log[1], "Q14");
    EXPECT_EQ(host.log[7], "Q5");
}

TEST_F(WeeklyTaskTest, playoffWeeksSaveUnderTheOfferedNames) {
    runEntries(0, 3);
    host.log.clear();
    host.week = 4;
    host.archiveName = "Wild Card.24";
    host.yesNo = {true, false};
    task.run();
    EXPECT_EQ(host.log, (Log{"choose", "close", "GRD Oddsmith 7.18: MAIN-DTA.GRD", "slow",
                             "forecasts", "layout", "Q4", "save as Wild Card.24", "Q1"}));
    EXPECT_TRUE(fx.exists("Wild Card.24"));
    EXPECT_EQ(fx.app.program.currentWeek, 101);

    runEntries(5, 5);
    EXPECT_TRUE(fx.exists("Championship.24"));
    host.log.clear();
    host.week = 6;
    host.archiveName = "Super Bowl.24";
    host.yesNo = {true, false};
    task.run();
    EXPECT_EQ(host.log, (Log{"choose", "close", "GRD Oddsmith 7.18: MAIN-DTA.GRD", "slow", "layout",
                             "Q5", "save as Super Bowl.24", "Q1"}));
    EXPECT_TRUE(fx.exists("Super Bowl.24"));
    EXPECT_EQ(fx.app.program.currentWeek, 103);
}

// "Other" scores of exactly week 2's games count as week 2; others keep "Week__" after
// saying so.
TEST_F(WeeklyTaskTest, otherScoresOfAScheduledWeekCountAsThatWeek) {
    runEntries(0, 1); // the data stands at week 2
    const int other = 3 + 3 + 1;
    // Week 2 pairs 1-4, 3-6, 5-8 and 7-2; entered in another order and the other way round.
    auto enterGames = [this](std::vector<std::pair<int, int>> games) {
        host.scores = [this, games](WeeklyTaskHost::ScoreEntry) {
            SlowScoreEntry entry(data());
            for (auto [a, b] : games) {
                entry.pick(a);
                entry.pick(b);
                EXPECT_FALSE(entry.enterGame("20", "10"));
            }
            if (entry.entering()) {
                entry.allGamesEntered();
            }
            return !entry.done();
        };
    };
    enterGames({{4, 1}, {5, 8}, {3, 6}, {2, 7}});
    host.week = other;
    host.takeOffered = true;
    host.log.clear();
    host.yesNo = {false, true, false}; // no extra forecasts, save, no print
    WeeklyTask(fx.app, host).run();
    EXPECT_EQ(fx.app.program.currentWeek, 3);
    EXPECT_EQ(fx.app.program.forecastGameCount, 4);
    EXPECT_TRUE(fx.exists("WEEK-02.24"));
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "Q15"), 0);

    enterGames({{1, 2}, {3, 4}});
    host.week = other;
    host.log.clear();
    host.yesNo = {false}; // No to "the week will not advance"
    const std::string saved = fx.dir.read("MAIN-DTA.GRD");
    WeeklyTask(fx.app, host).run();
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "Q15"), 1);
    EXPECT_EQ(fx.dir.read("MAIN-DTA.GRD"), saved);
}

TEST_F(WeeklyTaskTest, saveDialogCancelWritesNothing) {
    fx.app.rankings = std::make_unique<tRankings>();
    fx.app.rankings->resize(fx.kTeams);
    fx.app.program.currentWeek = 104; // "Other"
    host.archiveName.reset();
    EXPECT_EQ(task.SaveWeekAs(), Reply::Cancel);
    EXPECT_EQ(host.offered, "");
    EXPECT_FALSE(fx.app.program.mainDataSaved);
}

TEST_F(WeeklyTaskTest, failedReadLeavesNoUnsavedResultsBehind) {
    host.week = 1;
    host.yesNo = {false, false, false}; // results left unsaved
    task.run();
    ASSERT_TRUE(task.HasUnsavedData());
    std::filesystem::remove(fx.dir.path() / "MAIN-DTA.GRD");
    host.unsavedReply = Reply::No;
    task.run();
    EXPECT_EQ(host.errors.at(0).number, -9);
    // The results went with the old data: there is nothing left to save.
    EXPECT_FALSE(task.HasUnsavedData());
}

TEST_F(WeeklyTaskTest, unreadableOrMismatchedMainDataEndsTheTask) {
    std::filesystem::remove(fx.dir.path() / "MAIN-DTA.GRD");
    host.week = 1;
    task.run();
    EXPECT_EQ(host.errors.at(0).number, -9);
    EXPECT_EQ(host.log.back(), "GRD Oddsmith 7.18: No File Loaded");
    EXPECT_FALSE(fx.app.rankings);

    TaskFixture other;
    ScriptedHost otherHost;
    otherHost.app = &other.app;
    otherHost.week = 1;
    other.app.schedule->teamCount = 6;
    WeeklyTask(other.app, otherHost).run();
    EXPECT_EQ(otherHost.errors.at(0).number, -19);
    EXPECT_TRUE(other.app.rankings);
}

TEST(WeeklyTaskRules, unsavedQuestionFollowsWhatWasChanged) {
    TaskFixture fx;
    ScriptedHost host;
    WeeklyTask task(fx.app, host);
    auto& state = fx.app.program;
    state.spreadsForecast = true;
    EXPECT_EQ(task.unsavedQuestion(), 101);
    state.rankingsUpdated = true;
    for (auto [week, spreads, code] :
         {std::tuple{2, false, 103}, {103, true, 102}, {100, true, 103}, {101, false, 102}}) {
        state.currentWeek = week;
        state.spreadsForecast = spreads;
        EXPECT_EQ(task.unsavedQuestion(), code) << week;
    }
}

TEST(WeeklyTaskRules, entriesMapToCurrentWeeksAndListsCountTheirGames) {
    EXPECT_EQ(WeeklyTask::currentWeekOfEntry(0, 18), 1);
    EXPECT_EQ(WeeklyTask::currentWeekOfEntry(17, 18), 18);
    EXPECT_EQ(WeeklyTask::currentWeekOfEntry(18, 18), 100);
    EXPECT_EQ(WeeklyTask::currentWeekOfEntry(23, 18), 105);
    EXPECT_EQ(countGames({0, 1, 2, 3, 99, 99, 99}, 6), 1);
    EXPECT_EQ(countGames({0, 1, 2, 3, 4, 5, 6}, 6), 3);
    EXPECT_EQ(countGames({0, 99}, 6), 3); // short list: no empty pair within reach
}

} // namespace
} // namespace grd
