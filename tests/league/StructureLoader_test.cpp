#include "league/StructureLoader.h"

#include "TestConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace grd {
namespace {

const std::string kFixture = std::string(ODDSMITH_FIXTURE_DIR) + "league/small-structure.txt";

std::string smallStructure() {
    return test::readFile(kFixture);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

std::vector<int> numbers(const std::vector<Failure>& failures) {
    std::vector<int> result;
    for (const auto& failure : failures) {
        result.push_back(failure.number);
    }
    return result;
}

TEST(StructureLoader, readsEveryAlignmentAndTheNames) {
    LeagueStructure league;
    ASSERT_TRUE(parseLeagueStructure(smallStructure(), "x", league).empty());
    ASSERT_EQ(league.alignments.size(), 2u);
    const auto& old = league.alignments[0];
    EXPECT_EQ(old.firstSeason, 1990);
    EXPECT_EQ(old.lastSeason, 1999);
    ASSERT_EQ(old.conferences.size(), 2u);
    EXPECT_EQ(old.conferences[0], (LeagueAlignment::Conference{{3, 1}}));
    EXPECT_EQ(old.conferences[1], (LeagueAlignment::Conference{{4, 2}}));
    EXPECT_EQ(old.teamCodes, (std::vector<int32_t>{10, 11, 12, 13}));
    EXPECT_EQ(old.playoffGameCounts, (std::vector<int32_t>{2, 2, 1, 1}));
    const auto& now = league.alignments[1];
    EXPECT_EQ(now.conferences[0], (LeagueAlignment::Conference{{1, 2}, {3}}));
    EXPECT_EQ(now.divisionNameIndex, (std::vector<std::vector<int32_t>>{{1, 2}, {3}}));
    EXPECT_EQ(now.playoffWeekCount(), 0);
    EXPECT_EQ(league.divisionNames, (std::vector<std::string>{"AFC East", "AFC West", "NFC"}));
    EXPECT_EQ(league.playoffWeekNames[3], "Super Bowl");
    EXPECT_EQ(league.playoffWeekNames[4], "Week__");
    EXPECT_EQ(league.playoffWeekNames[5], "Week__");
    EXPECT_EQ(league.activeAlignment, -1);
}

TEST(StructureLoader, writtenTextReadsBackTheSameModel) {
    LeagueStructure league;
    ASSERT_TRUE(parseLeagueStructure(smallStructure(), "x", league).empty());
    std::string text = leagueStructureText(league);
    LeagueStructure again;
    ASSERT_TRUE(parseLeagueStructure(text, "x", again).empty());
    EXPECT_EQ(leagueStructureText(again), text);
    EXPECT_EQ(again.alignments[1].conferences, league.alignments[1].conferences);
}

TEST(StructureLoader, toleratesLoneLineFeedsAndAMissingLastLineEnd) {
    std::string text = smallStructure();
    std::erase(text, '\r');
    text = replaced(text, "Super Bowl\n", "Super Bowl");
    LeagueStructure league;
    EXPECT_TRUE(parseLeagueStructure(text, "x", league).empty());
    EXPECT_EQ(league.playoffWeekNames[3], "Super Bowl");
}

TEST(StructureLoader, missingFileGivesMinus32ThenMinus30NamingThePath) {
    test::TempDir dir;
    LeagueStructure league;
    auto failures = LoadLeagueStructure(dir.dir(), league);
    std::string path = dir.dir() + "GRDStructure.txt";
    ASSERT_EQ(numbers(failures), (std::vector<int>{-32, -30}));
    EXPECT_EQ(failures[0].detail, " \"" + path + "\" ");
    EXPECT_EQ(failures[1].detail,
              " \"" + path + "\"  -- GRD Oddsmith cannot function without this file. ");
}

TEST(StructureLoader, fileIsFoundIgnoringCase) {
    test::TempDir dir;
    dir.write("grdstructure.TXT", smallStructure());
    LeagueStructure league;
    EXPECT_TRUE(LoadLeagueStructure(dir.dir(), league).empty());
    EXPECT_EQ(league.alignments.size(), 2u);
}

TEST(StructureLoader, wrongFirstLineGivesMinus29ThenMinus30) {
    for (std::string first : {"grds1", "GRDS1 ", "GRDS2", ""}) {
        LeagueStructure league;
        auto text = replaced(smallStructure(), "GRDS1\r\n", first + "\r\n");
        EXPECT_EQ(numbers(parseLeagueStructure(text, "x", league)), (std::vector<int>{-29, -30}))
            << first;
    }
    LeagueStructure league;
    EXPECT_EQ(numbers(parseLeagueStructure("", "x", league)), (std::vector<int>{-29, -30}));
}

TEST(StructureLoader, fileCutAnywhereGivesMinus30AloneAndKeepsTheModel) {
    std::string text = smallStructure();
    LeagueStructure league;
    ASSERT_TRUE(parseLeagueStructure(text, "x", league).empty());
    std::string before = leagueStructureText(league);
    // Every cut before the last name leaves something counted unread.
    size_t lastName = text.rfind("Super Bowl");
    for (size_t cut = 6; cut <= lastName; ++cut) {
        std::string reason;
        auto failures = parseLeagueStructure(text.substr(0, cut), "x", league, &reason);
        ASSERT_EQ(numbers(failures), (std::vector<int>{-30})) << "cut at " << cut;
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_EQ(leagueStructureText(league), before);
}

TEST(StructureLoader, rejectsWhatTheModelCannotHold) {
    struct Case {
        const char* what;
        std::string from, to;
        std::string reason = {};
    };
    const Case cases[] = {
        {"11 playoff weeks", "4\r\n0 1 2 3\r\n2 2 1 1", "11\r\n0 1 2 3\r\n2 2 1 1"},
        {"9 week names", "4\r\nWild Card", "9\r\nWild Card"},
        {"name of 21 characters", "Super Bowl\r\n", "Super Bowl Super Bowl\r\n",
         "line 41: playoff week name \"Super Bowl Super Bowl\" is longer than 20 characters"},
        {"team listed twice", "3 1  4 2", "3 1  4 1"},
        {"team number 0", "3 1  4 2", "3 0  4 2"},
        {"team number beyond T", "3 1  4 2", "3 1  4 5"},
        {"negative alignment count", "\r\n2\r\n1990", "\r\n-2\r\n1990"},
        {"absurd team count", "1999\r\n4\r\n", "1999\r\n2000000000\r\n"},
        {"division sizes exceed T", "2   1 extra", "3   1 extra"},
        {"division name index beyond the list", "1 2 3\r\n0", "1 2 4\r\n0"},
        {"word for a number", "1990\r\n", "nineteen\r\n"},
        {"number glued to text", "1999\r\n", "1999x\r\n"},
        {"negative game count", "2 2 1 1", "2 2 -1 1"},
        // A playoff week's archive is named after it: no way out of the directory.
        {"week name leading up", "Super Bowl\r\n", "../victim\r\n",
         "line 41: playoff week name \"../victim\" cannot name a file"},
        {"week name with a separator", "Super Bowl\r\n", "a/b\r\n"},
        {"week name with a backslash", "Super Bowl\r\n", "a\\b\r\n"},
        {"week name with a control character", "Super Bowl\r\n", std::string("a\0b\r\n", 5)},
        {"empty week name", "Super Bowl\r\n", "\r\n"},
    };
    for (const auto& c : cases) {
        LeagueStructure league;
        auto failures = parseLeagueStructure(replaced(smallStructure(), c.from, c.to), "x", league);
        ASSERT_EQ(numbers(failures), (std::vector<int>{-30})) << c.what;
        EXPECT_TRUE(league.alignments.empty()) << c.what;
        // The user is told what to correct.
        if (!c.reason.empty()) {
            EXPECT_EQ(failures[0].detail,
                      " \"x\" " + c.reason +
                          "  -- GRD Oddsmith cannot function without this file. ")
                << c.what;
        }
    }
}

TEST(StructureLoader, integersMaySpanLinesAndBlanks) {
    auto text = replaced(smallStructure(), "10 11 12 13\r\n", "10\t11\r\n  12   13 and more\r\n");
    LeagueStructure league;
    ASSERT_TRUE(parseLeagueStructure(text, "x", league).empty());
    EXPECT_EQ(league.alignments[0].teamCodes, (std::vector<int32_t>{10, 11, 12, 13}));
}

} // namespace
} // namespace grd
