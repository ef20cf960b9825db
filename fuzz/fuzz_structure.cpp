// Any text as the league structure file must load or fail with -29/-30, within bounds;
// a loaded model must answer every lookup inside its own lists.
#include "league/LeagueLookups.h"
#include "league/StructureLoader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    grd::LeagueStructure league;
    auto failures = grd::parseLeagueStructure(text, "fuzz", league);
    if (!failures.empty()) {
        if (failures.back().number != -30) {
            std::abort();
        }
        return 0;
    }
    for (size_t a = 0; a < league.alignments.size(); ++a) {
        league.activeAlignment = static_cast<int32_t>(a);
        const auto& alignment = league.alignments[a];
        for (int32_t team = 1; team <= alignment.teamCount; ++team) {
            int32_t ordinal = -1;
            int32_t position = -1;
            if (!grd::FindTeam(league, team, ordinal, position) ||
                grd::TeamAt(league, ordinal, position) != team) {
                std::abort();
            }
        }
        for (const auto& conference : alignment.divisionNameIndex) {
            for (int32_t index : conference) {
                if (index < 1 || static_cast<size_t>(index) > league.divisionNames.size()) {
                    std::abort();
                }
            }
        }
    }
    // The text written for a model reads back as the same model.
    std::string written = grd::leagueStructureText(league);
    grd::LeagueStructure again;
    if (!grd::parseLeagueStructure(written, "fuzz", again).empty() ||
        grd::leagueStructureText(again) != written) {
        std::abort();
    }
    return 0;
}
