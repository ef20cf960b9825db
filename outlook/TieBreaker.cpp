#include "outlook/TieBreaker.h"

#include "outlook/SplitMix.h"

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>
#include <span>

namespace grd {

namespace {

// The common games need at least this many games for every team between divisions.
constexpr int kFewestCommonGames = 4;

// The opponents every team of group met.
uint64_t commonOpponents(const SeasonTable& table, const std::vector<int>& group) {
    uint64_t common = ~uint64_t{0};
    for (int team : group) {
        common &= table.opponents(team);
    }
    return common;
}

} // namespace

TieBreaker::TieBreaker(const SeasonTable& table, const LeagueShape& shape, uint64_t coinSeed)
    : table_(table), shape_(shape), coinSeed_(coinSeed) {}

int TieBreaker::first(std::vector<int> group, TieProcedure procedure) {
    using enum Step;
    static constexpr std::array kDivision{
        HeadToHead,        Division,      Common,    Conference, Victory, Schedule,
        ConferenceRanking, LeagueRanking, CommonNet, AllNet,     CoinToss};
    static constexpr std::array kWildCard{
        HeadToHead,        Conference,    CommonAtLeastFour, Victory, Schedule,
        ConferenceRanking, LeagueRanking, ConferenceNet,     AllNet,  CoinToss};
    std::span<const Step> steps = procedure == TieProcedure::Division
                                      ? std::span<const Step>(kDivision)
                                      : std::span<const Step>(kWildCard);
    while (group.size() > 1) {
        for (Step step : steps) {
            auto kept = apply(step, group, procedure);
            if (kept.size() < group.size()) {
                group = std::move(kept);
                break;
            }
        }
    }
    return group.front();
}

std::vector<int> TieBreaker::apply(Step step, const std::vector<int>& group,
                                   TieProcedure procedure) {
    if (step == Step::HeadToHead) {
        return headToHead(group, procedure);
    }
    uint64_t common =
        step == Step::Common || step == Step::CommonAtLeastFour || step == Step::CommonNet
            ? commonOpponents(table_, group)
            : 0;
    if (step == Step::CommonAtLeastFour && std::any_of(group.begin(), group.end(), [&](int team) {
            return table_.recordAgainst(team, common).games < kFewestCommonGames;
        })) {
        return group;
    }
    if (step == Step::CoinToss) {
        coinTossed_ = true;
        return {*std::max_element(group.begin(), group.end(),
                                  [&](int a, int b) { return coin(a) < coin(b); })};
    }
    return bestOf(group, [&](int team) { return value(step, team, common); });
}

std::vector<int> TieBreaker::headToHead(const std::vector<int>& group,
                                        TieProcedure procedure) const {
    uint64_t mask = teamMask(group);
    if (procedure == TieProcedure::Division || group.size() == 2) {
        // Teams that never met have no head-to-head to compare.
        auto met = [&](int team) {
            return table_.recordAgainst(team, mask & ~(uint64_t{1} << team));
        };
        if (std::any_of(group.begin(), group.end(),
                        [&](int team) { return met(team).games == 0; })) {
            return group;
        }
        return bestOf(group, [&](int team) { return met(team).percentage(); });
    }
    // Between divisions, three or more: only a sweep counts, either way.
    auto sweptBy = [&](int team, bool won) {
        return std::all_of(group.begin(), group.end(), [&](int other) {
            if (other == team) {
                return true;
            }
            int games = table_.recordAgainst(team, other).games;
            int wins = won ? table_.winsAgainst(team, other) : table_.winsAgainst(other, team);
            return games > 0 && wins == games;
        });
    };
    for (int team : group) {
        if (sweptBy(team, true)) {
            return {team};
        }
    }
    for (int team : group) {
        if (sweptBy(team, false)) {
            std::vector<int> kept;
            std::copy_if(group.begin(), group.end(), std::back_inserter(kept),
                         [team](int other) { return other != team; });
            return kept;
        }
    }
    return group;
}

double TieBreaker::value(Step step, int team, uint64_t common) {
    auto self = ~(uint64_t{1} << team);
    auto index = static_cast<size_t>(team);
    switch (step) {
    case Step::Division:
        return table_
            .recordAgainst(
                team, shape_.divisionMasks[static_cast<size_t>(shape_.divisionOf[index])] & self)
            .percentage();
    case Step::Common:
    case Step::CommonAtLeastFour:
        return table_.recordAgainst(team, common).percentage();
    case Step::Conference:
        return table_
            .recordAgainst(team,
                           shape_.conferenceMasks[static_cast<size_t>(shape_.conferenceOf[index])] &
                               self)
            .percentage();
    case Step::Victory:
        return strength(team, true);
    case Step::Schedule:
        return strength(team, false);
    case Step::ConferenceRanking:
        return -rankingSum(team, true);
    case Step::LeagueRanking:
        return -rankingSum(team, false);
    case Step::CommonNet:
        return table_.netPointsAgainst(team, common);
    case Step::ConferenceNet:
        return table_.netPointsAgainst(
            team, shape_.conferenceMasks[static_cast<size_t>(shape_.conferenceOf[index])]);
    case Step::AllNet:
        return table_.pointsFor(team) - table_.pointsAgainst(team);
    case Step::HeadToHead:
    case Step::CoinToss:
        break;
    }
    return 0.0;
}

// The combined percentage of the teams beaten (victories) or met, a team counted once
// for each meeting.
double TieBreaker::strength(int team, bool victories) const {
    Record combined;
    for (uint64_t mask = table_.opponents(team); mask != 0; mask &= mask - 1) {
        int opponent = std::countr_zero(mask);
        int times = victories ? table_.winsAgainst(team, opponent)
                              : table_.recordAgainst(team, opponent).games;
        auto record = table_.record(opponent);
        combined += Record{times * record.games, times * record.halfWins, 0};
    }
    return combined.percentage();
}

// The team's rank in points scored (most first) plus its rank in points allowed
// (fewest first), among the teams of its conference or of the league; equal points
// share the better rank.
int TieBreaker::rankingSum(int team, bool conference) {
    auto& sums = conference ? conferenceRankings_ : leagueRankings_;
    if (sums.empty()) {
        sums.assign(static_cast<size_t>(shape_.teamCount) + 1, 0);
        for (int t = 1; t <= shape_.teamCount; ++t) {
            int sum = 2;
            for (int other = 1; other <= shape_.teamCount; ++other) {
                if (conference && shape_.conferenceOf[static_cast<size_t>(other)] !=
                                      shape_.conferenceOf[static_cast<size_t>(t)]) {
                    continue;
                }
                sum += table_.pointsFor(other) > table_.pointsFor(t) ? 1 : 0;
                sum += table_.pointsAgainst(other) < table_.pointsAgainst(t) ? 1 : 0;
            }
            sums[static_cast<size_t>(t)] = sum;
        }
    }
    return sums[static_cast<size_t>(team)];
}

uint64_t TieBreaker::coin(int team) const {
    return splitMix(coinSeed_ ^ splitMix(static_cast<uint64_t>(team)));
}

} // namespace grd
