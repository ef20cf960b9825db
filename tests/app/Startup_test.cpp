#include "app/Shutdown.h"
#include "app/Startup.h"
#include "app/StartupTestDir.h"
#include "files/DirectoryLock.h"
#include "league/DecompressedFile.h"
#include "league/NamesFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

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
        std::string reason = {};
    };
    std::string escaping = text;
    escaping.replace(escaping.find("\nWild Card"), 10, "\n../x");
    const Case cases[] = {
        {"missing", "", {-32, -30}},
        {"wrong version", "grds1" + text.substr(5), {-29, -30}},
        {"truncated", text.substr(0, text.size() / 2), {-30}, ": the file ends before"},
        {"week name leading up",
         escaping,
         {-30},
         "line 255: playoff week name \"../x\" cannot name a file"},
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
        EXPECT_THAT(outcome.failures.back().detail, HasSubstr(c.reason));
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

TEST_F(StartupTest, namesFileLackingATeamOfTheSeason_reportsMinus27ThenMinus3) {
    std::string reason;
    auto records = readDecompressed(dir.path() / "GRDNames.ccn", reason);
    ASSERT_TRUE(records);
    LeagueStructure read;
    NamesList names;
    ASSERT_TRUE(parseNames(*records, "GRDNames.ccn", read, &names.shortNames));
    names.cityNames = read.cityNames;
    names.teamNames = read.teamNames;
    names.codes.resize(read.cityNames.size());
    // Codes moved out of the way: the names are there, but name no team of the season.
    for (const auto& pair : read.nameCodes)
        names.codes[static_cast<size_t>(pair.nameIndex)] = pair.code + 1000;
    dir.write("GRDNames.ccn", compressed(namesRecords(names)));
    auto outcome = start();
    EXPECT_THAT(numbersOf(outcome), ElementsAre(-27, -3));
    EXPECT_TRUE(state.startupFailed);
}

TEST_F(StartupTest, temporaryFilesOfEarlierRuns_areRemoved) {
    std::string ours = "MAIN-DTA.GRD.tmp-" + std::to_string(getpid()) + "-0";
    dir.write(ours, "left by a kill");
    dir.write("MAIN-DTA.GRD.tmp-x", "not ours");
    start();
    EXPECT_FALSE(std::filesystem::exists(dir.path() / ours));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "MAIN-DTA.GRD.tmp-x"));
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
    state.writerLock.reset();

    StartupTestDir shipped;
    dir.remove("GRDOdds.help");
    AppState installed;
    installed.programDir = dir.dir();
    installed.shippedDir = shipped.dir();
    EXPECT_TRUE(runStartup(installed, host, false).failures.empty());
    EXPECT_EQ(installed.helpStatus, 0);
    EXPECT_EQ(installed.helpBundle, shipped.dir() + "GRDOdds.help");

    shipped.remove("GRDOdds.help");
    installed.writerLock.reset();
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
    state.writerLock.reset();
    dir.remove("main-dta.rvt");
    dir.write("MAIN-DTA.GRD", "6.0\nMD\n");
    other.programDir = dir.dir();
    runStartup(other, otherHost, false);
    EXPECT_FALSE(other.revertAvailable);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "main-dta.rvt"));
}

// A second program on a data directory another process writes: read-only writes
// nothing, not even its own revert copy, and leaves the writer's where it is.
TEST_F(StartupTest, dataInUse_readOnlyWritesNothingAndQuitStops) {
    const std::string writers = "5.00\nMD\nthe writer's revert copy\n";
    dir.write("main-dta.rvt", writers);
    DirectoryLock writer(dir.path(), "grdtool replay");
    ASSERT_TRUE(writer.held());
    host.readOnlyAnswer = true;
    EXPECT_TRUE(start().failures.empty());
    EXPECT_TRUE(state.readOnly);
    EXPECT_FALSE(state.revertAvailable);
    EXPECT_EQ(host.calls.front(),
              "readOnly? is in use by grdtool replay (process " + std::to_string(getpid()) + ")");
    state.prefs.general.flyby = !state.prefs.general.flyby;
    EXPECT_TRUE(runShutdown(state, host).ok());
    EXPECT_EQ(dir.read("main-dta.rvt"), writers);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "GRDOdds.cfg"));

    AppState quitting;
    RecordingHost quitHost;
    quitting.programDir = dir.dir();
    EXPECT_TRUE(runStartup(quitting, quitHost, false).quit);
    EXPECT_TRUE(quitting.startupFailed);
    EXPECT_THAT(quitHost.calls, ElementsAre(HasSubstr("readOnly?")));
}

// No lock can keep a second writer out: the program writes nothing, as beside a writer.
TEST_F(StartupTest, lockFileThatIsNoFile_offersReadOnlyNamingIt) {
    const auto lock = dir.path() / kDirectoryLockFileName;
    std::filesystem::create_symlink("gone/lock", lock);
    host.readOnlyAnswer = true;
    start();
    EXPECT_TRUE(state.readOnly);
    EXPECT_EQ(host.calls.front(), "readOnly? cannot be locked against other writers: " +
                                      lock.string() + " is not a regular file; remove it");
    state.prefs.general.flyby = !state.prefs.general.flyby;
    EXPECT_TRUE(runShutdown(state, host).ok());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "GRDOdds.cfg"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "main-dta.rvt"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));
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
