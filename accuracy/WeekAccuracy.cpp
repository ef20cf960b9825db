#include "accuracy/WeekAccuracy.h"

#include <algorithm>

namespace grd {

int WeekAccuracy::unplayedCount() const {
    return static_cast<int>(std::count_if(
        games.begin(), games.end(), [](const ForecastOutcome& game) { return !game.played; }));
}

WeekAccuracy pairWeek(int32_t week, const std::vector<ArchivedSpread>& forecasts,
                      const std::vector<ArchivedScore>& scores) {
    WeekAccuracy result;
    result.week = week;
    std::vector<bool> used(scores.size(), false);
    for (const auto& forecast : forecasts) {
        ForecastOutcome game{forecast.favourite, forecast.other, forecast.spread};
        for (size_t i = 0; i < scores.size() && !game.played; ++i) {
            const auto& score = scores[i];
            if (used[i]) {
                continue;
            }
            if (score.teamA == game.first && score.teamB == game.second) {
                game.firstScore = score.scoreA;
                game.secondScore = score.scoreB;
            } else if (score.teamA == game.second && score.teamB == game.first) {
                game.firstScore = score.scoreB;
                game.secondScore = score.scoreA;
            } else {
                continue;
            }
            game.played = true;
            used[i] = true;
        }
        result.tally.add(game);
        result.games.push_back(game);
    }
    return result;
}

} // namespace grd
