#include "league/SpreadForecast.h"

#include "league/Format.h"

#include <utility>

namespace grd {

double ShapeSpread(double x) {
    // Each test sees what the steps before it left: the cuts are cumulative.
    if (x >= 1) {
        x -= 0.295;
    }
    if (x >= 2) {
        x -= 0.2;
    }
    if (x >= 3) {
        x -= 0.45;
    }
    if (x >= 4) {
        x -= 0.75;
    }
    if (x >= 5) {
        x -= 0.85;
    }
    if (x >= 6) {
        x -= 0.3;
    }
    if (x >= 0.5 && x <= 2.4) {
        x += 0.25;
    } else if (x > 5 && x <= 8) {
        x += 0.1;
    }
    return x;
}

Spread forecastSpread(double visitorTotal, double homeTotal, bool neutral) {
    double visitor = visitorTotal * kLeagueScale / 100;
    double home = homeTotal * kLeagueScale / 100;
    if (!neutral) {
        home += kHomeAdvantage;
    }
    double difference = home > visitor ? home - visitor : visitor - home;
    return {static_cast<double>(roundHalfEven(ShapeSpread(difference))), home > visitor};
}

void ForecastGame(const tRankings& rankings, ProgramState& state, bool neutral) {
    auto k = static_cast<size_t>(state.forecastCount);
    if (k < 1 || 2 * k >= state.forecastPairs.size() || k >= state.spreads.size()) {
        return;
    }
    int32_t& first = state.forecastPairs[2 * k - 1];
    int32_t& second = state.forecastPairs[2 * k];
    if (!rankings.isTeam(first) || !rankings.isTeam(second) ||
        rankings.teams.size() != static_cast<size_t>(rankings.teamCount) + 1) {
        return;
    }
    auto spread = forecastSpread(rankings.teams[static_cast<size_t>(first)].total,
                                 rankings.teams[static_cast<size_t>(second)].total, neutral);
    if (spread.homeFavoured) {
        std::swap(first, second);
    }
    state.spreads[k] = spread.points;
    state.spreadsForecast = true;
}

void ForecastScheduledGames(const tRankings& rankings, ProgramState& state) {
    state.forecastCount = 0;
    while (state.forecastCount < state.forecastGameCount) {
        ++state.forecastCount;
        ForecastGame(rankings, state, false);
    }
    state.archiveSaved = false;
}

} // namespace grd
