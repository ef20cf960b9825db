#include "league/tRankings.h"

#include <numeric>

namespace grd {

void tRankings::resize(int32_t count) {
    teamCount = count;
    auto size = static_cast<size_t>(count) + 1;
    teams.assign(size, TeamStats{});
    rankOrder.resize(size);
    std::iota(rankOrder.begin(), rankOrder.end(), 0);
    divisionOrder = rankOrder;
    for (auto& order : categoryOrders) {
        order = rankOrder;
    }
}

} // namespace grd
