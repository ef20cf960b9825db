#include "records/LeagueHistory.h"
#include "records/ScheduleBuilder.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

// Four franchises; one moves and is renamed in 2001, another changes division.
constexpr const char* kTeams =
    "franchise,first_season,last_season,abbr,city,team,conference,division\n"
    "AAA,1999,2099,AAA,Alpha,Ants,AFC,East\n"
    "BBB,1999,2000,OLD,Oldtown,Bees,AFC,East\n"
    "BBB,2001,2099,BBB,Beta,Bees,AFC,East\n"
    "CCC,1999,2099,CCC,Gamma,Cats,NFC,West\n"
    "DDD,1999,2001,DDD,Delta,Dogs,NFC,West\n"
    "DDD,2002,2099,DDD,Delta,Dogs,NFC,North\n";

std::vector<TeamEra> eras() {
    auto parsed = parseTeamEras(kTeams);
    EXPECT_TRUE(parsed);
    return parsed.value();
}

TEST(LeagueHistory, oneAlignmentPerEraWithNamesOfThatEra) {
    auto history = buildLeagueHistory(eras(), 1999);
    ASSERT_TRUE(history);
    const auto& league = history.value().structure;
    ASSERT_EQ(league.alignments.size(), 4u); // 1999, 2001, 2002, 2020 (six wild card games)
    EXPECT_EQ(league.alignments[0].firstSeason, 1999);
    EXPECT_EQ(league.alignments[0].lastSeason, 2000);
    EXPECT_EQ(league.alignments[3].firstSeason, 2020);
    EXPECT_EQ(league.alignments[3].lastSeason, 2099);
    // Current names are coded team + 2; the old name of team 2 comes after them.
    EXPECT_EQ(league.alignments[1].teamCodes, (std::vector<int32_t>{1, 2, 3, 4}));
    const auto& names = history.value().names;
    int32_t oldCode = league.alignments[0].teamCodes[1] + 2;
    auto index = static_cast<size_t>(std::find(names.codes.begin(), names.codes.end(), oldCode) -
                                     names.codes.begin());
    ASSERT_LT(index, names.codes.size());
    EXPECT_EQ(names.cityNames[index], "Oldtown");
    EXPECT_EQ(names.shortNames[index], "OLD");
    EXPECT_EQ(names.cityNames[1], "AFC");
    EXPECT_EQ(league.alignments[0].conferences[1], (LeagueAlignment::Conference{{3, 4}}));
    EXPECT_EQ(league.alignments[2].conferences[1], (LeagueAlignment::Conference{{4}, {3}}));
    EXPECT_EQ(league.divisionNames,
              (std::vector<std::string>{"AFC East", "NFC West", "NFC North"}));
    EXPECT_EQ(league.alignments[0].playoffGameCounts, (std::vector<int32_t>{4, 4, 2, 1}));
    EXPECT_EQ(league.alignments[3].playoffGameCounts, (std::vector<int32_t>{6, 4, 2, 1}));
}

TEST(LeagueHistory, badRowsAreNamedByLine) {
    auto bad =
        parseTeamEras("franchise,first_season,last_season,abbr,city,team,conference,division\n"
                      "AAA,1999,2099,AAA,Alpha,Ants,AFC,East\n"
                      "BBB,2001,1999,BBB,Beta,Bees,AFC,East\n");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.failure().detail, "line 3: the seasons are not a span of years");
    EXPECT_FALSE(parseTeamEras("franchise,abbr\nAAA,AAA\n"));
    auto twice = eras();
    twice.push_back(twice[0]);
    twice.back().line = 9;
    auto history = buildLeagueHistory(twice, 1999);
    ASSERT_FALSE(history);
    EXPECT_EQ(history.failure().detail, "line 9: AAA plays twice in 1999");
}

std::vector<GameRecord> games(const std::string& rows) {
    auto parsed = parseGameRecords(
        "season,game_type,week,gameday,weekday,gametime,away_team,away_score,home_team,"
        "home_score,location\n" +
        rows);
    EXPECT_TRUE(parsed);
    return parsed.value();
}

