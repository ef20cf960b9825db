#include "outlook/SeasonTable.h"

#include <bit>

namespace grd {

Record& Record::operator+=(const Record& other) {
    games += other.games;
    halfWins += other.halfWins;
    ties += other.ties;
    return *this;
}

SeasonTable::SeasonTable(int teamCount)
    : teamCount_(teamCount), pairs_(index(teamCount + 1) * index(teamCount + 1)),
      totals_(index(teamCount + 1)) {}

void SeasonTable::add(int teamA, int scoreA, int teamB, int scoreB) {
    if (teamA < 1 || teamA > teamCount_ || teamB < 1 || teamB > teamCount_ || teamA == teamB) {
        return;
    }
    count(teamA, scoreA, teamB, scoreB);
    count(teamB, scoreB, teamA, scoreA);
}

void SeasonTable::count(int team, int score, int opponent, int opponentScore) {
    int half = score > opponentScore ? 2 : score == opponentScore ? 1 : 0;
    auto& met = pair(team, opponent);
    Record game{1, half, half == 1 ? 1 : 0};
    met.record += game;
    met.wins += half == 2 ? 1 : 0;
    met.net += score - opponentScore;
    auto& total = totals_[index(team)];
    total.record += game;
    total.pointsFor += score;
    total.pointsAgainst += opponentScore;
    total.opponents |= uint64_t{1} << opponent;
}

Record SeasonTable::recordAgainst(int team, uint64_t mask) const {
    Record record;
    for (; mask != 0; mask &= mask - 1) {
        record += pair(team, std::countr_zero(mask)).record;
    }
    return record;
}

int SeasonTable::netPointsAgainst(int team, uint64_t mask) const {
    int net = 0;
    for (; mask != 0; mask &= mask - 1) {
        net += pair(team, std::countr_zero(mask)).net;
    }
    return net;
}

} // namespace grd
