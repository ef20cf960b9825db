#include "league/DayCount.h"
#include "league/DecompressedFile.h"
#include "league/ScheduleFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace grd {
namespace {

ScheduledGame gameOn(int32_t visitor, int32_t home, CalendarTime when, int32_t flags = 0) {
    return {visitor, home, flags, dayCountOf(when)};
}

// Two weeks of one and two games between four teams, then one placeholder game.
tSchedule70 smallSchedule() {
    tSchedule70 schedule;
    schedule.title = "2008 Schedule";
    schedule.namesFileName = "GRDNames.ccn";
    schedule.declaredTeamCount = 4;
    schedule.roundHeadings = {"Wild Card", "Division", "Championship", "Super Bowl", ""};
    schedule.weekCountsText = "(02 1 2)";
    schedule.games = {gameOn(3, 4, {2008, 9, 7, 13, 0}), gameOn(5, 6, {2008, 9, 14, 16, 15}),
                      gameOn(4, 3, {2008, 9, 14, 20, 30}),
                      gameOn(1, 1, {2009, 1, 3}, kKickoffToBeAnnounced | kSectionFlags[0])};
    return schedule;
}

std::string withWeekCounts(tSchedule70 schedule, const std::string& text) {
    schedule.weekCountsText = text;
    return scheduleRecords(schedule);
}

Status parsed(const std::string& records, tSchedule70& schedule, LeagueStructure& league) {
    return parseSchedule(records, "/p/GRDSchedule.ccs", schedule, league);
}

int failureNumber(const std::string& records) {
    tSchedule70 schedule;
    LeagueStructure league;
    Status status = parsed(records, schedule, league);
    EXPECT_EQ(schedule.loaded, status.ok());
    return status ? 0 : status.failure().number;
}

TEST(ScheduleFile, recordsReadBackWithCountsAndSeasonTexts) {
    tSchedule70 schedule;
    LeagueStructure league;
    ASSERT_TRUE(parsed(scheduleRecords(smallSchedule()), schedule, league));
    EXPECT_TRUE(schedule.loaded);
    EXPECT_EQ(schedule.games, smallSchedule().games);
    EXPECT_EQ(schedule.title, "2008 Schedule");
    EXPECT_EQ(schedule.namesFileName, "GRDNames.ccn");
    EXPECT_EQ(schedule.roundHeadings[3], "Super Bowl");
    EXPECT_EQ(league.weekGameCounts, (std::vector<int32_t>{2, 1, 2}));
    EXPECT_EQ(schedule.teamCount, 3); // codes 1, 3, 4, 5, 6
    EXPECT_EQ(schedule.gamesPerWeek, 1);
    EXPECT_EQ(league.seasonLabel, "2008-09");
    EXPECT_EQ(league.seasonSuffix, ".08");
    EXPECT_EQ(schedule.games[3].sectionHeading(), 1);
    EXPECT_TRUE(schedule.games[3].kickoffToBeAnnounced());
}

TEST(ScheduleFile, seasonWithinOneYearAndDistinctCodeCount) {
    auto source = smallSchedule();
    source.games.pop_back();
    source.declaredTeamCount = 32;
    for (int32_t code = 3; code <= 36; code += 2) {
        source.games.push_back(gameOn(code, code + 1, {2008, 12, 28, 13, 0}));
    }
    tSchedule70 schedule;
    LeagueStructure league;
    ASSERT_TRUE(parsed(scheduleRecords(source), schedule, league));
    EXPECT_EQ(league.seasonLabel, "2008-08");
    EXPECT_EQ(schedule.teamCount, 32); // 34 distinct codes
    EXPECT_EQ(schedule.gamesPerWeek, 16);
}

TEST(ScheduleFile, weekCountGroupsAreTwoCharactersWithoutSeparators) {
    tSchedule70 schedule;
    LeagueStructure league;
    auto source = smallSchedule();
    source.games.assign(6, source.games[0]); // regular weeks hold teams only
    ASSERT_TRUE(parsed(withWeekCounts(source, "weeks (03 1 2 3) end"), schedule, league));
    EXPECT_EQ(league.weekGameCounts, (std::vector<int32_t>{3, 1, 2, 3}));
    EXPECT_EQ(weekCountsTextOf({16, 16, 14}), "( 3161614)");
    EXPECT_EQ(failureNumber(withWeekCounts(source, "(03, 1, 2, 3)")), -5);
    EXPECT_EQ(failureNumber(withWeekCounts(source, "(03 1 2")), -20);
    EXPECT_EQ(failureNumber(withWeekCounts(source, "03 1 2 3)")), -20);
    EXPECT_EQ(failureNumber(withWeekCounts(source, "(05 1 2 3)")), -5);
    // More games in the regular weeks than the file holds.
    EXPECT_EQ(failureNumber(withWeekCounts(smallSchedule(), "(02 2 9)")), -20);
}

TEST(ScheduleFile, versionAndSignature) {
    auto records = scheduleRecords(smallSchedule());
    auto withVersion = [&](double version) {
        std::string changed = records;
        std::string bytes(8, '\0');
        std::memcpy(bytes.data(), &version, 8);
        return changed.replace(11, 8, bytes);
    };
    EXPECT_EQ(failureNumber(withVersion(1.99)), 0);
    EXPECT_EQ(failureNumber(withVersion(2.0)), -4);
    EXPECT_EQ(failureNumber(withVersion(0.99)), -4);
    EXPECT_EQ(failureNumber(withVersion(std::numeric_limits<double>::quiet_NaN())), -4);
    EXPECT_EQ(failureNumber("CCSchedule\r1234"), -4);
    EXPECT_EQ(failureNumber("ccschedule" + records.substr(10)), -20);
    EXPECT_EQ(failureNumber(""), -20);
}

TEST(ScheduleFile, codesOutsideTheDeclaredRangeAreCorrupt) {
    auto source = smallSchedule();
    source.games[1].homeCode = source.declaredTeamCount + 4;
    EXPECT_EQ(failureNumber(scheduleRecords(source)), 0);
    source.games[1].homeCode = source.declaredTeamCount + 5;
    EXPECT_EQ(failureNumber(scheduleRecords(source)), -20);
    source.games[1].homeCode = -1;
    EXPECT_EQ(failureNumber(scheduleRecords(source)), -20);
    source = smallSchedule();
    source.declaredTeamCount = -3;
    EXPECT_EQ(failureNumber(scheduleRecords(source)), -20);
}

TEST(ScheduleFile, namesFileNameThatLeadsOutOfTheDirectoryIsCorrupt) {
    for (std::string name : {"../GRDNames.ccn", "/etc/passwd", "a\\b", "x\x01", "", ".."}) {
        auto source = smallSchedule();
        source.namesFileName = name;
        EXPECT_EQ(failureNumber(scheduleRecords(source)), -20) << name;
    }
}

TEST(ScheduleFile, placeholdersInRegularWeeksAndImpossibleKickoffsAreCorrupt) {
    auto source = smallSchedule();
    source.games[2].visitorCode = 1; // a conference's placeholder in week 2
    tSchedule70 schedule;
    LeagueStructure league;
    Status status = parsed(scheduleRecords(source), schedule, league);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().number, -20);
    EXPECT_EQ(status.failure().detail,
              "Game 2 of week 2 is not between two teams \"/p/GRDSchedule.ccs\" ");
    source.games[2].visitorCode = 2;
    EXPECT_EQ(failureNumber(scheduleRecords(source)), -20);