TEST(ScheduleBuilder, regularWeeksInOrderThenPlaceholderRounds) {
    auto records = games("2025,REG,2,2025-09-14,Sunday,13:00,CCC,,AAA,,Home\n"
                         "2025,REG,1,2025-09-07,Sunday,20:20,AAA,,BBB,,Home\n"
                         "2025,REG,2,2025-09-15,Monday,,BBB,,DDD,,Home\n"
                         "2025,REG,1,2025-09-08,Monday,13:00,DDD,,CCC,,Home\n");
    auto slots = parsePlayoffSlots("season,game_type,week,gameday,weekday,gametime,conference\n"
                                   "2025,SB,5,2026-02-08,Sunday,18:30,,Neutral\n"
                                   "2025,WC,3,2026-01-10,Saturday,,NFC,Home\n"
                                   "2025,WC,3,2026-01-10,Saturday,16:30,AFC,Home\n");
    ASSERT_TRUE(slots);
    auto built = buildSchedule(records, slots.value(), eras(), "");
    ASSERT_TRUE(built);
    const auto& schedule = built.value();
    EXPECT_EQ(schedule.title, "2025 Schedule");
    EXPECT_EQ(schedule.weekCountsText, "( 2 2 2)");
    EXPECT_EQ(schedule.declaredTeamCount, 4);
    auto pairs = std::vector<std::pair<int32_t, int32_t>>();
    for (const auto& game : schedule.games) {
        pairs.emplace_back(game.visitorCode, game.homeCode);
    }
    EXPECT_EQ(pairs, (std::vector<std::pair<int32_t, int32_t>>{
                         {3, 4}, {6, 5}, {5, 3}, {4, 6}, {2, 2}, {1, 1}, {1, 2}}));
    EXPECT_TRUE(schedule.games[3].kickoffToBeAnnounced());
    EXPECT_FALSE(schedule.games[2].kickoffToBeAnnounced());
    EXPECT_EQ(schedule.games[4].flags, kSectionFlags[0] | kKickoffToBeAnnounced);
    EXPECT_EQ(schedule.games[5].flags, 0);
    EXPECT_EQ(schedule.games[6].flags, kSectionFlags[3]);
}

TEST(ScheduleBuilder, recordedPlayoffGamesBecomePlaceholdersOfTheirConferences) {
    auto records = games("2025,REG,1,2025-09-07,Sunday,20:20,AAA,1,BBB,2,Home\n"
                         "2025,CON,3,2026-01-25,Sunday,15:00,DDD,10,CCC,20,Home\n"
                         "2025,SB,4,2026-02-08,Sunday,18:30,CCC,3,AAA,7,Neutral\n");
    auto built = buildSchedule(records, {}, eras(), "X");
    ASSERT_TRUE(built);
    const auto& playoffs = built.value().games;
    ASSERT_EQ(playoffs.size(), 3u);
    EXPECT_EQ(playoffs[1].visitorCode, 2);
    EXPECT_EQ(playoffs[1].sectionHeading(), 3);
    EXPECT_EQ(playoffs[2].visitorCode, 2); // the NFC team visited
    EXPECT_EQ(playoffs[2].homeCode, 1);
    EXPECT_EQ(playoffs[2].sectionHeading(), 4);
}

TEST(ScheduleBuilder, badRecordsAreNamedByLine) {
    auto unknown =
        buildSchedule(games("2025,REG,1,2025-09-07,Sunday,20:20,AAA,,ZZZ,,Home\n"), {}, eras(), "");
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.failure().detail,
              "line 2: a team of week 1: AAA at ZZZ did not play in 2025");
    auto badTime =
        buildSchedule(games("2025,REG,1,2025-09-07,Sunday,25:00,AAA,,BBB,,Home\n"), {}, eras(), "");
    ASSERT_FALSE(badTime);
    EXPECT_EQ(badTime.failure().detail, "line 2: the day or time is not YYYY-MM-DD and HH:MM");
    EXPECT_FALSE(buildSchedule({}, {}, eras(), ""));
    auto renamed =
        buildSchedule(games("2000,REG,1,2000-09-07,Sunday,20:20,AAA,,OLD,,Home\n"), {}, eras(), "");
    ASSERT_FALSE(renamed);
    EXPECT_EQ(renamed.failure().detail,
              "the teams of 2000 are not today's, whose names the schedule's codes give");
    EXPECT_FALSE(parsePlayoffSlots("game_type,week,gameday,gametime,conference\nWC,3,x,,XFC\n"));
}

TEST(ScheduleBuilder, impossibleSeasonsAreRefusedNamingTheRow) {
    const std::string week1 = "2025,REG,1,2025-09-07,Sunday,20:20,AAA,,BBB,,Home\n"
                              "2025,REG,1,2025-09-07,Sunday,20:20,CCC,,DDD,,Home\n";
    const std::string final = "2025,SB,2,2026-02-08,Sunday,18:30,CCC,,AAA,,Neutral\n";
    const struct {
        std::string rows;
        std::string detail;
    } cases[] = {
        {week1 + "2025,REG,1,2025-09-07,Sunday,20:20,AAA,,BBB,,Home\n" + final,
         "line 4: week 1: AAA at BBB: AAA already plays in week 1 on line 2"},
        {week1 + "2025,REG,2,2025-09-14,Sunday,13:00,CCC,,CCC,,Home\n" + final,
         "line 4: week 2: CCC at CCC: a team cannot play itself"},
        {week1 + "2025,REG,99,2025-09-14,Sunday,13:00,AAA,,CCC,,Home\n" + final,
         "line 4: week 99 follows week 1 with no games between"},
        {week1 + "2025,SB,99,2026-02-08,Sunday,18:30,CCC,,AAA,,Neutral\n",
         "line 4: week 99: CCC at AAA: playoff weeks run from 2 to 5"},
        {week1, "the records hold no playoff games: give the playoff slots of 2025 with --slots"},
    };
    for (const auto& c : cases) {
        auto built = buildSchedule(games(c.rows), {}, eras(), "");
        ASSERT_FALSE(built) << c.detail;
        EXPECT_EQ(built.failure().detail, c.detail);
    }
}

} // namespace
} // namespace grd
