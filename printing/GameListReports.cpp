#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "printing/ReportBuilders.h"
#include "printing/WeekHeading.h"

namespace grd {
namespace {

// One game of a spreads report: the team forecast to win by the spread first.
struct SpreadLine {
    int32_t first = 0;
    int32_t second = 0;
    double spread = 0.0;
};

// The forecast list of this run, up to the first game without a spread.
std::vector<SpreadLine> currentSpreads(const ProgramState& state) {
    std::vector<SpreadLine> games;
    for (size_t g = 1; g < state.spreads.size() && state.spreads[g] != kNoSpread; ++g) {
        const size_t firstAt = 2 * g - 1;
        games.push_back(
            {firstAt < state.forecastPairs.size() ? state.forecastPairs[firstAt] : 0,
             firstAt + 1 < state.forecastPairs.size() ? state.forecastPairs[firstAt + 1] : 0,
             state.spreads[g]});
    }
    return games;
}

std::vector<SpreadLine> archivedSpreads(const tRankings& rankings) {
    std::vector<SpreadLine> games;
    for (const ArchivedSpread& line : rankings.archivedSpreads) {
        games.push_back({line.favourite, line.other, line.spread});
    }
    return games;
}

std::string teamName(const ReportSources& sources, int32_t team) {
    return TeamName(sources.league, team, sources.prefs.cityNames);
}

std::string heading(const ReportSources& sources) {
    return weekHeadingLine(sources.rankings, sources.state, sources.league, true);
}

void addPlainRows(ReportLines& lines, const ReportSources& sources,
                  const std::vector<SpreadLine>& games) {
    for (const SpreadLine& game : games) {
        lines.push_back("|" + teamName(sources, game.first) + "|" + teamName(sources, game.second) +
                        "|" + (game.spread == 0 ? "EVEN" : cformat("%4.1f", game.spread)));
    }
}

// The pick sheet rows, then the number of games with a spread.
void addGridRows(ReportLines& lines, const ReportSources& sources,
                 const std::vector<SpreadLine>& games) {
    int counted = 0;
    for (const SpreadLine& game : games) {
        std::string row = "  []|" + teamName(sources, game.first) + "|_____|  []|" +
                          teamName(sources, game.second) + "|_____|";
        if (game.spread == 0) {
            row += "EVEN |----|----";
        } else {
            row += cformat("%4.1f", game.spread) + " ";
            ++counted;
        }
        lines.push_back(row);
    }
    lines.push_back(cformat("%2d", counted));
}

} // namespace

void buildSpreadsPlainText(ReportLines& lines, const ReportSources& sources) {
    lines.push_back(heading(sources));
    addPlainRows(lines, sources, currentSpreads(sources.state));
}

void buildSpreadsGridText(ReportLines& lines, const ReportSources& sources) {
    lines.push_back(heading(sources));
    addGridRows(lines, sources, currentSpreads(sources.state));
}

void buildArchiveSpreadsPlainText(ReportLines& lines, const ReportSources& sources) {
    lines.push_back(heading(sources));
    addPlainRows(lines, sources, archivedSpreads(sources.rankings));
    lines.push_back("-");
}

void buildArchiveSpreadsGridText(ReportLines& lines, const ReportSources& sources) {
    lines.push_back(heading(sources));
    addGridRows(lines, sources, archivedSpreads(sources.rankings));
}

void buildArchiveScoresText(ReportLines& lines, const ReportSources& sources) {
    const tRankings& rankings = sources.rankings;
    lines.push_back(weekHeadingLine(rankings, sources.state, sources.league, false));
    for (const ArchivedScore& score : rankings.archivedScores) {
        lines.push_back("|" + teamName(sources, score.teamA) + "|" + std::to_string(score.scoreA) +
                        "||" + teamName(sources, score.teamB) + "|" + std::to_string(score.scoreB));
    }
    lines.push_back("-");
    lines.push_back("|Average points per game per team = " +
                    cformat("%3.1f", rankings.fileAvgPoints));
}

} // namespace grd
