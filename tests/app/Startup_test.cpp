#include "app/Shutdown.h"
#include "app/Startup.h"
#include "app/StartupTestDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace grd {
namespace {

using test::RecordingHost;
using test::StartupTestDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<int> numbersOf(const StartupOutcome& outcome) {
    std::vector<int> numbers;
    for (const Failure& failure : outcome.failures)
        numbers.push_back(failure.number);
    return numbers;
}

class StartupTest : public ::testing::Test {
protected:
    StartupOutcome start() {
        state.programDir = dir.dir();
        return runStartup(state, host, false);
    }

    StartupTestDir dir;
    AppState state;
    RecordingHost host;
};

TEST_F(StartupTest, shippedData_reachesReadyStateWithoutMessages) {
    auto outcome = start();
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_FALSE(state.startupFailed);
    EXPECT_TRUE(outcome.splashShown);
    EXPECT_THAT(host.calls, ElementsAre("bind", "splash", "handOver"));
    ASSERT_TRUE(state.schedule);
    EXPECT_EQ(state.schedule->teamCount, 32);
    EXPECT_EQ(host.weekGameCounts, state.league.weekGameCounts);
    EXPECT_EQ(state.league.regularWeekCount(), 18);
    EXPECT_TRUE(std::is_sorted(state.league.nameCodes.begin(), state.league.nameCodes.end(),
                               [](auto& a, auto& b) { return a.code < b.code; }));
    EXPECT_EQ(state.program.currentWeek, kNoWeek);
    ASSERT_EQ(state.program.spreads.size(), 5u);
    EXPECT_EQ(state.program.spreads[1], kNoSpread);
    EXPECT_EQ(state.helpStatus, 0);
}

TEST_F(StartupTest, missingCompanion_failsAloneWithoutSplash) {
    host.companionPresent = false;
    auto outcome = start();
    EXPECT_THAT(numbersOf(outcome), ElementsAre(-31));
    EXPECT_EQ(outcome.failures[0].detail,
              " \"libGRDOdds.so\"  -- GRD Oddsmith cannot function without this file. ");
    EXPECT_TRUE(state.startupFailed);
    EXPECT_FALSE(outcome.splashShown);
    EXPECT_THAT(host.calls, ElementsAre("bind"));
    EXPECT_TRUE(state.league.alignments.empty());
}

TEST_F(StartupTest, leagueStructureFailures_reportLoaderThenMinus30) {
    const auto structure = dir.path() / "GRDStructure.txt";
    const std::string text = test::readFile(structure);
    struct Case {
        const char* what;
        std::string content; // empty: the file is removed
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"missing", "", {-32, -30}},
        {"wrong version", "grds1" + text.substr(5), {-29, -30}},
        {"truncated", text.substr(0, text.size() / 2), {-30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppState fresh;
        RecordingHost freshHost;
        if (c.content.empty())
            std::filesystem::remove(structure);
        else
            dir.write("GRDStructure.txt", c.content);
        fresh.programDir = dir.dir();
        auto outcome = runStartup(fresh, freshHost, false);
        EXPECT_EQ(numbersOf(outcome), c.expected);
        EXPECT_THAT(outcome.failures.back().detail, HasSubstr(structure.string()));
        EXPECT_TRUE(fresh.startupFailed);
        EXPECT_TRUE(outcome.splashShown);
        EXPECT_THAT(freshHost.calls, ElementsAre("bind", "splash"));
    }
}

TEST_F(StartupTest, missingSchedule_reportsLoaderThenMinus5WithPath) {
    dir.remove("GRDSchedule.ccs");
    auto outcome = start();
    EXPECT_THAT(numbersOf(outcome), ElementsAre(-6, -5));
    EXPECT_EQ(outcome.failures[1].detail,
              " \"" + dir.dir() +
                  "GRDSchedule.ccs\"  -- GRD Oddsmith cannot function without this file. ");
    EXPECT_TRUE(state.startupFailed);
    EXPECT_THAT(host.calls, ElementsAre("bind", "splash"));
}

TEST_F(StartupTest, damagedNamesFile_reportsLoaderThenMinus3WithPath) {
    dir.write("GRDNames.ccn", "not a names file");
    auto outcome = start();
    ASSERT_EQ(outcome.failures.size(), 2u);
    EXPECT_EQ(outcome.failures[1].number, -3);
    EXPECT_THAT(outcome.failures[1].detail, HasSubstr("\"" + dir.dir() + "GRDNames.ccn\""));
    EXPECT_TRUE(state.startupFailed);
    EXPECT_FALSE(state.revertAvailable);
}

TEST_F(StartupTest, filesInOtherLetterCase_areFound) {
    std::filesystem::rename(dir.path() / "GRDSchedule.ccs", dir.path() / "grdschedule.CCS");
    std::filesystem::rename(dir.path() / "GRDStructure.txt", dir.path() / "grdstructure.txt");
    auto outcome = start();
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_FALSE(state.startupFailed);
}

TEST_F(StartupTest, missingHelpBundle_isReportedButLeavesProgramUsable) {
    dir.remove("GRDOdds.help");
    auto outcome = start();
    EXPECT_THAT(numbersOf(outcome), ElementsAre(-52));
    EXPECT_EQ(state.helpStatus, -52);
    EXPECT_FALSE(state.startupFailed);
}

TEST_F(StartupTest, helpBundle_isTheDataDirectorysElseTheShippedOne) {
    start();
    EXPECT_EQ(state.helpBundle, dir.dir() + "GRDOdds.help");

    StartupTestDir shipped;
    dir.remove("GRDOdds.help");
    AppState installed;
    installed.programDir = dir.dir();
    installed.shippedDir = shipped.dir();
    EXPECT_TRUE(runStartup(installed, host, false).failures.empty());
    EXPECT_EQ(installed.helpStatus, 0);
    EXPECT_EQ(installed.helpBundle, shipped.dir() + "GRDOdds.help");

    shipped.remove("GRDOdds.help");
    AppState helpless;
    helpless.programDir = dir.dir();
    helpless.shippedDir = shipped.dir();
    EXPECT_THAT(numbersOf(runStartup(helpless, host, false)), ElementsAre(-52));
    EXPECT_EQ(helpless.helpBundle, "");
}

TEST_F(StartupTest, revertCopy_madeOnlyFromAMainDataFile) {
    dir.write("MAIN-DTA.GRD", "5.00\nMD\nrest of the season\n");
    start();
    EXPECT_TRUE(state.revertAvailable);
    EXPECT_EQ(dir.read("main-dta.rvt"), "5.00\nMD\nrest of the season\n");

    AppState other;
    RecordingHost otherHost;
    dir.remove("main-dta.rvt");
    dir.write("MAIN-DTA.GRD", "6.0\nMD\n");
    other.programDir = dir.dir();
    runStartup(other, otherHost, false);
    EXPECT_FALSE(other.revertAvailable);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "main-dta.rvt"));
}

