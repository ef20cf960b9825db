#include "league/RankingsFile.h"
#include "league/RevertCopy.h"
#include "state/MainDataVersion.h"
#include "tasks/ReplaceMainData.h"
#include "tasks/RevertMainData.h"

#include "tasks/TaskFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace grd {
namespace {

using test::TaskFixture;
namespace fs = std::filesystem;

TEST(RevertMainData, bringsBackTheStartupFileByteForByte) {
    TaskFixture f;
    const std::string start = f.dir.read(kMainDataFileName);
    ASSERT_TRUE(MakeRevertCopy(f.dir.dir()));
    f.dir.write(kMainDataFileName, "5.1\r\nMD\r\nchanged by two weekly tasks\r\n");

    RevertMainData revert(f.dir.dir());
    EXPECT_FALSE(revert.missingRevertFile());
    const auto result = revert.run();
    EXPECT_EQ(result.outcome, RevertMainData::Outcome::Reverted);
    EXPECT_FALSE(result.failure);
    EXPECT_EQ(f.dir.read(kMainDataFileName), start);
    EXPECT_EQ(f.dir.read(kRevertFileName), start); // the revert file stays for another time
    EXPECT_EQ(RevertMainData::message(result.outcome), "Reversion successful.");
}

TEST(RevertMainData, refusesMissingAndInvalidRevertFilesWithoutTouchingMainData) {
    TaskFixture f;
    const std::string start = f.dir.read(kMainDataFileName);
    RevertMainData revert(f.dir.dir());
    ASSERT_TRUE(revert.missingRevertFile());
    EXPECT_EQ(revert.missingRevertFile()->number, -45);

    for (const char* text : {"5.1\r\nAD\r\n", "6.0\r\nMD\r\n", "3.94\r\nMD\r\n", "5.1\r\nmd\r\n",
                             "", "MD\r\n5.1\r\n"}) {
        f.dir.write(kRevertFileName, text);
        const auto result = revert.run();
        EXPECT_EQ(result.outcome, RevertMainData::Outcome::Invalid) << text;
        ASSERT_TRUE(result.failure) << text;
        EXPECT_EQ(result.failure->number, -43) << text;
        EXPECT_EQ(RevertMainData::message(result.outcome), "");
        EXPECT_EQ(f.dir.read(kMainDataFileName), start) << text;
    }
}

TEST(RevertMainData, unreadableRevertFileOrFailedCopyLeavesMainDataWhole) {
    TaskFixture f;
    const std::string start = f.dir.read(kMainDataFileName);
    RevertMainData revert(f.dir.dir());

    // A directory in the revert file's place cannot be read as a file.
    fs::create_directory(f.dir.path() / kRevertFileName);
    auto result = revert.run();
    EXPECT_EQ(result.outcome, RevertMainData::Outcome::Incomplete);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->number, -44);
    fs::remove(f.dir.path() / kRevertFileName);

    // A main data file that cannot be replaced: the copy fails and the old text stays.
    f.dir.write(kRevertFileName, "5.1\r\nMD\r\n8\r\n");
    fs::remove(f.dir.path() / kMainDataFileName);
    fs::create_directory(f.dir.path() / kMainDataFileName);
    fs::create_directory(f.dir.path() / kMainDataFileName / "in-use");
    result = revert.run();
    EXPECT_EQ(result.outcome, RevertMainData::Outcome::Incomplete);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->number, -46);
    EXPECT_FALSE(result.failure->detail.empty());
    EXPECT_TRUE(fs::is_directory(f.dir.path() / kMainDataFileName / "in-use"));
    EXPECT_EQ(RevertMainData::message(result.outcome),
              "Reversion incomplete. Main-dta.grd was not changed.");
    fs::remove_all(f.dir.path() / kMainDataFileName);

    f.dir.write(kMainDataFileName, start);
    EXPECT_EQ(revert.run().outcome, RevertMainData::Outcome::Reverted);
}

// The fixture's main data loaded, advanced to week 3 and archived, then the archive
// loaded for viewing.
void loadArchive(TaskFixture& f, const std::string& name) {
    noteMainDataOnDisk(f.app); // as start-up does
    f.app.rankings = std::make_unique<tRankings>();
    ASSERT_TRUE(ReadRankings(f.dir.path() / kMainDataFileName, kMainDataKind, *f.app.rankings,
                             f.app.program, f.app.league));
    f.app.rankings->teams[3].total = 123.5;
    f.app.program.currentWeek = 3;
    ASSERT_TRUE(WriteRankings(kArchiveKind, f.dir.path() / name, *f.app.rankings, f.app.program,
                              f.app.league, TaskFixture::kTeams));
    f.app.rankings = std::make_unique<tRankings>();
    ASSERT_TRUE(ReadRankings(f.dir.path() / name, kArchiveKind, *f.app.rankings, f.app.program,
                             f.app.league));
}

TEST(ReplaceMainData, refusesTheMainDataFileInAnyCaseAndAForeignTeamCount) {
    TaskFixture f;
    loadArchive(f, "WEEK-02.24");
    EXPECT_FALSE(replaceRefusal(f.app));
    for (const char* name : {"MAIN-DTA.GRD", "main-dta.grd", "Main-Dta.Grd"}) {
        f.app.rankings->fileName = name;
        ASSERT_TRUE(replaceRefusal(f.app)) << name;
        EXPECT_EQ(replaceRefusal(f.app)->number, -50) << name;
    }
    f.app.rankings->fileName = "WEEK-02.24";
    f.app.schedule->teamCount = TaskFixture::kTeams + 2;
    ASSERT_TRUE(replaceRefusal(f.app));
    EXPECT_EQ(*replaceRefusal(f.app), (Failure{-51, "WEEK-02.24"}));
}

TEST(ReplaceMainData, writesTheArchivesRankingsAndWeekAndKeepsItLoaded) {
    TaskFixture f;
    ASSERT_TRUE(MakeRevertCopy(f.dir.dir()));
    const std::string start = f.dir.read(kMainDataFileName);
    loadArchive(f, "WEEK-02.24");
    ASSERT_TRUE(ReplaceMainData(f.app));
    EXPECT_EQ(f.app.rankings->fileName, "WEEK-02.24");
    EXPECT_EQ(f.app.rankings->dataKind, kArchiveKind);

    tRankings main;
    ProgramState program;
    ASSERT_TRUE(
        ReadRankings(f.dir.path() / kMainDataFileName, kMainDataKind, main, program, f.app.league));
    EXPECT_EQ(main.teams[3].total, 123.5);
    EXPECT_EQ(program.currentWeek, 3); // the next weekly task goes on from the archive's week

    // Revert still has the file of program start.
    EXPECT_EQ(RevertMainData(f.dir.dir()).run().outcome, RevertMainData::Outcome::Reverted);
    EXPECT_EQ(f.dir.read(kMainDataFileName), start);
}

} // namespace
} // namespace grd
