#include "TestConfig.h"
#include "files/AtomicFile.h"
#include "files/DirectoryLock.h"
#include "records/GameRecords.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"
#include "tasks/SeasonReplay.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <sys/wait.h>

namespace grd {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

using test::runTool;

// A program directory of a season from its records, standing before week 1.
void makeSeason(const TempDir& dir, const std::string& games) {
    ASSERT_EQ(runTool(std::string("build-schedule --teams ") + ODDSMITH_DATA_DIR + "teams.csv " +
                      "--games " + games + " " + dir.path().string())
                  .status,
              0);
    ASSERT_EQ(runTool("init " + dir.path().string() + " --average").status, 0);
}

int mainDataWeek(const TempDir& dir) {
    std::string text = dir.read("MAIN-DTA.GRD");
    auto end = text.find_last_not_of("\r\n");
    auto lastLine = text.rfind('\n', text.rfind('\n', end) - 1);
    return std::stoi(text.substr(lastLine + 1));
}

TEST(SeasonReplay, realSeasonWritesEveryWeekAndEachPlayoffRound) {
    TempDir dir;
    std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
    makeSeason(dir, games);
    auto first = runTool("replay " + dir.path().string() + " " + games + " --through 2");
    ASSERT_EQ(first.status, 0) << first.output;
    EXPECT_NE(first.output.find("entry  2 (week 2 scores): 16 games posted"), std::string::npos)
        << first.output;
    EXPECT_FALSE(dir.read("WEEK-02.24").empty());
    EXPECT_FALSE(fs::exists(dir.path() / "WEEK-03.24"));

    auto rest = runTool("replay " + dir.path().string() + " " + games);
    ASSERT_EQ(rest.status, 0) << rest.output;
    for (int week = 0; week <= 18; ++week) {
        char name[16];
        std::snprintf(name, sizeof name, "WEEK-%02d.24", week);
        EXPECT_TRUE(fs::exists(dir.path() / name)) << name;
    }
    for (const char* round : {"Wild Card.24", "Division.24", "Championship.24", "Super Bowl.24"}) {
        EXPECT_TRUE(fs::exists(dir.path() / round)) << round;
    }
    EXPECT_EQ(mainDataWeek(dir), 104);
    EXPECT_NE(rest.output.find("1 games posted, 0 forecasts made"), std::string::npos);

    auto again = runTool("replay " + dir.path().string() + " " + games);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.output, ""); // the season is complete
}

TEST(SeasonReplay, aPartlyPlayedWeekStopsTheReplayCleanlyBeforeIt) {
    TempDir dir;
    std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
    makeSeason(dir, games);
    std::string records;
    ASSERT_TRUE(readWholeFile(games, records));
    // Week 2's Monday game loses its scores: week 1 goes through, week 2 stops.
    const std::string played = "2024,REG,2,2024-09-16,Monday,20:15,ATL,22,PHI,21,Home";
    auto at = records.find(played);
    ASSERT_NE(at, std::string::npos);
    records.replace(at, played.size(), "2024,REG,2,2024-09-16,Monday,20:15,ATL,,PHI,,Home");
    auto partial = dir.write("partial.csv", records);

    auto run = runTool("replay " + dir.path().string() + " " + partial.string());
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("week 2: 15 of 16 games have scores; stopped before it"),
              std::string::npos)
        << run.output;
    EXPECT_TRUE(fs::exists(dir.path() / "WEEK-01.24"));
    EXPECT_FALSE(fs::exists(dir.path() / "WEEK-02.24"));
    EXPECT_EQ(mainDataWeek(dir), 2);
}

// The 2024 records with the week-10 game on line 140 replaced by row.
std::string recordsWithWeek10Game(const std::string& row) {
    std::string records = test::readFile(std::string(ODDSMITH_DATA_DIR) + "games-2024.csv");
    const std::string game = "2024,REG,10,2024-11-07,Thursday,20:15,CIN,34,BAL,35,Home";
    return records.replace(records.find(game), game.size(), row);
}

TEST(SeasonReplay, recordsThatDoNotFitTheSeasonAreRefusedBeforeAnythingIsWritten) {
    const std::string day = "2024,REG,10,2024-11-07,Thursday,20:15,";
    const struct {
        std::string row;
        std::string message;
    } cases[] = {
        {day + "CIN,34,XXX,35,Home", "line 140: week 10: CIN at XXX: XXX is not a team of the"},
        {day + "CIN,34,B" + std::string(1, '\0') + "L,35,Home",
         "line 140: a control character (\\x00) in the text"},
        {day + "CIN,34,B\xC4L,35,Home", "week 10: CIN at B\\xC4L: B\\xC4L is not a team"},
        {day + "CIN,34," + std::string(60000, 'A') + ",35,Home", "AAAAAAAA...: AAAA"},
        {day + "CIN,34,CIN,35,Home", "line 140: week 10: CIN at CIN: a team cannot play itself"},
        {"2024,REG,10,2024-11-10,Sunday,09:30,NYG,17,CAR,20,Neutral",
         "line 141: week 10: NYG at CAR: NYG already plays in week 10 on line 140"},
        {day + "BAL,35,CIN,34,Home", "line 140: week 10: BAL at CIN is not on the schedule"},
    };
    TempDir dir;
    std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
    makeSeason(dir, games);
    const std::string before = dir.read("MAIN-DTA.GRD");
    for (const auto& c : cases) {
        auto bad = dir.write("bad.csv", recordsWithWeek10Game(c.row));
        auto run = runTool("replay " + dir.path().string() + " " + bad.string());
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_LT(run.output.size(), 400u); // no field floods the message
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), before);
        EXPECT_FALSE(fs::exists(dir.path() / "WEEK-00.24")) << c.message;
    }
}

