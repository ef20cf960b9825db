#include "views/CategoryRankingsView.h"

#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/RankingSort.h"
#include "views/DisplayKind.h"

#include <array>

namespace grd {
namespace {

std::string valueText(int column, const TeamStats& team, const std::string& name) {
    const char* n = name.c_str();
    switch (column) {
    case 1:
        return cformat("%6.1f  %s ", team.total, n);
    case 2:
        return cformat("%4.0f  %s ", team.offense, n);
    case 3:
        return cformat("%4.0f  %s ", team.defense, n);
    case 4:
        return cformat("%4d  %s ", team.pointsFor, n);
    case 5:
        return cformat("%4d  %s ", team.pointsAgainst, n);
    case 6:
        return cformat("%5.1f  %s ", team.avgPointsFor, n);
    case 7:
        return cformat("%5.1f  %s ", team.avgPointsAgainst, n);
    default:
        return cformat("%6.3f  %s ", team.winPct, n);
    }
}

CellMark pickMark(const TeamPicks& picks, int32_t team) {
    if (team == picks.first()) {
        return CellMark::FirstTeam;
    }
    return team == picks.second() ? CellMark::SecondTeam : CellMark::None;
}

} // namespace

int categoryKey(int column) {
    static constexpr std::array<int, 9> kKeys = {0, 1, 2, 3, 4, 5, 7, 8, 6};
    return column >= 1 && column <= 8 ? kKeys[static_cast<size_t>(column)] : 0;
}

std::string cutName(const std::string& name, int length) {
    size_t end = 0;
    for (int count = 0; end < name.size() && count < length; ++count) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
            ++end;
        }
    }
    return name.substr(0, end);
}

int32_t categoryTeamAt(const tRankings& rankings, int column, int row) {
    const int key = categoryKey(column);
    if (key == 0 || row < 0 || row >= rankings.teamCount) {
        return 0;
    }
    const auto& order = rankings.categoryOrders[static_cast<size_t>(key)];
    const auto position = static_cast<size_t>(row) + 1;
    return position < order.size() ? order[position] : 0;
}

GridContent categoryRankingsGrid(tRankings& rankings, const LeagueStructure& league,
                                 const CategoryLook& look) {
    GridContent grid(displayKind(kCategoryRankWindow).titleList());
    if (rankings.teamCount <= 0) {
        return grid;
    }
    BuildCategoryOrders(rankings);
    for (int i = 1; i <= rankings.teamCount; ++i) {
        const int row = grid.addRow();
        grid.set(row, 0, cformat(" %2d", i));
        const bool highlighted = look.rowHighlight && i % 5 == 0;
        for (int column = 1; column <= 8; ++column) {
            const int32_t t = categoryTeamAt(rankings, column, row);
            if (!rankings.isTeam(t)) {
                continue;
            }
            const std::string name =
                cutName(TeamName(league, t, look.cityNames), look.nameLength) + " ";
            grid.set(row, column, valueText(column, rankings.teams[static_cast<size_t>(t)], name));
            const CellMark mark = pickMark(look.picks, t);
            grid.mark(row, column,
                      mark != CellMark::None ? mark
                      : highlighted          ? CellMark::Highlight
                                             : CellMark::None);
        }
        if (highlighted) {
            grid.mark(row, 0, CellMark::Highlight);
        }
    }
    return grid;
}

std::string picksLabel(const LeagueStructure& league, const TeamPicks& picks, bool cityNames) {
    return TeamName(league, picks.first(), cityNames) + " at " +
           TeamName(league, picks.second(), cityNames);
}

} // namespace grd
