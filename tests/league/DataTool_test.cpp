#include "league/LeagueStructure.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"

#include "TestConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace grd {
namespace {

struct Run {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Run grdtool(const test::TempDir& dir, const std::string& arguments) {
    std::string command = std::string(ODDSMITH_GRDTOOL) + " " + arguments + " >'" + dir.dir() +
                          "out.txt' 2>'" + dir.dir() + "err.txt'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, dir.read("out.txt"), dir.read("err.txt")};
}

std::string data(const std::string& name) {
    return std::string(ODDSMITH_DATA_DIR) + name;
}

TEST(DataTool, buildScheduleWritesTheThreeFilesStartUpReads) {
    test::TempDir dir;
    auto run = grdtool(dir, "build-schedule --teams " + data("teams.csv") + " --games " +
                                data("games-2024.csv") + " " + dir.dir());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    LeagueStructure league;
    EXPECT_TRUE(LoadLeagueStructure(dir.dir(), league).empty());
    tSchedule70 schedule;
    ASSERT_TRUE(LoadSchedule(dir.dir(), schedule, league));
    EXPECT_EQ(schedule.title, "2024 Schedule");
    EXPECT_EQ(league.seasonLabel, "2024-25");
    EXPECT_EQ(schedule.teamCount, 32);
    EXPECT_EQ(schedule.games.size(), 272u + 13u);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / schedule.namesFileName));
}

// The shipped 2025 records hold no playoff games yet: without their slots there is
// no schedule to write, with them one that start-up, init and replay all use.
TEST(DataTool, buildScheduleOfARegularSeasonNeedsItsPlayoffSlots) {
    test::TempDir dir;
    const std::string build =
        "build-schedule --teams " + data("teams.csv") + " --games " + data("games-2025.csv");
    auto refused = grdtool(dir, build + " " + dir.dir());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("the records hold no playoff games: give the playoff slots of "
                               "2025 with --slots"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "GRDSchedule.ccs"));

    auto built = grdtool(dir, build + " --slots " + data("postseason-2025.csv") + " " + dir.dir());
    ASSERT_EQ(built.exitCode, 0) << built.err;
    LeagueStructure league;
    EXPECT_TRUE(LoadLeagueStructure(dir.dir(), league).empty());
    tSchedule70 schedule;
    ASSERT_TRUE(LoadSchedule(dir.dir(), schedule, league));
    EXPECT_EQ(schedule.teamCount, 32);
    ASSERT_EQ(grdtool(dir, "init " + dir.dir() + " --average").exitCode, 0);
    auto replayed =
        grdtool(dir, "replay " + dir.dir() + " " + data("games-2025.csv") + " --through 1");
    EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "WEEK-01.25"));
}

TEST(DataTool, dumpPrintsEachKindOfFileReadably) {
    test::TempDir dir;
    std::string shipped = std::string(ODDSMITH_DATA_DIR) + "program/";
    auto schedule = grdtool(dir, "dump " + shipped + "GRDSchedule.ccs");
    ASSERT_EQ(schedule.exitCode, 0) << schedule.err;
    EXPECT_NE(schedule.out.find("Title: 2025 Schedule"), std::string::npos);
    EXPECT_NE(schedule.out.find("Week  1  11 Dallas        at 28 Philadelphia   2025-09-04 20:20"),
              std::string::npos);
    EXPECT_NE(schedule.out.find("-- Super Bowl"), std::string::npos);
    auto names = grdtool(dir, "dump " + shipped + "GRDNames.ccn");
    EXPECT_NE(names.out.find("Las Vegas        Raiders"), std::string::npos);
    auto structure = grdtool(dir, "dump " + shipped + "GRDStructure.txt");
    EXPECT_NE(structure.out.find("Seasons 2022-2099: 32 teams"), std::string::npos);
    dir.write("MAIN-DTA.GRD", "5.1\r\nMD\r\n4\r\n");
    EXPECT_EQ(grdtool(dir, "dump " + dir.dir() + "MAIN-DTA.GRD").out, "5.1\r\nMD\r\n4\r\n");
}

TEST(DataTool, failuresNameTheFileAndWhatIsWrong) {
    test::TempDir dir;
    dir.write("games.csv", "season,game_type,week,gameday,weekday,gametime,away_team,away_score,"
                           "home_team,home_score,location\n"
                           "2025,REG,1,2025-09-04,Thursday,20:20,XYZ,,PHI,,Home\n");
    auto run = grdtool(dir, "build-schedule --teams " + data("teams.csv") + " --games " +
                                dir.dir() + "games.csv " + dir.dir());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(dir.dir() + "games.csv: line 2: a team of week 1: XYZ at PHI"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "GRDSchedule.ccs"));

    dir.write("GRDSchedule.ccs", "WRZL\x05\0\0\0damaged");
    auto damaged = grdtool(dir, "dump " + dir.dir() + "GRDSchedule.ccs");
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("GRDSchedule.ccs: error -20: The schedule file is corrupt."),
              std::string::npos)
        << damaged.err;
    dir.write("GRDStructure.txt", "GRDS1\r\n\r\n\r\n1\r\n1990\r\n");
    auto cut = grdtool(dir, "dump " + dir.dir() + "GRDStructure.txt");
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.err.find("line 6: the file ends before a last season"), std::string::npos)
        << cut.err;
}

TEST(DataTool, dumpFindsTheNamesOfABareScheduleNameAndRefusesForeignFiles) {
    test::TempDir dir;
    std::string shipped = std::string(ODDSMITH_DATA_DIR) + "program/";
    for (const char* name : {"GRDSchedule.ccs", "GRDNames.ccn"}) {
        std::filesystem::copy_file(shipped + name, dir.path() / name);
    }
    std::string here = "cd '" + dir.dir() + "' && " + ODDSMITH_GRDTOOL +
                       " dump GRDSchedule.ccs >out.txt 2>err.txt";
    ASSERT_EQ(std::system(here.c_str()), 0);
    EXPECT_NE(dir.read("out.txt").find("Names file: GRDNames.ccn\n"), std::string::npos)
        << dir.read("out.txt");

    dir.write("records", "CCSchedule\r\x01");
    auto uncompressed = grdtool(dir, "dump " + dir.dir() + "records");
    EXPECT_EQ(uncompressed.exitCode, 1);
    EXPECT_EQ(uncompressed.out, "");
    EXPECT_NE(uncompressed.err.find("error -20"), std::string::npos) << uncompressed.err;
    dir.write("photo.png", "\x89PNG");
    EXPECT_NE(grdtool(dir, "dump " + dir.dir() + "photo.png").err.find("error -18"),
              std::string::npos);
}

TEST(DataTool, commandsExplainThemselves) {
    test::TempDir dir;
    for (const char* command : {"build-schedule", "dump"}) {
        auto help = grdtool(dir, std::string(command) + " --help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find(std::string("usage: grdtool ") + command), std::string::npos);
        EXPECT_EQ(grdtool(dir, command).exitCode, 2);
    }
    EXPECT_EQ(grdtool(dir, "build-schedule --teams a --games b --bogus x").exitCode, 2);
}

} // namespace
} // namespace grd
