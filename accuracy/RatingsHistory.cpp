#include "accuracy/RatingsHistory.h"

#include <algorithm>
#include <numeric>

namespace grd {

int weeksPlayedAt(int32_t week, int regularWeeks) {
    return week >= kFirstPlayoffWeek ? regularWeeks + week - kFirstPlayoffWeek : week - 1;
}

namespace {

double ratingOf(const TeamStats& team, RatingKind kind) {
    switch (kind) {
    case RatingKind::Offense:
        return team.offense;
    case RatingKind::Defense:
        return team.defense;
    case RatingKind::Total:
        break;
    }
    return team.total;
}

} // namespace

std::vector<RatingPoint> ratingHistory(const std::vector<SeasonArchive>& archives, int32_t team,
                                       RatingKind kind, int regularWeeks) {
    std::vector<RatingPoint> points;
    for (const auto& archive : archives) {
        if (team >= 1 && static_cast<size_t>(team) < archive.teams.size()) {
            points.push_back({weeksPlayedAt(archive.week, regularWeeks),
                              ratingOf(archive.teams[static_cast<size_t>(team)], kind)});
        }
    }
    return points;
}

std::vector<int32_t> highestTotals(const std::vector<SeasonArchive>& archives, int count) {
    if (archives.empty() || archives.back().teams.size() < 2) {
        return {};
    }
    const auto& teams = archives.back().teams;
    std::vector<int32_t> order(teams.size() - 1);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&teams](int32_t a, int32_t b) {
        return teams[static_cast<size_t>(a)].total > teams[static_cast<size_t>(b)].total;
    });
    order.resize(std::min(order.size(), static_cast<size_t>(std::max(count, 0))));
    return order;
}

std::vector<DivisionTeams> divisionsOf(const LeagueStructure& league) {
    std::vector<DivisionTeams> divisions;
    const auto* alignment = league.active();
    if (alignment == nullptr) {
        return divisions;
    }
    for (size_t c = 0; c < alignment->conferences.size(); ++c) {
        for (size_t d = 0; d < alignment->conferences[c].size(); ++d) {
            int32_t index = c < alignment->divisionNameIndex.size() &&
                                    d < alignment->divisionNameIndex[c].size()
                                ? alignment->divisionNameIndex[c][d]
                                : 0;
            bool named = index >= 1 && index <= static_cast<int32_t>(league.divisionNames.size());
            divisions.push_back({named ? league.divisionNames[static_cast<size_t>(index - 1)]
                                       : "Division " + std::to_string(divisions.size() + 1),
                                 alignment->conferences[c][d]});
        }
    }
    return divisions;
}

} // namespace grd
