#include "../league/EngineFixture.h"
#include "TestConfig.h"
#include "league/Messages.h"
#include "league/RankingsFile.h"
#include "support/TempDir.h"
#include "tasks/UpdateMainData.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace grd {
namespace {

using test::leagueOf;
using test::TempDir;

const std::string kFixture = ODDSMITH_FIXTURE_DIR "engine/WEEK-17.08";

struct Loaded {
    tRankings rankings;
    ProgramState state;
    LeagueStructure league = leagueOf(32);
    Status status = Ok{};

    Loaded(const std::filesystem::path& file, int32_t kind)
        : status(ReadRankings(file, kind, rankings, state, league)) {}
};

std::string smallFile(const std::string& version, const std::string& kind,
                      const std::string& season) {
    std::string text = version + "\r\n" + kind + "\r\n2\r\n" +
                       "1.1E2 1.2E2 0.9E2 0.5 30 20 1 1 0 2\r\n" +
                       "0.9E2 0.8E2 1.1E2 0.5 20 30 1 1 0 1\r\n4\r\n21.5\r\n";
    if (kind == "AD") {
        text += " 1\r\n  1  30  2  20\r\n";
    }
    return text + " 1\r\n  1  2  3\r\n0\r\n 3\r\n" + season + "\r\n";
}

TEST(UpdateMainData, keepStartsTheNextSeasonFromTheLastArchive) {
    TempDir dir;
    std::filesystem::copy_file(kFixture, dir.path() / "WEEK-17.08");
    dir.write("MAIN-DTA.GRD", "the old season");
    ASSERT_TRUE(UpdateMainData(dir.path() / "WEEK-17.08", true).ok());
    EXPECT_EQ(dir.read("MAIN-DTA.OLD"), "the old season");

    Loaded old(kFixture, kArchiveKind);
    Loaded fresh(dir.path() / "MAIN-DTA.GRD", kMainDataKind);
    ASSERT_TRUE(fresh.status.ok()) << fresh.status.failure().detail;
    EXPECT_EQ(fresh.state.currentWeek, 1);
    EXPECT_EQ(fresh.state.forecastCount, 0);
    EXPECT_EQ(fresh.rankings.seasonText, "2009-10");
    EXPECT_EQ(fresh.rankings.fileAvgPoints, 0.0);
    EXPECT_EQ(fresh.rankings.rankOrder, old.rankings.rankOrder);
    EXPECT_EQ(fresh.state.sortKey, old.state.sortKey);
    for (size_t team = 1; team <= 32; ++team) {
        const TeamStats& now = fresh.rankings.teams[team];
        const TeamStats& then = old.rankings.teams[team];
        EXPECT_EQ(now.total, then.total);
        EXPECT_EQ(now.offense, then.offense);
        EXPECT_EQ(now.defense, then.defense);
        EXPECT_EQ(now.gamesPlayed() + now.pointsFor + now.pointsAgainst, 0);
        EXPECT_EQ(now.winPct + now.avgPointsFor + now.avgPointsAgainst, 0.0);
    }
}

TEST(UpdateMainData, averageRatesEveryTeamAlikeFromMainDataToo) {
    TempDir dir;
    dir.write("MAIN-DTA.GRD", smallFile("5.1", "MD", "1999-00"));
    ASSERT_TRUE(UpdateMainData(dir.path() / "MAIN-DTA.GRD", false).ok());
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "5.1\r\nMD\r\n2\r\n"
                                        "100 101 99  0 0 0 0 0 0  2\r\n"
                                        "100 101 99  0 0 0 0 0 0  1\r\n"
                                        "4\r\n  0\r\n 0\r\n0\r\n 1\r\n2000-01\r\n");
    EXPECT_EQ(dir.read("MAIN-DTA.OLD"), smallFile("5.1", "MD", "1999-00"));
}

