#include "EngineFixture.h"
#include "TestConfig.h"
#include "league/RankingsFile.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace grd {
namespace {

using test::averageTeams;
using test::leagueOf;
using test::TempDir;

size_t entryCount(const std::filesystem::path& dir) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++count;
    }
    return count;
}

// Four teams after week 2, forecasts for week 3 made, sorted by total.
struct Season {
    tRankings rankings = averageTeams(4);
    ProgramState state;
    LeagueStructure league = leagueOf(4);

    Season() {
        const double totals[] = {0, 104.25, 97.5, 101.125, 96.0625};
        for (size_t team = 1; team <= 4; ++team) {
            TeamStats& stats = rankings.teams[team];
            stats.total = totals[team];
            stats.offense = totals[team] + 1.0 / 3;
            stats.defense = -totals[team] / 7;
            stats.pointsFor = static_cast<int16_t>(20 * team);
            stats.pointsAgainst = static_cast<int16_t>(90 - 10 * team);
            stats.wins = static_cast<int16_t>(team % 3);
            stats.losses = static_cast<int16_t>(2 - team % 3);
            stats.winPct = stats.wins / 2.0;
            stats.computeAverages();
        }
        rankings.weekAvgPoints = 21.75;
        state.currentWeek = 3;
        state.prepareWeekLists(4);
        const int32_t scores[] = {0, 1, 24, 2, 17, 3, 10, 4, 13};
        for (size_t i = 1; i <= 4; ++i) {
            state.scoreTeams[i] = scores[2 * i - 1];
            state.scores[i] = scores[2 * i];
        }
        state.scoreGameCount = 2;
        state.forecastPairs[1] = 1;
        state.forecastPairs[2] = 4;
        state.spreads[1] = 2.5;
        state.forecastPairs[3] = 3;
        state.forecastPairs[4] = 2;
        state.spreads[2] = -3.5;
        state.forecastCount = 2;
    }

    Status write(int32_t kind, const std::filesystem::path& file) {
        return WriteRankings(kind, file, rankings, state, league, 4);
    }
    Status read(int32_t kind, const std::filesystem::path& file) {
        return ReadRankings(file, kind, rankings, state, league);
    }
};

