// Two processes on one data directory: one writes, the other refuses or reads only,
// and no save of one ever lands over the other's.
#include "files/DirectoryLock.h"
#include "state/MainDataVersion.h"
#include "tasks/CatchUpFixture.h"
#include "tasks/ReplaceMainData.h"
#include "tasks/TaskFixture.h"
#include "tasks/WeeklyTask.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace grd {
namespace {

namespace fs = std::filesystem;
using test::runTool;
using test::TempDir;

constexpr int kTrials = 50;

struct Started {
    FILE* pipe;
    test::ToolRun finish() {
        test::ToolRun run;
        char buffer[4096];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
            run.output.append(buffer, n);
        }
        run.status = pclose(pipe);
        return run;
    }
};

Started launch(const std::string& arguments) {
    std::string command = std::string(ODDSMITH_GRDTOOL) + " " + arguments + " 2>&1";
    return {popen(command.c_str(), "r")};
}

void copyDirectory(const fs::path& from, const fs::path& to) {
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
}

bool refusedAsInUse(const test::ToolRun& run) {
    return WIFEXITED(run.status) && WEXITSTATUS(run.status) == 1 &&
           run.output.find(" is in use by ") != std::string::npos &&
           run.output.find("nothing was written") != std::string::npos;
}

TEST(TwoWriters, replaysStartedTogetherNeverPostAWeekTwice) {
    TempDir start;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(start, app));
    TempDir work;
    const fs::path run = work.path() / "run";
    const std::string replay = "replay " + run.string() + " " + test::kGames2024 + " --through 3";
    copyDirectory(start.path(), run);
    ASSERT_EQ(runTool(replay).status, 0);
    const auto once = test::contentsOf(run);

    int refused = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        copyDirectory(start.path(), run);
        Started first = launch(replay);
        Started second = launch(replay);
        const test::ToolRun runs[] = {first.finish(), second.finish()};
        int ran = 0;
        for (const auto& done : runs) {
            // The loser either is refused or, starting after the winner ended, finds
            // nothing left to do.
            EXPECT_TRUE(done.status == 0 || refusedAsInUse(done)) << done.output;
            refused += refusedAsInUse(done) ? 1 : 0;
            ran += done.status == 0 ? 1 : 0;
        }
        EXPECT_GE(ran, 1) << "trial " << trial;
        // Whichever way they met, every week was posted exactly once.
        EXPECT_EQ(test::contentsOf(run), once) << "trial " << trial;
    }
    std::printf("%d of %d trials had one replay refused\n", refused, kTrials);
}

TEST(TwoWriters, writingCommandsRefuseWhileTheProgramHoldsTheDirectory) {
    TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(dir, app));
    const std::string before = dir.read("MAIN-DTA.GRD");
    const std::string path = dir.path().string();
    {
        DirectoryLock program(dir.path(), "Oddsmith");
        ASSERT_TRUE(program.held());
        const std::string holder = "in use by Oddsmith (process " + std::to_string(getpid()) + ")";
        for (const std::string& command :
             {"replay " + path + " " + test::kGames2024, "init " + path + " --average",
              "new-season --keep " + path + "/MAIN-DTA.GRD",
              std::string("build-schedule --teams ") + ODDSMITH_DATA_DIR + "teams.csv --games " +
                  test::kGames2024 + " " + path}) {
            auto refused = runTool(command);
            EXPECT_EQ(WEXITSTATUS(refused.status), 1) << command;
            EXPECT_NE(refused.output.find(holder), std::string::npos) << refused.output;
        }
        EXPECT_EQ(runTool("dump " + path + "/MAIN-DTA.GRD").status, 0); // reading needs no lock
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), before);
        EXPECT_FALSE(fs::exists(dir.path() / "WEEK-00.24"));
    }
    EXPECT_EQ(runTool("replay " + path + " " + test::kGames2024 + " --through 1").status, 0);
}

// Where no lock can be held, two writers could run at once: nothing is written.
TEST(TwoWriters, aLockFileThatIsNoFileStopsWritingCommands) {
    TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(dir, app));
    const std::string before = dir.read("MAIN-DTA.GRD");
    const fs::path lock = dir.path() / kDirectoryLockFileName;
    for (bool folder : {false, true}) {
        fs::remove(lock);
        if (folder) {
            fs::create_directory(lock);
        } else {
            fs::create_symlink("gone/lock", lock);
        }
        auto run = runTool("replay " + dir.path().string() + " " + test::kGames2024);
        EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 1) << run.output;
        EXPECT_NE(run.output.find(lock.string() + " is not a regular file; remove it; nothing "
                                                  "was written"),
                  std::string::npos)
            << run.output;
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), before);
        EXPECT_FALSE(fs::exists(dir.path() / "WEEK-00.24"));
        EXPECT_FALSE(fs::exists(dir.path() / "gone"));
    }
}

TEST(TwoWriters, aWeeklySaveOverDataAnotherProgramChangedIsRefusedAndLosesNothing) {
    TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(dir, app));
    test::ScriptedHost host;
    host.app = &app;
    host.week = 0;
    host.mainDataName.emplace("MINE.GRD");
    std::string replayed;
    // grdtool replays two weeks while the week-1 forecasts are being chosen.
    host.forecasts = [&] {
        auto run =
            runTool("replay " + dir.path().string() + " " + test::kGames2024 + " --through 2");
        EXPECT_EQ(run.status, 0) << run.output;
        replayed = dir.read("MAIN-DTA.GRD");
        return true;
    };
    WeeklyTask(app, host).run();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0].number, -21);
    EXPECT_EQ(host.errors[0].detail, (dir.path() / "MAIN-DTA.GRD").string() +
                                         " was changed by another program since it was read; "
                                         "nothing was saved there");
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), replayed);
    // Save As kept the week's forecasts elsewhere.
    tRankings saved;
    ProgramState state;
    ASSERT_TRUE(
        ReadRankings(dir.path() / "MINE.GRD", kMainDataKind, saved, state, app.league).ok());
    EXPECT_EQ(state.currentWeek, 1);
    EXPECT_GT(state.forecastCount, 0);
}

// Replacing the main data file with an archive would throw away the weeks another
// program posted meanwhile.
TEST(TwoWriters, aReplacementOverDataAnotherProgramChangedIsRefused) {
    TempDir dir;
    AppState app;
    ASSERT_TRUE(test::makeSeasonStart(dir, app));
    app.rankings = std::make_unique<tRankings>();
    ASSERT_TRUE(ReadRankings(dir.path() / "MAIN-DTA.GRD", kMainDataKind, *app.rankings, app.program,
                             app.league));
    noteMainDataOnDisk(app);
    auto run = runTool("replay " + dir.path().string() + " " + test::kGames2024 + " --through 2");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string replayed = dir.read("MAIN-DTA.GRD");

    Status replaced = ReplaceMainData(app);
    ASSERT_FALSE(replaced.ok());
    EXPECT_EQ(replaced.failure(),
              (Failure{-21, (dir.path() / "MAIN-DTA.GRD").string() +
                                " was changed by another program since it was read; nothing "
                                "was saved there"}));
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), replayed);
    noteMainDataOnDisk(app); // read again, it may be replaced
    EXPECT_TRUE(ReplaceMainData(app).ok());
    EXPECT_NE(dir.read("MAIN-DTA.GRD"), replayed);
}

} // namespace
} // namespace grd