// A second run, or a rerun after a kill that came after the last write, would put the
// fresh season over the old season's safety copy and skip a season.
TEST(UpdateMainData, aSecondRunIsRefusedAndKeepsTheOldSeasonsSafetyCopy) {
    TempDir dir;
    std::filesystem::copy_file(kFixture, dir.path() / "WEEK-17.08");
    const std::string oldSeason = smallFile("5.1", "MD", "2008-09");
    dir.write("MAIN-DTA.GRD", oldSeason);
    ASSERT_TRUE(UpdateMainData(dir.path() / "WEEK-17.08", true).ok());
    const std::string fresh = dir.read("MAIN-DTA.GRD");
    for (const char* input : {"WEEK-17.08", "MAIN-DTA.GRD"}) {
        Status again = UpdateMainData(dir.path() / input, false);
        ASSERT_FALSE(again.ok()) << input;
        EXPECT_EQ(errorText(again.failure().number, again.failure().detail),
                  (dir.path() / "MAIN-DTA.GRD").string() +
                      " already stands before week 1 of 2009-10: The new season has already "
                      "been started.");
        EXPECT_EQ(dir.read("MAIN-DTA.OLD"), oldSeason);
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), fresh);
    }
}

TEST(UpdateMainData, refusesBadInputAndLeavesTheMainDataFile) {
    struct Case {
        const char* name;
        std::string text;
        int error;
    };
    const std::string archive = smallFile("5.1", "AD", "2008-09");
    const Case cases[] = {
        {"version 5.0", smallFile("5.0", "AD", "2008-09"), -18},
        {"version 6.0", smallFile("6.0", "AD", "2008-09"), -18},
        {"kind", smallFile("5.1", "XD", "2008-09"), -7},
        {"ends early", archive.substr(0, archive.find(" 1\r\n  1  2  3")), -42},
        {"no season line", archive.substr(0, archive.rfind("2008-09")), -42},
        {"malformed rating", smallFile("5.1", "AD", "2008-09").replace(12, 5, "1.x.2"), -42},
        {"season label", smallFile("5.1", "AD", "season"), -16},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("WEEK-17.08", c.text);
        dir.write("MAIN-DTA.GRD", "kept");
        Status done = UpdateMainData(dir.path() / "WEEK-17.08", true);
        ASSERT_FALSE(done.ok()) << c.name;
        EXPECT_EQ(done.failure().number, c.error) << c.name << ": " << done.failure().detail;
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "kept") << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "MAIN-DTA.OLD")) << c.name;
    }
    TempDir dir;
    EXPECT_EQ(UpdateMainData(dir.path() / "week-17.", true).failure().number, -37);
}

TEST(UpdateMainData, failedBackupOrWriteLosesNothing) {
    TempDir dir;
    dir.write("WEEK-17.08", smallFile("5.1", "AD", "2008-09"));
    dir.write("MAIN-DTA.GRD", "kept");
    std::filesystem::create_directory(dir.path() / "MAIN-DTA.OLD");
    Status done = UpdateMainData(dir.path() / "WEEK-17.08", true);
    ASSERT_FALSE(done.ok());
    EXPECT_EQ(done.failure().number, -41);
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "kept");

    std::filesystem::remove(dir.path() / "MAIN-DTA.GRD");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 50;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    done = UpdateMainData(dir.path() / "WEEK-17.08", true);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_FALSE(done.ok());
    EXPECT_EQ(done.failure().number, -42); // a failed write, not a failed rename
    EXPECT_NE(done.failure().detail.find("File too large"), std::string::npos);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u); // the input and the directory: no half-written file
}

TEST(GrdtoolNewSeason, keepsTheRatingsOfTheArchive) {
    TempDir dir;
    std::filesystem::copy_file(kFixture, dir.path() / "WEEK-17.08");
    std::string command = std::string(ODDSMITH_GRDTOOL) + " new-season --keep " +
                          (dir.path() / "WEEK-17.08").string() + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    Loaded fresh(dir.path() / "MAIN-DTA.GRD", kMainDataKind);
    ASSERT_TRUE(fresh.status.ok());
    EXPECT_EQ(fresh.rankings.seasonText, "2009-10");
    std::string bad = std::string(ODDSMITH_GRDTOOL) + " new-season --keep " +
                      (dir.path() / "none").string() + " 2>/dev/null";
    EXPECT_NE(std::system(bad.c_str()), 0);
}

} // namespace
} // namespace grd
