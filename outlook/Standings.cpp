#include "outlook/Standings.h"

#include "outlook/TieBreaker.h"

#include <algorithm>

namespace grd {

namespace {

// The teams of candidates with the best percentage.
std::vector<int> leaders(const SeasonTable& table, const std::vector<int>& candidates) {
    return bestOf(candidates, [&](int team) { return table.record(team).percentage(); });
}

void erase(std::vector<int>& teams, int team) {
    teams.erase(std::find(teams.begin(), teams.end(), team));
}

class Ranker {
public:
    Ranker(const SeasonTable& table, const LeagueShape& shape, uint64_t coinSeed)
        : table_(table), shape_(shape), breaker_(table, shape, coinSeed) {}

    std::vector<int> rankDivision(std::vector<int> teams) {
        std::vector<int> order;
        while (!teams.empty()) {
            auto tied = leaders(table_, teams);
            int next =
                tied.size() == 1 ? tied.front() : breaker_.first(tied, TieProcedure::Division);
            order.push_back(next);
            erase(teams, next);
        }
        return order;
    }

    // Up to count teams of candidates in order; of tied teams of one division only the
    // best placed in it takes part, so the division's own order holds.
    std::vector<int> rankAcross(std::vector<int> candidates, size_t count,
                                const std::vector<int>& divisionRank) {
        std::vector<int> order;
        while (!candidates.empty() && order.size() < count) {
            auto tied = leaders(table_, candidates);
            std::vector<int> best;
            for (int team : tied) {
                auto rival = std::find_if(best.begin(), best.end(), [&](int other) {
                    return shape_.divisionOf[static_cast<size_t>(other)] ==
                           shape_.divisionOf[static_cast<size_t>(team)];
                });
                if (rival == best.end()) {
                    best.push_back(team);
                } else if (divisionRank[static_cast<size_t>(team)] <
                           divisionRank[static_cast<size_t>(*rival)]) {
                    *rival = team;
                }
            }
            int next =
                best.size() == 1 ? best.front() : breaker_.first(best, TieProcedure::WildCard);
            order.push_back(next);
            erase(candidates, next);
        }
        return order;
    }

    bool coinTossed() const { return breaker_.coinTossed(); }

private:
    const SeasonTable& table_;
    const LeagueShape& shape_;
    TieBreaker breaker_;
};

} // namespace

Standings standingsOf(const SeasonTable& table, const LeagueShape& shape, uint64_t coinSeed) {
    Standings standings;
    auto teams = static_cast<size_t>(shape.teamCount) + 1;
    standings.divisionRank.assign(teams, 0);
    standings.seed.assign(teams, 0);
    Ranker ranker(table, shape, coinSeed);
    for (const auto& division : shape.divisionTeams) {
        standings.divisionOrder.push_back(ranker.rankDivision(division));
        int rank = 0;
        for (int team : standings.divisionOrder.back()) {
            standings.divisionRank[static_cast<size_t>(team)] = ++rank;
        }
    }
    for (const auto& divisions : shape.conferenceDivisions) {
        std::vector<int> winners;
        std::vector<int> others;
        for (int ordinal : divisions) {
            const auto& order = standings.divisionOrder[static_cast<size_t>(ordinal)];
            winners.push_back(order.front());
            others.insert(others.end(), order.begin() + 1, order.end());
        }
        auto field = static_cast<size_t>(shape.fieldSize);
        auto seeds = ranker.rankAcross(winners, winners.size(), standings.divisionRank);
        auto wildCards = ranker.rankAcross(others, field - std::min(field, seeds.size()),
                                           standings.divisionRank);
        seeds.insert(seeds.end(), wildCards.begin(), wildCards.end());
        int seed = 0;
        for (int team : seeds) {
            standings.seed[static_cast<size_t>(team)] = ++seed;
        }
        standings.seeds.push_back(std::move(seeds));
    }
    standings.coinTossed = ranker.coinTossed();
    return standings;
}

} // namespace grd