// Every file under dir and what it holds, but the lock file, which names its last holder.
std::map<std::string, std::string> everythingUnder(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        bool lockFile = entry.path().filename() == kDirectoryLockFileName;
        files[fs::relative(entry.path(), dir).string()] =
            entry.is_regular_file() && !lockFile ? test::readFile(entry.path()) : "";
    }
    return files;
}

// A playoff week's archive is named after it: a name leading out of the data directory
// stops the replay, saying why, before anything is written anywhere.
TEST(SeasonReplay, aWeekNameLeadingOutOfTheDirectoryIsRefusedNamingIt) {
    TempDir made;
    std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
    makeSeason(made, games);
    TempDir outer;
    const fs::path data = outer.path() / "data";
    fs::copy(made.path(), data, fs::copy_options::recursive);
    std::string structure = test::readFile(data / "GRDStructure.txt");
    size_t wildCard = structure.find("\nWild Card\r");
    ASSERT_NE(wildCard, std::string::npos);
    outer.write("data/GRDStructure.txt", structure.replace(wildCard, 10, "\n../x"));
    const auto before = everythingUnder(outer.path());

    auto run = runTool("replay " + data.string() + " " + games);
    EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 1) << run.output;
    EXPECT_NE(run.output.find("playoff week name \"../x\" cannot name a file"), std::string::npos)
        << run.output;
    EXPECT_EQ(everythingUnder(outer.path()), before);
}

TEST(SeasonReplay, recordsReadAlikeWhateverEndsTheirLines) {
    std::string games = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";
    std::string lf = test::readFile(games);
    auto replaced = [&](const std::string& end) {
        std::string text;
        for (char c : lf) {
            text += c == '\n' ? end : std::string(1, c);
        }
        return text;
    };
    std::string expected;
    for (const std::string& text :
         {lf, replaced("\r"), replaced("\r\n"), "\xEF\xBB\xBF" + replaced("\r\n")}) {
        TempDir dir;
        makeSeason(dir, games);
        auto run = runTool("replay " + dir.path().string() + " " +
                           dir.write("games.csv", text).string() + " --through 1");
        ASSERT_EQ(run.status, 0) << run.output;
        if (expected.empty()) {
            expected = dir.read("MAIN-DTA.GRD");
        }
        EXPECT_EQ(mainDataWeek(dir), 2);
        EXPECT_EQ(dir.read("MAIN-DTA.GRD"), expected);
    }
}

TEST(SeasonReplay, entriesFollowTheMainDataFile) {
    EXPECT_EQ(nextEntry(1, 0, 18), 0);
    EXPECT_EQ(nextEntry(1, 16, 18), 1);
    EXPECT_EQ(nextEntry(18, 16, 18), 18);
    EXPECT_EQ(nextEntry(100, 6, 18), 19);
    EXPECT_EQ(nextEntry(104, 0, 18), 23);
}

TEST(GameRecords, columnsAreFoundByNameAndBadLinesAreNamed) {
    auto records = parseGameRecords("home_score,away_team,week,game_type,home_team,away_score\r\n"
                                    "24,BAL,1,REG,KC,20\r\n"
                                    ",GB,2,REG,PHI,\r\n");
    ASSERT_TRUE(records);
    ASSERT_EQ(records.value().size(), 2u);
    EXPECT_EQ(records.value()[0].homeScore, 24);
    EXPECT_TRUE(records.value()[0].scored());
    EXPECT_FALSE(records.value()[1].scored());
    EXPECT_EQ(recordsOfWeek(records.value(), 2).at(0)->describe(), "week 2: GB at PHI");

    auto noColumn = parseGameRecords("week,away_team,home_team\n1,A,B\n");
    ASSERT_FALSE(noColumn);
    EXPECT_NE(noColumn.failure().detail.find("line 1"), std::string::npos);
    auto badScore = parseGameRecords("week,game_type,away_team,home_team,away_score,home_score\n"
                                     "1,REG,A,B,99,3\n");
    ASSERT_FALSE(badScore);
    EXPECT_EQ(badScore.failure().detail, "line 2: away_score \"99\" is not 0..98");
    // A NUL byte in a value must not end the message early.
    auto badWeek = parseGameRecords(std::string("week,game_type,away_team,home_team,away_score,"
                                                "home_score\n1\0x,REG,A,B,1,3\n",
                                                73));
    ASSERT_FALSE(badWeek);
    EXPECT_EQ(badWeek.failure().detail, "line 2: a control character (\\x00) in the text");
}

} // namespace
} // namespace grd
