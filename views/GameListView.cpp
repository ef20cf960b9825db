#include "views/GameListView.h"

#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "views/DisplayKind.h"

namespace grd {
namespace {

void addSpreadRow(GridContent& grid, const std::string& first, const std::string& second,
                  double spread) {
    const int row = grid.addRow();
    const bool even = spread == 0;
    grid.set(row, 0, " " + first);
    grid.set(row, 1, even ? " vs" : " over");
    grid.set(row, 2, " " + second);
    grid.set(row, 3, even ? "" : " by");
    grid.set(row, 4, even ? " Even" : cformat("%5lld", roundHalfEven(spread)));
}

template <class T> const T& at(const std::vector<T>& list, int32_t position, const T& fallback) {
    return position >= 0 && position < static_cast<int32_t>(list.size())
               ? list[static_cast<size_t>(position)]
               : fallback;
}

} // namespace

GridContent spreadsGrid(const ProgramState& state, const LeagueStructure& league, bool cityNames) {
    GridContent grid(displayKind(kSpreadsWindow).titleList());
    for (int32_t k = 1; k <= state.forecastCount; ++k) {
        const int32_t first = at(state.forecastPairs, 2 * k - 1, kEmptyMark);
        const int32_t second = at(state.forecastPairs, 2 * k, kEmptyMark);
        addSpreadRow(grid, TeamName(league, first, cityNames), TeamName(league, second, cityNames),
                     at(state.spreads, k, kNoSpread));
    }
    return grid;
}

GridContent archiveSpreadsGrid(const tRankings& rankings, const LeagueStructure& league,
                               bool cityNames) {
    GridContent grid(displayKind(kArchiveSpreadsWindow).titleList());
    for (const ArchivedSpread& line : rankings.archivedSpreads) {
        addSpreadRow(grid, TeamName(league, line.favourite, cityNames),
                     TeamName(league, line.other, cityNames), line.spread);
    }
    return grid;
}

GridContent archiveScoresGrid(const tRankings& rankings, const LeagueStructure& league,
                              bool cityNames) {
    GridContent grid(displayKind(kArchiveScoresWindow).titleList());
    for (const ArchivedScore& line : rankings.archivedScores) {
        const int row = grid.addRow();
        grid.set(row, 0, " " + TeamName(league, line.teamA, cityNames));
        grid.set(row, 1, cformat("%3d", line.scoreA));
        grid.set(row, 2, " " + TeamName(league, line.teamB, cityNames));
        grid.set(row, 3, cformat("%3d", line.scoreB));
    }
    return grid;
}

} // namespace grd
