#pragma once

#include "outlook/LeagueShape.h"
#include "outlook/SeasonTable.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace grd {

// The teams of group with the highest value(team), in group's order.
template <class Value> std::vector<int> bestOf(const std::vector<int>& group, Value value) {
    std::vector<double> values;
    values.reserve(group.size());
    double best = 0.0;
    for (int team : group) {
        values.push_back(value(team));
        best = values.size() == 1 ? values.back() : std::max(best, values.back());
    }
    std::vector<int> kept;
    for (size_t i = 0; i < group.size(); ++i) {
        if (values[i] == best) {
            kept.push_back(group[i]);
        }
    }
    return kept;
}

// Which of the league's two tie-breaking procedures applies: between teams of one
// division, or between teams of different divisions (wild cards and seeds).
enum class TieProcedure { Division, WildCard };

// Breaks ties between teams of equal percentage by the league's steps, from head to
// head down to a coin toss. The coin is a hash of the seed and the team: the same seed
// tosses the same way every time.
class TieBreaker {
public:
    TieBreaker(const SeasonTable& table, const LeagueShape& shape, uint64_t coinSeed);

    // The team of group that comes first. Whenever a step leaves part of the group, the
    // steps start again from the first with the teams left.
    int first(std::vector<int> group, TieProcedure procedure);

    // Whether a coin toss decided a tie.
    bool coinTossed() const { return coinTossed_; }

private:
    enum class Step {
        HeadToHead,
        Division,
        Common,
        CommonAtLeastFour,
        Conference,
        Victory,
        Schedule,
        ConferenceRanking,
        LeagueRanking,
        CommonNet,
        ConferenceNet,
        AllNet,
        CoinToss
    };

    std::vector<int> apply(Step step, const std::vector<int>& group, TieProcedure procedure);
    std::vector<int> headToHead(const std::vector<int>& group, TieProcedure procedure) const;
    double value(Step step, int team, uint64_t common);
    double strength(int team, bool victories) const;
    int rankingSum(int team, bool conference);
    uint64_t coin(int team) const;

    const SeasonTable& table_;
    const LeagueShape& shape_;
    uint64_t coinSeed_;
    bool coinTossed_ = false;
    std::vector<int> conferenceRankings_; // by team; empty until a step needs them
    std::vector<int> leagueRankings_;
};

} // namespace grd
