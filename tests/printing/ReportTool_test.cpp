#include "TestConfig.h"
#include "league/NamesFile.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "printing/ReportChoices.h"
#include "printing/ReportText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/wait.h>

namespace grd {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// grdtool reports on a season replayed through week 2: main data standing at week 3
// with its forecasts, and the archives of weeks 0 to 2.
class ReportTool : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        season_ = std::make_unique<test::TempDir>();
        const std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
        ASSERT_EQ(tool("build-schedule --teams " + std::string(ODDSMITH_DATA_DIR) +
                       "teams.csv --games " + games + " " + dir())
                      .exitCode,
                  0);
        ASSERT_EQ(tool("init " + dir() + " --average").exitCode, 0);
        ASSERT_EQ(tool("replay " + dir() + " " + games + " --through 2").exitCode, 0);
    }
    static void TearDownTestSuite() { season_.reset(); }
    void TearDown() override { fs::remove(season_->path() / "GRDOdds.cfg"); }

    static std::string dir() { return season_->dir(); }

    static ToolRun tool(const std::string& arguments) {
        const std::string out = season_->dir() + "out.txt";
        const std::string err = season_->dir() + "err.txt";
        const std::string command =
            std::string(ODDSMITH_GRDTOOL) + " " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readFile(out),
                test::readFile(err)};
    }

    // The report text built in this process from the same files.
    static std::string expected(const std::string& file, int32_t kind, const ReportChoices& chosen,
                                bool cityNames = true) {
        LeagueStructure league;
        EXPECT_TRUE(LoadLeagueStructure(dir(), league).empty());
        tSchedule70 schedule;
        EXPECT_TRUE(LoadSchedule(dir(), schedule, league).ok());
        EXPECT_TRUE(LoadNames(dir(), schedule.namesFileName, league).ok());
        tRankings rankings;
        ProgramState state;
        EXPECT_TRUE(ReadRankings(dir() + file, kind, rankings, state, league).ok());
        tPrefsRec prefs;
        prefs.cityNames = cityNames;
        auto text = buildReportText(selectReports(chosen, rankings, state),
                                    {rankings, state, league, prefs});
        std::string joined;
        for (const std::string& line : text.value().lines) {
            joined += line + "\n";
        }
        return joined;
    }

    static inline std::unique_ptr<test::TempDir> season_;
};

const ReportChoices kAll{true, true, true, true, true, true};

TEST_F(ReportTool, mainDataPrintsTheSpreadsAndTheRankings) {
    const ToolRun run = tool("report " + dir());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expected("MAIN-DTA.GRD", kMainDataKind, kAll));
    // Spreads plain and grid (16 games each), team, division and category rankings.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'),
              (1 + 16) + (1 + 16 + 1) + (1 + 32 + 2) + (1 + 8 + 32) + (1 + 32));
    EXPECT_TRUE(run.out.starts_with("2024-25: Week 3  \n|"));
}

TEST_F(ReportTool, anArchivePrintsTheReportsNamedInPrintOrder) {
    const ToolRun run = tool("report " + dir() + " --archive " + dir() +
                             "WEEK-02.24 --reports scores,spreads-grid");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              expected("WEEK-02.24", kArchiveKind, {false, true, true, false, false, false}));
    EXPECT_TRUE(run.out.starts_with(" 2024-25: Week 3  \n  []|"));
    EXPECT_NE(run.out.find("\n-\n|Average points per game per team = "), std::string::npos);
}

TEST_F(ReportTool, teamNamesFollowThePreferences) {
    season_->write("GRDOdds.cfg", "[View]\r\nCityNames=0\r\n");
    const ToolRun run = tool("report " + dir() + " --reports team");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, expected("MAIN-DTA.GRD", kMainDataKind,
                                {false, false, false, true, false, false}, false));
    EXPECT_NE(run.out.find("|Saints|"), std::string::npos);

    const ToolRun csv = tool("report " + dir() + " --csv --reports team");
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out.find('|'), std::string::npos);
    EXPECT_NE(csv.out.find(",Saints,"), std::string::npos);
    EXPECT_NE(csv.out.find("\r\n"), std::string::npos);
}

TEST_F(ReportTool, failuresSayWhatIsWrongAndPrintNothing) {
    const ToolRun missing = tool("report " + dir() + " --archive " + dir() + "WEEK-09.24");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("WEEK-09.24: error -16:"), std::string::npos) << missing.err;

    season_->write("WEEK-05.24", "5.1\r\nAD\r\n32\r\n1 2 3\r\n");
    const ToolRun damaged = tool("report " + dir() + " --archive " + dir() + "WEEK-05.24");
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_NE(damaged.err.find("error -17:"), std::string::npos) << damaged.err;

    const ToolRun noScores = tool("report " + dir() + " --reports team,scores");
    EXPECT_EQ(noScores.exitCode, 1);
    EXPECT_EQ(noScores.out, "");
    EXPECT_NE(noScores.err.find("There are no scores to print/preview."), std::string::npos);

    const ToolRun noStructure = tool("report " + dir() + "nowhere");
    EXPECT_EQ(noStructure.exitCode, 1);
    EXPECT_NE(noStructure.err.find("error -32:"), std::string::npos) << noStructure.err;

    EXPECT_EQ(tool("report " + dir() + " --reports team,standings").exitCode, 2);
    EXPECT_EQ(tool("report " + dir() + " --archive").exitCode, 2);
    EXPECT_EQ(tool("report --colour red").exitCode, 2);
    const ToolRun help = tool("report --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("usage: grdtool report [DIR]")) << help.out;
}

TEST_F(ReportTool, withoutDirectory_reportsOnTheToolsOwnDataDirectory) {
    // In the build tree that is the program directory beside grdtool.
    const ToolRun own = tool("report --reports team");
    EXPECT_EQ(own.exitCode, 0) << own.err;
    EXPECT_NE(own.out, "");
    EXPECT_EQ(own.out, tool("report " ODDSMITH_PROGRAM_DIR " --reports team").out);
}

} // namespace
} // namespace grd
