#include "league/LeagueStructure.h"

namespace grd {

const LeagueAlignment* LeagueStructure::active() const {
    if (activeAlignment < 0 || activeAlignment >= static_cast<int32_t>(alignments.size())) {
        return nullptr;
    }
    return &alignments[static_cast<size_t>(activeAlignment)];
}

} // namespace grd
