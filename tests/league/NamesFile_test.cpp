#include "league/DecompressedFile.h"
#include "league/LeagueLookups.h"
#include "league/NamesFile.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

#include <cstring>

namespace grd {
namespace {

NamesList smallNames() {
    return {{"Unknown", "Dallas", "Denver"},
            {"Unknown", "Cowboys", "Broncos"},
            {"?", "DAL", "DEN"},
            {0, 12, 11}};
}

Status parsed(const std::string& records, LeagueStructure& league) {
    return parseNames(records, "/p/GRDNames.ccn", league);
}

TEST(NamesFile, recordsReadBackWithCodesSorted) {
    LeagueStructure league;
    ASSERT_TRUE(parsed(namesRecords(smallNames()), league));
    EXPECT_EQ(league.cityNames, smallNames().cityNames);
    EXPECT_EQ(league.teamNames, smallNames().teamNames);
    ASSERT_EQ(league.nameCodes.size(), 3u);
    EXPECT_EQ(league.nameCodes[1].code, 11);
    EXPECT_EQ(NameIndexOfCode(league, 12), 1);
    EXPECT_EQ(NameIndexOfCode(league, 11), 2);
}

TEST(NamesFile, versionSignatureAndDamage) {
    auto records = namesRecords(smallNames());
    auto withVersion = [&](double version) {
        std::string bytes(8, '\0');
        std::memcpy(bytes.data(), &version, 8);
        return std::string(records).replace(8, 8, bytes);
    };
    LeagueStructure league;
    EXPECT_TRUE(parsed(withVersion(199.9), league));
    auto number = [&](const std::string& bytes) {
        Status status = parsed(bytes, league);
        return status ? 0 : status.failure().number;
    };
    EXPECT_EQ(number(withVersion(200.0)), -2);
    EXPECT_EQ(number(withVersion(0.5)), -2);
    EXPECT_EQ(number("CCNames\r"), -2);
    EXPECT_EQ(number("CCName\r" + records.substr(8)), -27);
    EXPECT_EQ(number(""), -27);
    // A highest index no file could hold is refused before anything is allocated.
    EXPECT_EQ(
        number(records.substr(0, 17) + std::string("\xfe\xff\xff\x7f", 4) + records.substr(21)),
        -3);
    EXPECT_EQ(
        number(records.substr(0, 17) + std::string("\xff\xff\xff\xff", 4) + records.substr(21)),
        -3);
    EXPECT_EQ(league.cityNames, smallNames().cityNames);
}

TEST(NamesFile, cutAnywhereFailsWithTheReadError) {
    auto records = namesRecords(smallNames());
    for (size_t cut = 17; cut < records.size(); ++cut) {
        LeagueStructure league;
        Status status = parsed(records.substr(0, cut), league);
        ASSERT_FALSE(status) << "cut at " << cut;
        EXPECT_EQ(status.failure().number, -3);
        EXPECT_TRUE(status.failure().detail.ends_with(" [/p/GRDNames.ccn] "));
        EXPECT_TRUE(league.cityNames.empty());
    }
}

TEST(NamesFile, loadNamesTheMissingOrDamagedFile) {
    test::TempDir dir;
    LeagueStructure league;
    Status missing = LoadNames(dir.dir(), "GRDNames.ccn", league);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure(), (Failure{-28, " \"" + dir.dir() + "GRDNames.ccn\" "}));
    EXPECT_EQ(LoadNames(dir.dir(), "", league).failure().number, -28);

    dir.write("GRDNames.ccn", "WRZL\x10\0\0\0garbage");
    EXPECT_EQ(LoadNames(dir.dir(), "GRDNames.ccn", league).failure().number, -27);

    dir.write("GRDNames.ccn", compressed(namesRecords(smallNames())));
    ASSERT_TRUE(LoadNames(dir.dir(), "grdnames.CCN", league));
    EXPECT_EQ(league.teamNames[2], "Broncos");
}

TEST(NamesFile, namesThatLeaveATeamOfTheSeasonUnnamedAreCorrupt) {
    LeagueStructure league;
    ASSERT_TRUE(parsed(namesRecords(smallNames()), league));
    league.seasonLabel = "2008-09";
    league.alignments.resize(1);
    league.alignments[0].firstSeason = 2002;
    league.alignments[0].lastSeason = 2030;
    league.alignments[0].teamCount = 2;
    league.alignments[0].teamCodes = {9, 10}; // codes 11 and 12: Denver, Dallas
    EXPECT_TRUE(CheckNamesCoverSeason(league, 2, "/p/GRDNames.ccn"));
    league.alignments[0].teamCodes = {9, 11};
    EXPECT_EQ(CheckNamesCoverSeason(league, 2, "/p/GRDNames.ccn").failure(),
              (Failure{-27, " \"/p/GRDNames.ccn\" "}));
    EXPECT_TRUE(CheckNamesCoverSeason(league, 4, "/p/GRDNames.ccn")); // no such alignment
}

TEST(NamesFile, aNameLeadingOutOfTheProgramDirectoryIsCorrupt) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "sub");
    dir.write("sub/GRDNames.ccn", compressed(namesRecords(smallNames())));
    dir.write("GRDNames.ccn", compressed(namesRecords(smallNames())));
    LeagueStructure league;
    for (const char* name : {"sub/GRDNames.ccn", "../GRDNames.ccn", "/etc/passwd", ".."}) {
        EXPECT_EQ(LoadNames(dir.dir() + "sub/", name, league).failure().number, -27) << name;
    }
    EXPECT_TRUE(LoadNames(dir.dir(), "GRDNames.ccn", league));
}

} // namespace
} // namespace grd
