#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace grd {

// A won-lost-tied record counted in half wins: 2 for a win, 1 for a tie.
struct Record {
    int games = 0;
    int halfWins = 0;
    int ties = 0;

    int wins() const { return (halfWins - ties) / 2; }
    int losses() const { return games - wins() - ties; }

    // The winning percentage with a tie as half a win; 0 without games.
    double percentage() const { return games == 0 ? 0.0 : halfWins / (2.0 * games); }
    Record& operator+=(const Record& other);
};

// The results of a season between every pair of teams, the ground of every standings
// step: records, points and who beat whom. Team numbers run 1..teamCount.
class SeasonTable {
public:
    explicit SeasonTable(int teamCount);

    // Counts a game; teams outside 1..teamCount are ignored.
    void add(int teamA, int scoreA, int teamB, int scoreB);

    int teamCount() const { return teamCount_; }
    Record record(int team) const { return totals_[index(team)].record; }
    Record recordAgainst(int team, int opponent) const { return pair(team, opponent).record; }
    int winsAgainst(int team, int opponent) const { return pair(team, opponent).wins; }
    int netPointsAgainst(int team, int opponent) const { return pair(team, opponent).net; }
    int pointsFor(int team) const { return totals_[index(team)].pointsFor; }
    int pointsAgainst(int team) const { return totals_[index(team)].pointsAgainst; }
    // Bit t set: team met t at least once.
    uint64_t opponents(int team) const { return totals_[index(team)].opponents; }

    // The record and net points of team against the teams of a mask.
    Record recordAgainst(int team, uint64_t mask) const;
    int netPointsAgainst(int team, uint64_t mask) const;

private:
    struct Pair {
        Record record;
        int wins = 0;
        int net = 0;
    };
    struct Total {
        Record record;
        int pointsFor = 0;
        int pointsAgainst = 0;
        uint64_t opponents = 0;
    };

    static std::size_t index(int team) { return static_cast<size_t>(team); }
    const Pair& pair(int team, int opponent) const {
        return pairs_[index(team) * index(teamCount_ + 1) + index(opponent)];
    }
    Pair& pair(int team, int opponent) {
        return pairs_[index(team) * index(teamCount_ + 1) + index(opponent)];
    }
    void count(int team, int score, int opponent, int opponentScore);

    int teamCount_;
    std::vector<Pair> pairs_;
    std::vector<Total> totals_;
};

// The mask of the given team numbers.
template <class Teams> uint64_t teamMask(const Teams& teams) {
    uint64_t mask = 0;
    for (int team : teams) {
        mask |= uint64_t{1} << team;
    }
    return mask;
}

} // namespace grd
