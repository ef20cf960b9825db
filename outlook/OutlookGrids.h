#pragma once

#include "outlook/OutlookSeason.h"
#include "outlook/SeasonOdds.h"
#include "outlook/Standings.h"
#include "views/GridContent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grd {

// What the outlook shows: the standings if the season ended today and, once the
// simulation has run, the chances.
struct OutlookFigures {
    Standings today;
    std::vector<TeamOdds> odds; // by team number; empty before the simulation
    int runs = 0;
    uint64_t seed = 1;
};

// One conference's teams, division by division in rank order: records, today's seed
// and the chances, with the chance of each seed when seedColumns is set.
GridContent conferenceGrid(const OutlookSeason& season, const OutlookFigures& figures,
                           int conference, bool seedColumns = true);

// The remaining games of the coming week with their forecasts and chances.
GridContent nextWeekGrid(const OutlookSeason& season);

// Every team, one CSV row each under the header line, conference by conference.
std::string outlookCsv(const OutlookSeason& season, const OutlookFigures& figures);

// The lines under the tables: how chances are worked out and how ties fell.
std::vector<std::string> outlookFootnotes(const OutlookFigures& figures);

// The printed report: a page per conference, its table rows with cells split by "|"
// and headed in bold, the coming week's games and the footnotes on the last page. The
// chance of each seed stays in the window: a page could not hold it readably.
std::vector<std::string> outlookReportLines(const OutlookSeason& season,
                                            const OutlookFigures& figures);

// "Week 10 of 2025-26"; "after the regular season" once it is played.
std::string outlookTitle(const OutlookSeason& season);

} // namespace grd