TEST(FormatReal, writesTwentyThreeCharacters) {
    EXPECT_EQ(FormatReal(100.0), " 1.00000000000000E+0002");
    EXPECT_EQ(FormatReal(-3.35), "-3.35000000000000E+0000");
    EXPECT_EQ(FormatReal(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatReal(0.000123), " 1.23000000000000E-0004");
    EXPECT_EQ(FormatReal(1.0 / 3).size(), 23u);
}

TEST(ArchiveFileName, namesTheWeekJustCompleted) {
    LeagueStructure league = leagueOf(4);
    EXPECT_EQ(ArchiveFileName("/p/", 1, league), "/p/WEEK-00.08");
    EXPECT_EQ(ArchiveFileName("/p/", 6, league), "/p/WEEK-05.08");
    EXPECT_EQ(ArchiveFileName("/p/", 100, league), "/p/WEEK-17.08");
}

TEST(WriteRankings, mainDataFileLayout) {
    TempDir dir;
    Season season;
    ASSERT_TRUE(season.write(kMainDataKind, dir.path() / "MAIN-DTA.GRD").ok());
    EXPECT_TRUE(season.state.mainDataSaved);
    EXPECT_FALSE(season.state.archiveSaved);
    std::string text = dir.read("MAIN-DTA.GRD");
    EXPECT_EQ(text.substr(0, 14), "5.1\r\nMD\r\n4\r\n 1");
    // Team 2 is last by total: rankOrder was sorted before it was stored.
    EXPECT_NE(text.find("E+0000   40   70  2  0  0  3\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n1\r\n 2.17500000000000E+0001\r\n 2\r\n"), std::string::npos);
    // Halves of spreads go to the even integer.
    EXPECT_NE(text.find("\r\n  1  4  2\r\n  3  2 -4\r\n0\r\n 3\r\n2008-09\r\n"), std::string::npos)
        << text;
}

TEST(WriteRankings, everyKindRoundTripsByteForByte) {
    TempDir dir;
    Season season;
    ASSERT_TRUE(season.write(kMainDataKind, dir.path() / "MAIN-DTA.GRD").ok());
    ASSERT_TRUE(season.write(kArchiveKind, dir.path() / "WEEK-02.08").ok());
    EXPECT_TRUE(season.state.archiveSaved);

    Season again;
    ASSERT_TRUE(again.read(kMainDataKind, dir.path() / "MAIN-DTA.GRD").ok());
    EXPECT_EQ(again.state.currentWeek, 3);
    EXPECT_EQ(again.state.forecastCount, 2);
    EXPECT_EQ(again.rankings.fileVersion, 51);
    ASSERT_TRUE(again.write(kMainDataKind, dir.path() / "copy.grd").ok());
    EXPECT_EQ(dir.read("copy.grd"), dir.read("MAIN-DTA.GRD"));

    Season archive;
    ASSERT_TRUE(archive.read(kArchiveKind, dir.path() / "WEEK-02.08").ok());
    ASSERT_EQ(archive.rankings.scoreCount, 2);
    ASSERT_EQ(archive.rankings.spreadCount, 2);
    EXPECT_EQ(archive.state.loadedWeek, 3);
    EXPECT_EQ(archive.rankings.archivedSpreads[1].spread, -4.0);
    // An archive keeps its lists in the rankings; put them back where a week has them.
    ProgramState& state = archive.state;
    state.currentWeek = state.loadedWeek;
    state.prepareWeekLists(4);
    for (size_t k = 1; k <= 2; ++k) {
        const ArchivedScore& score = archive.rankings.archivedScores[k - 1];
        state.scoreTeams[2 * k - 1] = score.teamA;
        state.scores[2 * k - 1] = score.scoreA;
        state.scoreTeams[2 * k] = score.teamB;
        state.scores[2 * k] = score.scoreB;
        const ArchivedSpread& spread = archive.rankings.archivedSpreads[k - 1];
        state.forecastPairs[2 * k - 1] = spread.favourite;
        state.forecastPairs[2 * k] = spread.other;
        state.spreads[k] = spread.spread;
    }
    state.forecastCount = 2;
    ASSERT_TRUE(archive.write(kArchiveKind, dir.path() / "copy.08").ok());
    EXPECT_EQ(dir.read("copy.08"), dir.read("WEEK-02.08"));

    ASSERT_TRUE(archive.write(kReplacementKind, dir.path() / "replace.grd").ok());
    Season replaced;
    ASSERT_TRUE(replaced.read(kMainDataKind, dir.path() / "replace.grd").ok());
    EXPECT_EQ(replaced.state.currentWeek, 3);
    EXPECT_EQ(replaced.state.spreads[2], -4.0);
    replaced.rankings.archivedSpreads = archive.rankings.archivedSpreads;
    replaced.state.loadedWeek = replaced.state.currentWeek;
    ASSERT_TRUE(replaced.write(kReplacementKind, dir.path() / "replace2.grd").ok());
    EXPECT_EQ(dir.read("replace2.grd"), dir.read("replace.grd"));
}

TEST(WriteRankings, archiveCountsScoresUpToTheFirstEmptyOne) {
    TempDir dir;
    Season season;
    season.state.scores[4] = kEmptyMark;
    ASSERT_TRUE(season.write(kArchiveKind, dir.path() / "a").ok());
    EXPECT_NE(dir.read("a").find("\r\n 1\r\n  1  24  2  17\r\n 2\r\n"), std::string::npos);
    season.state.prepareWeekLists(4); // no scores: the forecasts before week 1
    ASSERT_TRUE(season.write(kArchiveKind, dir.path() / "b").ok());
    EXPECT_NE(dir.read("b").find("\r\n 0\r\n 0\r\n"), std::string::npos);
}

TEST(ReadRankings, acceptsOrdinaryNotationAndFindsTheFileIgnoringCase) {
    TempDir dir;
    dir.write("main-dta.grd", "5.1\nMD\n2\n"
                              "100 101 99 0.5 10 7 1 1 0 2   trailing words\n"
                              "1.0e2 +1.01E+02 99.0 0 3 4 0 0 0 1\n"
                              "3\n"
                              "20.5\n"
                              "1\n"
                              "1 2 3\n"
                              "0\n"
                              "7\n"
                              " 2008-09 \n");
    Season season;
    season.league = leagueOf(2);
    ASSERT_TRUE(season.read(kMainDataKind, dir.path() / "MAIN-DTA.GRD").ok());
    EXPECT_EQ(season.rankings.fileName, "main-dta.grd");
    EXPECT_EQ(season.rankings.teams[2].offense, 101.0);
    EXPECT_EQ(season.rankings.teams[1].avgPointsFor, 5.0);
    EXPECT_EQ(season.rankings.rankOrder, (std::vector<int32_t>{0, 2, 1}));
    EXPECT_EQ(season.state.sortKey, 3);
    EXPECT_EQ(season.state.previousSortKey, 1);
    EXPECT_EQ(season.rankings.fileAvgPoints, 20.5);
    EXPECT_EQ(season.rankings.weekAvgPoints, 0.0);
    EXPECT_EQ(season.state.currentWeek, 7);
    EXPECT_EQ(season.rankings.seasonText, "2008-09");
    EXPECT_EQ(season.rankings.dataKind, kMainDataKind);
}

std::string mainData(const std::string& version, const std::string& kind, const std::string& tail) {
    return version + "\r\n" + kind + "\r\n2\r\n100 101 99 0 0 0 0 0 0 1\r\n" +
           "100 101 99 0 0 0 0 0 0 2\r\n" + tail;
}

struct BadFile {
    const char* name;
    std::string text;
    int32_t kind;
    int error;
};

TEST(ReadRankings, reportsEveryDamageWithItsNumberAndChangesNothing) {
    const std::string tail = "1\r\n0\r\n 1\r\n  1  2  3\r\n0\r\n 1\r\n2008-09\r\n";
    const std::string archiveTail = "1\r\n0\r\n 1\r\n  1  7  2  3\r\n 0\r\n0\r\n 1\r\n2008-09\r\n";
    const BadFile files[] = {
        {"version 5.95", mainData("5.95", "MD", tail), kMainDataKind, -18},
        {"version 3.94", mainData("3.94", "AD", archiveTail), kArchiveKind, -18},
        {"not a number", mainData("GRDS1", "MD", tail), kMainDataKind, -18},
        {"main data 5.0", mainData("5.0", "MD", tail), kMainDataKind, -11},
        {"archive kind", mainData("5.1", "AD", tail), kMainDataKind, -11},
        {"kind XX", mainData("5.1", "XX", tail), kArchiveKind, -7},
        {"ends after teams", mainData("5.1", "MD", ""), kMainDataKind, -8},
        {"archive ends after teams", mainData("5.1", "AD", ""), kArchiveKind, -17},
        {"empty", "", kMainDataKind, -8},
        {"too many teams", "5.1\r\nMD\r\n150\r\n", kMainDataKind, -8},
        {"no teams", "5.1\r\nMD\r\n0\r\n", kMainDataKind, -8},
        {"forecast team", mainData("5.1", "MD", "1\r\n0\r\n 1\r\n  1  7  3\r\n0\r\n 1\r\nx\r\n"),
         kMainDataKind, -8},
        {"score team", mainData("5.1", "AD", "1\r\n0\r\n 1\r\n  9  7  2  3\r\n"), kArchiveKind,
         -17},
        {"alignment index", mainData("5.1", "MD", "1\r\n0\r\n 0\r\n5\r\n 1\r\nx\r\n"),
         kMainDataKind, -8},
        {"alignment size", mainData("5.1", "MD", "1\r\n0\r\n 0\r\n1\r\n 1\r\nx\r\n"), kMainDataKind,
         -8},
        {"ranked twice",
         "5.1\r\nMD\r\n2\r\n100 101 99 0 0 0 0 0 0 1\r\n100 101 99 0 0 0 0 0 0 1\r\n",
         kMainDataKind, -8},
        {"malformed real", mainData("5.1", "MD", "1\r\n1.2.3\r\n"), kMainDataKind, -8},
        {"not finite", mainData("5.1", "MD", "1\r\nnan\r\n"), kMainDataKind, -8},
        {"huge spread", mainData("5.1", "MD", "1\r\n0\r\n 1\r\n  1  2 1e300\r\n"), kMainDataKind,
         -8},
        {"sort key", mainData("5.1", "MD", "12\r\n"), kMainDataKind, -8},
        {"no season", mainData("5.1", "MD", "1\r\n0\r\n 0\r\n0\r\n 1\r\n"), kMainDataKind, -8},
        // Values that would overflow their field when written and so not read back.
        {"1000 wins", "5.1\r\nMD\r\n2\r\n100 101 99 0 0 0 100 0 0 1\r\n", kMainDataKind, -8},
        {"10000 points", "5.1\r\nMD\r\n2\r\n100 101 99 0 10000 0 0 0 0 1\r\n", kMainDataKind, -8},
        {"spread 100", mainData("5.1", "MD", "1\r\n0\r\n 1\r\n  1  2 99.5\r\n"), kMainDataKind, -8},
    };
    for (const BadFile& file : files) {
        TempDir dir;
        dir.write("WEEK-05.08", file.text);
        Season season;
        season.league = leagueOf(2);
        season.league.activeAlignment = 1;
        season.state.currentWeek = 42;
        season.state.mainDataSaved = true;
        Status read = season.read(file.kind, dir.path() / "WEEK-05.08");
        ASSERT_FALSE(read.ok()) << file.name;
        EXPECT_EQ(read.failure().number, file.error) << file.name << ": " << read.failure().detail;
        EXPECT_EQ(season.rankings.teamCount, 4) << file.name;
        EXPECT_EQ(season.state.currentWeek, 42) << file.name;
        EXPECT_TRUE(season.state.mainDataSaved) << file.name;
        EXPECT_EQ(season.league.activeAlignment, 1) << file.name;
    }
}

TEST(ReadRankings, endOfFileAndMissingFilesAreNamed) {
    TempDir dir;
    dir.write("MAIN-DTA.GRD", mainData("5.1", "MD", ""));
    Season season;
    season.league = leagueOf(2);
    Status read = season.read(kMainDataKind, dir.path() / "MAIN-DTA.GRD");
    EXPECT_EQ(read.failure(), (Failure{-8, "Unexpected end of file"}));
    EXPECT_EQ(season.read(kMainDataKind, dir.path() / "none").failure().number, -9);
    EXPECT_EQ(season.read(kArchiveKind, dir.path() / "none").failure().number, -16);
    EXPECT_EQ(season.read(kArchiveKind, dir.path()).failure().number, -16);
}

TEST(ReadRankings, oldArchiveTakesItsAlignmentFromTheExtension) {
    // Version 3.95 is 39.5 tenths, which rounds to the even 40.
    const std::string old = mainData("3.95", "AD", "1\r\n0\r\n 1\r\n  1  7  2  3\r\n 0\r\n");
    TempDir dir;
    dir.write("WEEK-05.99", "5.0" + old.substr(4));
    dir.write("WEEK-05.08", old);
    dir.write("WEEK-05.8", old);
    dir.write("WEEK-05.85", old);
    Season season;
    season.league = leagueOf(2);
    season.league.alignments[1].teamCount = 2; // 1990..2001
    ASSERT_TRUE(season.read(kArchiveKind, dir.path() / "WEEK-05.99").ok());
    EXPECT_EQ(season.league.activeAlignment, 1);
    EXPECT_EQ(season.rankings.fileVersion, 50);
    EXPECT_EQ(season.state.loadedWeek, kNoWeek);
    ASSERT_TRUE(season.read(kArchiveKind, dir.path() / "WEEK-05.08").ok());
    EXPECT_EQ(season.league.activeAlignment, 0);
    EXPECT_EQ(season.rankings.fileVersion, 40);
    EXPECT_EQ(season.rankings.archivedScores.size(), 1u);
    EXPECT_EQ(season.read(kArchiveKind, dir.path() / "WEEK-05.8").failure().number, -17);
    EXPECT_EQ(season.read(kArchiveKind, dir.path() / "WEEK-05.85").failure().number, -17);
}

TEST(ReadRankings, seasonArchiveFixture) {
    Season season;
    season.league = leagueOf(32);
    ASSERT_TRUE(season.read(kArchiveKind, ODDSMITH_FIXTURE_DIR "engine/WEEK-17.08").ok());
    EXPECT_EQ(season.rankings.teamCount, 32);
    EXPECT_EQ(season.rankings.scoreCount, 16);
    EXPECT_EQ(season.rankings.spreadCount, 4);
    EXPECT_EQ(season.state.loadedWeek, 100);
    EXPECT_EQ(season.rankings.fileAvgPoints, 22.5);
}

class WriteFailure : public ::testing::Test {
protected:
    TempDir dir;
    Season season;
    std::string before;

    void SetUp() override {
        ASSERT_TRUE(season.write(kMainDataKind, dir.path() / "MAIN-DTA.GRD").ok());
        before = dir.read("MAIN-DTA.GRD");
        season.rankings.teams[1].total = 150.0;
    }
    void expectUnchanged(const Status& written, int error) {
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.failure().number, error);
        EXPECT_FALSE(written.failure().detail.empty());
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), before);
    }
};

TEST_F(WriteFailure, fullDiskKeepsThePreviousFile) {
    // A file size limit makes the write stop partway, as a full disk does.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    season.state.mainDataSaved = false;
    Status main = season.write(kMainDataKind, dir.path() / "MAIN-DTA.GRD");
    Status archive = season.write(kArchiveKind, dir.path() / "MAIN-DTA.GRD");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    expectUnchanged(main, -21);
    expectUnchanged(archive, -22);
    EXPECT_FALSE(season.state.mainDataSaved);
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

TEST_F(WriteFailure, targetReplacedByADirectory) {
    std::filesystem::create_directory(dir.path() / "WEEK-02.08");
    Status archive = season.write(kArchiveKind, dir.path() / "WEEK-02.08");
    ASSERT_FALSE(archive.ok());
    EXPECT_EQ(archive.failure().number, -22);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "WEEK-02.08"));
    EXPECT_EQ(entryCount(dir.path()), 2u);
}

TEST_F(WriteFailure, directoryWithoutWritePermission) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    Status main = season.write(kMainDataKind, dir.path() / "MAIN-DTA.GRD");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    expectUnchanged(main, -21);
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

} // namespace
} // namespace grd
