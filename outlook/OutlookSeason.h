#pragma once

#include "accuracy/SeasonArchives.h"
#include "files/Failure.h"
#include "league/LeagueStructure.h"
#include "league/tRankings.h"
#include "league/tSchedule70.h"
#include "outlook/LeagueShape.h"
#include "outlook/SeasonTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// A regular-season game still to be played, with its forecast.
struct RemainingGame {
    int32_t week = 0;
    int visitor = 0;
    int home = 0;
    double homeMargin = 0.0; // the forecast: negative when the visitor is favoured
    double homeChance = 0.5; // the chance the home team wins
};

// What the outlook works from: the season's results so far, the games left and the
// league they make standings in.
struct OutlookSeason {
    LeagueShape shape;
    SeasonTable played{0};
    std::vector<RemainingGame> remaining; // in schedule order
    int32_t currentWeek = kNoWeek;        // the week the main data file stands at
    int regularWeeks = 0;
    std::string seasonLabel;
    std::vector<std::string> names; // by team number: "Kansas City Chiefs"

    // The week of the first remaining game; kNoWeek when the regular season is over.
    int32_t nextWeek() const { return remaining.empty() ? kNoWeek : remaining.front().week; }
};

// The season from its parts: the regular-season scores of the archives, the main
// data's ratings and week, and the schedule's games from that week on. Fails when no
// week of scores is archived or when the archives miss games the main data counts.
Result<OutlookSeason> outlookSeasonOf(const std::vector<SeasonArchive>& archives,
                                      const tRankings& mainData, int32_t currentWeek,
                                      const LeagueStructure& league, const tSchedule70& schedule);

// The season of programDir's main data file and archives, with schedule; league's
// alignment becomes the archives'. Writes nothing.
Result<OutlookSeason> readOutlookSeason(const std::string& programDir, LeagueStructure& league,
                                        const tSchedule70& schedule);

} // namespace grd
