#include "files/AtomicFile.h"
#include "league/DayCount.h"
#include "league/DecompressedFile.h"
#include "league/LeagueLookups.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "records/GameRecords.h"
#include "records/LeagueHistory.h"
#include "records/ScheduleBuilder.h"

#include "TestConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <numeric>

namespace grd {
namespace {

const std::string kShipped = std::string(ODDSMITH_DATA_DIR) + "program/";

std::string dataFile(const std::string& name) {
    return test::readFile(std::string(ODDSMITH_DATA_DIR) + name);
}

// The league as start-up loads it from the shipped files.
struct ShippedLeague {
    LeagueStructure league;
    tSchedule70 schedule;

    ShippedLeague() {
        EXPECT_TRUE(LoadLeagueStructure(kShipped, league).empty());
        EXPECT_TRUE(LoadSchedule(kShipped, schedule, league));
        EXPECT_TRUE(LoadNames(kShipped, schedule.namesFileName, league));
    }

    const LeagueAlignment* alignmentOf(int season) {
        for (size_t i = 0; i < league.alignments.size(); ++i) {
            const auto& a = league.alignments[i];
            if (a.firstSeason <= season && season <= a.lastSeason) {
                league.activeAlignment = static_cast<int32_t>(i);
                return &a;
            }
        }
        return nullptr;
    }

    std::string cityOfCode(int32_t code) {
        return league.cityNames[static_cast<size_t>(NameIndexOfCode(league, code))];
    }

