#include "EngineFixture.h"
#include "league/RankingsFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

using test::averageTeams;
using test::leagueOf;
using test::TempDir;

const char* const kWritten = "5.1\r\nMD\r\n2\r\n"
                             " 1.00000000000000E+0002 1.01000000000000E+0002"
                             " 9.90000000000000E+0001 5.00000000000000E-0001"
                             "   10    7  1  1  0  2\r\n"
                             " 1.00000000000000E+0002 1.01000000000000E+0002"
                             " 9.90000000000000E+0001 0.00000000000000E+0000"
                             "    3    4  0  0  0  1\r\n"
                             "3\r\n 2.05000000000000E+0001\r\n 1\r\n  1  2  3\r\n0\r\n 7\r\n"
                             "2008-09\r\n";

struct Loaded {
    tRankings rankings;
    ProgramState state;
    LeagueStructure league = leagueOf(2);
    Status status = Ok{};

    explicit Loaded(std::string_view text) {
        status = ParseRankings(text, "MAIN-DTA.GRD", kMainDataKind, rankings, state, league);
    }
};

TEST(ReadRankings, numbersMaySpreadOverLinesAndBlankLines) {
    std::string wrapped = kWritten;
    // A team line wrapped after its ratings, and blank lines before the sort key.
    wrapped.replace(wrapped.find("   10"), 0, "\r\n");
    wrapped.replace(wrapped.find("\r\n3\r\n"), 2, "\r\n\r\n   \r\n");
    Loaded plain(kWritten);
    Loaded hand(wrapped);
    ASSERT_TRUE(plain.status.ok()) << plain.status.failure().detail;
    ASSERT_TRUE(hand.status.ok()) << hand.status.failure().detail;
    EXPECT_EQ(hand.rankings.teams[1].pointsFor, 10);
    EXPECT_EQ(hand.rankings.rankOrder, plain.rankings.rankOrder);
    EXPECT_EQ(hand.state.sortKey, 3);
    EXPECT_EQ(hand.state.currentWeek, 7);
    // Written again, both give the text we write: our own files are unchanged.
    for (Loaded* loaded : {&plain, &hand}) {
        loaded->league.seasonLabel = loaded->rankings.seasonText;
        EXPECT_EQ(FormatRankings(kMainDataKind, loaded->rankings, loaded->state, loaded->league, 2),
                  kWritten);
    }
    // The rest of a record's last line is still skipped, and a record cut short is named.
    std::string cut = kWritten;
    cut.erase(cut.find("  1  2  3"));
    Loaded shortFile(cut);
    ASSERT_FALSE(shortFile.status.ok());
    EXPECT_EQ(shortFile.status.failure().detail, "Unexpected end of file");
}

TEST(ReadRankings, anOverflowingValueIsRefusedNamingItsLine) {
    std::string text = kWritten;
    text.replace(text.find("  1  1  0  2"), 3, " 100");
    Loaded loaded(text);
    ASSERT_FALSE(loaded.status.ok());
    EXPECT_EQ(loaded.status.failure().number, -8);
    EXPECT_EQ(loaded.status.failure().detail, "Line 4: 100 is out of range");
}

TEST(WriteRankings, dataThatWouldNotReadBackLeavesTheOldFile) {
    TempDir dir;
    dir.write("MAIN-DTA.GRD", "old");
    tRankings rankings = averageTeams(2);
    ProgramState state;
    state.currentWeek = 3;
    LeagueStructure league = leagueOf(2);
    rankings.teams[1].wins = 1000; // "1000" would run into the points before it
    Status written =
        WriteRankings(kMainDataKind, dir.path() / "MAIN-DTA.GRD", rankings, state, league, 2);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().number, -21);
    EXPECT_NE(written.failure().detail.find("would not read back"), std::string::npos);
    EXPECT_FALSE(state.mainDataSaved);
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "old");

    rankings.teams[1].wins = 0;
    state.forecastPairs = {0, 1, 2};
    state.spreads = {0.0, 150.0};
    state.forecastCount = 1;
    written = WriteRankings(kArchiveKind, dir.path() / "WEEK-02.08", rankings, state, league, 2);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().number, -22);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "WEEK-02.08"));

    state.spreads = {0.0, -150.0}; // a sign keeps values apart, so this one reads back
    EXPECT_TRUE(
        WriteRankings(kArchiveKind, dir.path() / "WEEK-02.08", rankings, state, league, 2).ok());
}

} // namespace
} // namespace grd