TEST_F(StartupTest, shutdown_savesPreferencesDeletesRevertCopyAndFreesLeague) {
    dir.write("MAIN-DTA.GRD", "5.00\nMD\n");
    dir.write("GRDOdds.cfg", "[Team]\nTop=42\n");
    start();
    state.prefs.general.flyby = false;
    auto saved = runShutdown(state, host);
    EXPECT_TRUE(saved.ok());
    EXPECT_EQ(host.calls.back(), "unload");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "main-dta.rvt"));
    const std::string cfg = dir.read("GRDOdds.cfg");
    EXPECT_THAT(cfg, HasSubstr("FlyBy=0"));
    EXPECT_THAT(cfg, HasSubstr("Top=42")); // the layout sections are not the preferences'
    EXPECT_FALSE(state.schedule);
    EXPECT_TRUE(state.league.alignments.empty());
    EXPECT_TRUE(state.programDir.empty());
}

TEST_F(StartupTest, shutdown_whenPreferencesCannotBeSaved_stillDeletesRevertCopy) {
    dir.write("MAIN-DTA.GRD", "5.00\nMD\n");
    start();
    std::filesystem::create_directory(dir.path() / "GRDOdds.cfg");
    auto saved = runShutdown(state, host);
    EXPECT_FALSE(saved.ok());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "main-dta.rvt"));
}

} // namespace
} // namespace grd
