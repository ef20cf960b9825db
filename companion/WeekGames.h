#pragma once

#include <utility>
#include <vector>

// The games of each regular week, from which the program learns which games of the
// schedule (numbered from 0 in week order) belong to a week.
class WeekGames {
public:
    // counts[0] is N, counts[1..highest] the games of each week. Regular weeks are
    // fewer than 100 (week 100 is the first playoff week), so more are ignored.
    void set(const int* counts, int highest);
    int weekCount() const { return static_cast<int>(games_.size()); }

    // Half-open ranges [first, last): the games of week w and of week w - 1. Weeks
    // outside 1..N give the empty or the whole sums, never a read outside the table.
    std::pair<int, int> forecastRange(int week) const;
    std::pair<int, int> scoreRange(int week) const;

private:
    // Games of weeks 1..w (0 for w <= 0, all for w >= N).
    int gamesThrough(long long week) const;

    std::vector<int> games_;
};
