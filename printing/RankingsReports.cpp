#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/RankingSort.h"
#include "printing/ReportBuilders.h"
#include "printing/WeekHeading.h"
#include "views/CategoryRankingsView.h"
#include "views/DivisionGroups.h"
#include "views/LeagueAverages.h"

namespace grd {
namespace {

// The statistics in the order of the report columns, as sort keys: Total, Off, Def,
// Pts+, Pts-, Avg+, Avg-, %.
constexpr int kColumnKeys[] = {kSortTotal,         kSortOffense, kSortDefense,    kSortPointsFor,
                               kSortPointsAgainst, kSortAvgFor,  kSortAvgAgainst, kSortPercentage};

std::string valueText(int sortKey, const TeamStats& team) {
    switch (sortKey) {
    case kSortTotal:
        return cformat("%5.1f", team.total);
    case kSortOffense:
        return cformat("%3.0f", team.offense);
    case kSortDefense:
        return cformat("%3.0f", team.defense);
    case kSortPointsFor:
        return cformat("%3d", team.pointsFor);
    case kSortPointsAgainst:
        return cformat("%3d", team.pointsAgainst);
    case kSortAvgFor:
        return cformat("%4.1f", team.avgPointsFor);
    case kSortAvgAgainst:
        return cformat("%4.1f", team.avgPointsAgainst);
    default:
        return cformat("%5.3f", team.winPct);
    }
}

std::string teamName(const ReportSources& sources, int32_t team) {
    return TeamName(sources.league, team, sources.prefs.cityNames);
}

std::string teamRow(const ReportSources& sources, int rank, int32_t t) {
    const TeamStats& team = sources.rankings.teams[static_cast<size_t>(t)];
    std::string row = cformat("%3d", rank) + "|" + teamName(sources, t) + "|";
    for (int key : kColumnKeys) {
        row += valueText(key, team) + " |";
    }
    return row + cformat("%2d|%2d|%2d", team.wins, team.losses, team.ties);
}

std::string averagesRow(const tRankings& rankings) {
    const LeagueAverages averages = leagueAverages(rankings);
    const std::string points = cformat("%3.0f", averages.pointsFor);
    const std::string perGame = cformat("%4.1f", averages.avgPointsFor);
    return "|Averages|" + cformat("%5.1f", averages.total) + " |" +
           cformat("%3.0f", averages.offense) + " |" + cformat("%3.0f", averages.defense) + " |" +
           points + " |" + points + " |" + perGame + " |" + perGame + " |" +
           (averages.winPct ? cformat("%5.3f", *averages.winPct) : "0.000") + " ";
}

} // namespace

void buildTeamRankingsText(ReportLines& lines, const ReportSources& sources) {
    tRankings& rankings = sources.rankings;
    lines.push_back(weekHeadingLine(rankings, sources.state, sources.league, false));
    SortRankings(rankings, sources.state.sortKey);
    for (int i = 1; i <= rankings.teamCount; ++i) {
        lines.push_back(teamRow(sources, i, rankings.rankOrder[static_cast<size_t>(i)]));
    }
    lines.push_back(averagesRow(rankings));
    lines.push_back(rankings.weekAvgPoints != 0 ? "Average points per game this week: " +
                                                      cformat("%4.1f", rankings.weekAvgPoints)
                                                : "");
}

void buildDivisionRankingsText(ReportLines& lines, const ReportSources& sources) {
    tRankings& rankings = sources.rankings;
    lines.push_back(weekHeadingLine(rankings, sources.state, sources.league, false));
    for (const DivisionGroup& division :
         rankDivisions(rankings, sources.league, sources.state.sortKey)) {
        lines.push_back(std::string(kBoldMark) + "|" + division.name);
        for (int32_t t : division.teams) {
            lines.push_back(
                teamRow(sources, rankings.teams[static_cast<size_t>(t)].displayRank, t));
        }
    }
}

void buildCategoryRankingsText(ReportLines& lines, const ReportSources& sources) {
    tRankings& rankings = sources.rankings;
    lines.push_back(weekHeadingLine(rankings, sources.state, sources.league, false));
    BuildCategoryOrders(rankings);
    for (int i = 1; i <= rankings.teamCount; ++i) {
        std::string row = cformat("%3d", i);
        for (int column = 1; column <= kSortKeyCount; ++column) {
            const int32_t t = categoryTeamAt(rankings, column, i - 1);
            row += "|" + valueText(categoryKey(column), rankings.teams[static_cast<size_t>(t)]) +
                   " |" + teamName(sources, t);
        }
        lines.push_back(row);
    }
}

} // namespace grd
