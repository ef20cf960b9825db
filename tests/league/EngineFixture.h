#pragma once

#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"

#include <cstdint>
#include <initializer_list>

namespace grd::test {

// Rankings of count teams, every one rated 100 with no games played.
inline tRankings averageTeams(int32_t count) {
    tRankings rankings;
    rankings.resize(count);
    for (int32_t team = 1; team <= count; ++team) {
        auto& stats = rankings.teams[static_cast<size_t>(team)];
        stats.total = stats.offense = stats.defense = 100.0;
    }
    return rankings;
}

struct Game {
    int32_t teamA;
    int32_t scoreA;
    int32_t teamB;
    int32_t scoreB;
};

// A week's score lists for a league of teamCount teams.
inline ProgramState weekOf(int32_t teamCount, std::initializer_list<Game> games) {
    ProgramState state;
    state.prepareWeekLists(teamCount);
    size_t k = 0;
    for (const Game& game : games) {
        ++k;
        state.scoreTeams[2 * k - 1] = game.teamA;
        state.scores[2 * k - 1] = game.scoreA;
        state.scoreTeams[2 * k] = game.teamB;
        state.scores[2 * k] = game.scoreB;
    }
    state.scoreGameCount = static_cast<int32_t>(k);
    return state;
}

// A league whose first alignment holds teamCount teams for the seasons 2002 to 2030
// and whose second one holds 4 teams for 1990 to 2001, in season 2008-09.
inline LeagueStructure leagueOf(int32_t teamCount) {
    LeagueStructure league;
    league.alignments.resize(2);
    league.alignments[0].teamCount = teamCount;
    league.alignments[0].firstSeason = 2002;
    league.alignments[0].lastSeason = 2030;
    league.alignments[1].teamCount = 4;
    league.alignments[1].firstSeason = 1990;
    league.alignments[1].lastSeason = 2001;
    league.activeAlignment = 0;
    league.weekGameCounts = {17};
    league.seasonLabel = "2008-09";
    league.seasonSuffix = ".08";
    return league;
}

} // namespace grd::test