    for (double kickoff : {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), -1.0, 1e12}) {
        source = smallSchedule();
        source.games[3].kickoff = kickoff;
        EXPECT_EQ(failureNumber(scheduleRecords(source)), -20) << kickoff;
    }
    source = smallSchedule(); // the placeholder of the playoff game stays allowed
    EXPECT_EQ(failureNumber(scheduleRecords(source)), 0);
}

TEST(ScheduleFile, cutAnywhereFailsAndKeepsTheLoadedSchedule) {
    tSchedule70 schedule;
    LeagueStructure league;
    auto records = scheduleRecords(smallSchedule());
    ASSERT_TRUE(parsed(records, schedule, league));
    for (size_t cut = 0; cut < records.size(); ++cut) {
        Status status = parsed(records.substr(0, cut), schedule, league);
        ASSERT_FALSE(status) << "cut at " << cut;
    }
    EXPECT_EQ(schedule.games, smallSchedule().games);
    EXPECT_EQ(league.weekGameCounts, (std::vector<int32_t>{2, 1, 2}));
}

TEST(ScheduleFile, absurdGameCountIsAReadError) {
    auto records = scheduleRecords(smallSchedule());
    size_t countAt = records.size() - 4 * 20 - 4;
    records.replace(countAt, 4, std::string("\xff\xff\xff\x7f", 4));
    tSchedule70 schedule;
    LeagueStructure league;
    Status status = parsed(records, schedule, league);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().number, -5);
    EXPECT_NE(status.failure().detail.find(" \"/p/GRDSchedule.ccs\" "), std::string::npos);
}

TEST(ScheduleFile, loadFindsTheCompressedFileOrNamesItsPath) {
    test::TempDir dir;
    tSchedule70 schedule;
    LeagueStructure league;
    Status missing = LoadSchedule(dir.dir(), schedule, league);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure(), (Failure{-6, " \"" + dir.dir() + "GRDSchedule.ccs\" "}));

    dir.write("grdschedule.CCS", "not a container at all");
    Status damaged = LoadSchedule(dir.dir(), schedule, league);
    ASSERT_FALSE(damaged);
    EXPECT_EQ(damaged.failure(), (Failure{-20, " \"" + dir.dir() + "grdschedule.CCS\" "}));

    dir.write("grdschedule.CCS", compressed(scheduleRecords(smallSchedule())));
    ASSERT_TRUE(LoadSchedule(dir.dir(), schedule, league));
    EXPECT_EQ(schedule.games.size(), 4u);
}

TEST(DayCount, countsDaysFromTheEndOf1899) {
    EXPECT_EQ(dayCountOf({1899, 12, 30, 0, 0}), 0.0);
    EXPECT_EQ(dayCountOf({1900, 1, 1, 0, 0}), 2.0);
    EXPECT_NEAR(dayCountOf({2025, 9, 4, 20, 20}), 45904 + 1220 / 1440.0, 1e-9);
    CalendarTime back = calendarTimeOf(dayCountOf({2026, 2, 8, 18, 30}));
    EXPECT_EQ(back.year, 2026);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 8);
    EXPECT_EQ(back.hour, 18);
    EXPECT_EQ(back.minute, 30);
    EXPECT_EQ(calendarTimeOf(45904.99999999).day, 5); // rounds to the minute
    EXPECT_EQ(calendarTimeOf(std::nan("")).year, 1899);
}

} // namespace
} // namespace grd
