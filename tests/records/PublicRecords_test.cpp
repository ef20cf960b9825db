#include "records/GameRecords.h"
#include "records/PublicRecords.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

constexpr std::string_view kHeader = "season,game_type,week,away_team,away_score,home_team,"
                                     "home_score,location,spread_line\n";

// Two seasons, the later one under way: one game scored without a line, one unplayed
// with a line.
const std::string kTwoSeasons = std::string(kHeader) + "2024,REG,1,MIA,20,BUF,23,Home,-3\n"
                                                       "2025,REG,1,MIA,17,BUF,24,Home,\n"
                                                       "2025,REG,2,BUF,,NYJ,,Home,2.5\n";

TEST(PublicRecords, theLoadedSeasonIsCountedApartFromTheWholeCollection) {
    auto summary = checkPublicRecords(kTwoSeasons, "2025-26");
    ASSERT_TRUE(summary.ok()) << summary.failure().detail;
    EXPECT_EQ(summary.value().games, 3);
    EXPECT_EQ(summary.value().firstSeason, "2024");
    EXPECT_EQ(summary.value().lastSeason, "2025");
    EXPECT_EQ(summary.value().seasonGames, 2);
    EXPECT_EQ(summary.value().seasonScored, 1);
    EXPECT_EQ(summary.value().seasonLines, 1);

    auto later = checkPublicRecords(kTwoSeasons, "2026");
    ASSERT_TRUE(later.ok()) << "no game of the season yet is no fault of the file";
    EXPECT_EQ(later.value().seasonGames, 0);
}

TEST(PublicRecords, whatIsNotRecordsInThePublicLayoutIsRefusedSayingWhy) {
    struct Case {
        std::string text, failure;
    };
    const Case cases[] = {
        {"<html><body>Not here</body></html>\n", "the header has no column season"},
        {"season,game_type,week,away_team,away_score,home_team,home_score,location\n",
         "the header has no column spread_line"},
        {std::string(kHeader), "the records hold no game"},
        {std::string(kHeader) + "2025,REG,x,MIA,1,BUF,2,Home,3\n", "line 2: week \"x\""},
    };
    for (const auto& c : cases) {
        auto summary = checkPublicRecords(c.text, "2025");
        ASSERT_FALSE(summary.ok()) << c.text;
        EXPECT_NE(summary.failure().detail.find(c.failure), std::string::npos)
            << summary.failure().detail;
    }
}

TEST(PublicRecords, gameRecordsOfASeasonLeaveTheOthersOutOrNameTheirRow) {
    auto season = parseGameRecords(kTwoSeasons, "2025-26");
    ASSERT_TRUE(season.ok());
    ASSERT_EQ(season.value().size(), 2u);
    EXPECT_EQ(season.value()[0].line, 3);
    EXPECT_EQ(parseGameRecords(kTwoSeasons).value().size(), 3u);
    auto other = parseGameRecords(kTwoSeasons, "2023");
    ASSERT_FALSE(other.ok());
    EXPECT_EQ(other.failure().detail,
              "line 2: the records are of the 2024 season, not of the loaded season 2023");
}

} // namespace
} // namespace grd
