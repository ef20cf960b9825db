// Any text as a main data or archive file must read or fail with its error number,
// within bounds; what was read is written and read back to the same text.
#include "league/RankingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

grd::LeagueStructure fuzzLeague() {
    grd::LeagueStructure league;
    league.alignments.resize(3);
    const int32_t teams[] = {4, 28, 32};
    for (size_t i = 0; i < 3; ++i) {
        league.alignments[i].teamCount = teams[i];
        league.alignments[i].firstSeason = 1984 + static_cast<int32_t>(i) * 20;
        league.alignments[i].lastSeason = 2003 + static_cast<int32_t>(i) * 20;
    }
    return league;
}

void checkReadBack(grd::tRankings& rankings, grd::ProgramState& state,
                   grd::LeagueStructure& league) {
    league.seasonLabel = rankings.seasonText;
    std::string written =
        grd::FormatRankings(grd::kMainDataKind, rankings, state, league, rankings.teamCount);
    grd::tRankings again;
    grd::ProgramState againState;
    if (!grd::ParseRankings(written, "MAIN-DTA.GRD", grd::kMainDataKind, again, againState, league)
             .ok() ||
        grd::FormatRankings(grd::kMainDataKind, again, againState, league, again.teamCount) !=
            written) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int32_t kind : {grd::kMainDataKind, grd::kArchiveKind}) {
        grd::LeagueStructure league = fuzzLeague();
        grd::tRankings rankings;
        grd::ProgramState state;
        grd::Status read = grd::ParseRankings(text, "WEEK-05.99", kind, rankings, state, league);
        if (!read) {
            int number = read.failure().number;
            if (number != -18 && number != -11 && number != -7 && number != -8 && number != -17) {
                std::abort();
            }
            continue;
        }
        if (kind == grd::kMainDataKind) {
            checkReadBack(rankings, state, league);
        }
    }
    return 0;
}