    // "City Team" of each team of a season's alignment.
    std::vector<std::string> namesOf(int season) {
        std::vector<std::string> names;
        const auto* alignment = alignmentOf(season);
        for (int32_t t = 1; alignment && t <= alignment->teamCount; ++t) {
            names.push_back(FullTeamName(league, t));
        }
        return names;
    }
};

bool holds(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ShippedData, structureCoversEverySeasonSince1976) {
    ShippedLeague shipped;
    const auto& alignments = shipped.league.alignments;
    ASSERT_FALSE(alignments.empty());
    EXPECT_EQ(alignments.front().firstSeason, 1976);
    for (size_t i = 1; i < alignments.size(); ++i) {
        EXPECT_EQ(alignments[i].firstSeason, alignments[i - 1].lastSeason + 1);
    }
    EXPECT_GE(alignments.back().lastSeason, 2099);
    for (auto [season, teams] : {std::pair{1976, 28},
                                 {1994, 28},
                                 {1995, 30},
                                 {1998, 30},
                                 {1999, 31},
                                 {2001, 31},
                                 {2002, 32},
                                 {2025, 32}}) {
        ASSERT_NE(shipped.alignmentOf(season), nullptr) << season;
        EXPECT_EQ(shipped.alignmentOf(season)->teamCount, teams) << season;
    }
    EXPECT_EQ(shipped.league.playoffWeekNames[0], "Wild Card");
    EXPECT_EQ(shipped.league.playoffWeekNames[3], "Super Bowl");
    EXPECT_EQ(shipped.league.playoffWeekNames[4], "Week__");
}

TEST(ShippedData, eachEraNamesItsOwnTeams) {
    ShippedLeague shipped;
    struct Era {
        int season;
        const char* name;
    };
    for (auto [season, name] :
         {Era{1981, "Oakland Raiders"}, Era{1990, "Los Angeles Raiders"},
          Era{2019, "Oakland Raiders"}, Era{2020, "Las Vegas Raiders"},
          Era{2016, "San Diego Chargers"}, Era{2017, "Los Angeles Chargers"},
          Era{2015, "St. Louis Rams"}, Era{2016, "Los Angeles Rams"},
          Era{2019, "Washington Redskins"}, Era{2021, "Washington Football Team"},
          Era{2022, "Washington Commanders"}, Era{1996, "Houston Oilers"},
          Era{1997, "Tennessee Oilers"}, Era{1999, "Tennessee Titans"},
          Era{1983, "Baltimore Colts"}, Era{1987, "St. Louis Cardinals"}}) {
        EXPECT_TRUE(holds(shipped.namesOf(season), name)) << season << " " << name;
    }
    EXPECT_FALSE(holds(shipped.namesOf(2019), "Las Vegas Raiders"));
    // Two franchises of one city have city forms of their own; one alone keeps its city.
    std::vector<std::string> cities2025;
    const auto* alignment = shipped.alignmentOf(2025);
    ASSERT_NE(alignment, nullptr);
    for (int32_t team = 1; team <= alignment->teamCount; ++team) {
        cities2025.push_back(TeamName(shipped.league, team, true));
    }
    for (const char* city : {"LA Rams", "LA Chargers", "NY Giants", "NY Jets", "Kansas City"}) {
        EXPECT_NE(std::find(cities2025.begin(), cities2025.end(), city), cities2025.end()) << city;
    }
    EXPECT_EQ(std::count(cities2025.begin(), cities2025.end(), "Los Angeles"), 0);
    EXPECT_FALSE(holds(shipped.namesOf(1997), "Cleveland Browns"));
}

TEST(ShippedData, playoffGamesFollowTheFormatOfTheSeason) {
    ShippedLeague shipped;
    for (auto [season, wildCardGames] :
         {std::pair{1985, 2}, {1990, 4}, {2019, 4}, {2020, 6}, {2025, 6}}) {
        const auto* alignment = shipped.alignmentOf(season);
        ASSERT_NE(alignment, nullptr);
        EXPECT_EQ(alignment->playoffGameCounts, (std::vector<int32_t>{wildCardGames, 4, 2, 1}))
            << season;
    }
}

TEST(ShippedData, scheduleHoldsThe2025Season) {
    ShippedLeague shipped;
    const auto& counts = shipped.league.weekGameCounts;
    ASSERT_EQ(counts.size(), 19u);
    EXPECT_EQ(counts[0], 18);
    int regular = std::accumulate(counts.begin() + 1, counts.end(), 0);
    EXPECT_EQ(regular, 272);
    ASSERT_EQ(shipped.schedule.games.size(), 272u + 13u);
    EXPECT_EQ(shipped.schedule.teamCount, 32);
    EXPECT_EQ(shipped.schedule.gamesPerWeek, 16);
    EXPECT_EQ(shipped.schedule.title, "2025 Schedule");
    EXPECT_EQ(shipped.league.seasonLabel, "2025-26");
    EXPECT_EQ(shipped.league.seasonSuffix, ".25");

    // Every regular game of the records, in their order, the codes naming its teams.
    auto records = parseGameRecords(dataFile("games-2025.csv"));
    ASSERT_TRUE(records);
    auto eras = parseTeamEras(dataFile("teams.csv"));
    ASSERT_TRUE(eras);
    std::map<std::string, std::string> cities;
    for (const auto& era : eras.value()) {
        if (era.firstSeason <= 2025 && 2025 <= era.lastSeason) {
            cities[era.abbr] = cityForm(era, eras.value());
        }
    }
    size_t next = 0;
    for (int week = 1; week <= 18; ++week) {
        auto games = recordsOfWeek(records.value(), week);
        ASSERT_EQ(static_cast<int32_t>(games.size()), counts[static_cast<size_t>(week)]);
        for (const GameRecord* record : games) {
            const auto& game = shipped.schedule.games[next++];
            EXPECT_EQ(shipped.cityOfCode(game.visitorCode), cities[record->awayTeam]);
            EXPECT_EQ(shipped.cityOfCode(game.homeCode), cities[record->homeTeam]);
            EXPECT_EQ(calendarTimeOf(game.kickoff).day, std::stoi(record->gameday.substr(8)));
        }
    }
}

TEST(ShippedData, playoffPlaceholdersOpenEachRound) {
    ShippedLeague shipped;
    std::vector<ScheduledGame> playoffs(shipped.schedule.games.begin() + 272,
                                        shipped.schedule.games.end());
    ASSERT_EQ(playoffs.size(), 13u);
    std::vector<int> headings;
    for (const auto& game : playoffs) {
        headings.push_back(game.sectionHeading());
        EXPECT_TRUE(game.visitorCode == 1 || game.visitorCode == 2);
        EXPECT_TRUE(game.homeCode == 1 || game.homeCode == 2);
    }
    EXPECT_EQ(headings, (std::vector<int>{1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 3, 0, 4}));
    EXPECT_TRUE(playoffs[0].kickoffToBeAnnounced());
    EXPECT_FALSE(playoffs[10].kickoffToBeAnnounced());
    EXPECT_EQ(calendarTimeOf(playoffs[10].kickoff).hour, 15);
    EXPECT_EQ(playoffs[12].visitorCode, 1);
    EXPECT_EQ(playoffs[12].homeCode, 2);
    EXPECT_EQ(shipped.cityOfCode(1), "AFC");
}

// The committed files are what the data script makes from the records today.
TEST(ShippedData, filesAreUpToDateWithTheRecords) {
    auto eras = parseTeamEras(dataFile("teams.csv"));
    ASSERT_TRUE(eras);
    auto history = buildLeagueHistory(eras.value(), 1976);
    ASSERT_TRUE(history);
    auto games = parseGameRecords(dataFile("games-2025.csv"));
    auto slots = parsePlayoffSlots(dataFile("postseason-2025.csv"));
    ASSERT_TRUE(games && slots);
    auto schedule = buildSchedule(games.value(), slots.value(), eras.value(), "2025 Schedule");
    ASSERT_TRUE(schedule);
    EXPECT_EQ(test::readFile(kShipped + "GRDStructure.txt"),
              leagueStructureText(history.value().structure));
    EXPECT_EQ(test::readFile(kShipped + "GRDSchedule.ccs"),
              compressed(scheduleRecords(schedule.value())));
    EXPECT_EQ(test::readFile(kShipped + "GRDNames.ccn"),
              compressed(namesRecords(history.value().names)));
}

} // namespace
} // namespace grd
