#include "WeekGames.h"

#include <algorithm>

namespace {
constexpr int kMaxRegularWeeks = 99;
// Far above any league's week; keeps the sums of a damaged table from overflowing.
constexpr int kMaxWeekGames = 10000;
} // namespace

void WeekGames::set(const int* counts, int highest) {
    games_.clear();
    if (counts == nullptr)
        return;
    int weeks = std::clamp(highest, 0, kMaxRegularWeeks);
    // A negative count would make ranges run backwards.
    for (int w = 1; w <= weeks; ++w)
        games_.push_back(std::clamp(counts[w], 0, kMaxWeekGames));
}

int WeekGames::gamesThrough(long long week) const {
    auto weeks = static_cast<int>(std::clamp<long long>(week, 0, weekCount()));
    int sum = 0;
    for (int w = 0; w < weeks; ++w)
        sum += games_[static_cast<std::size_t>(w)];
    return sum;
}

std::pair<int, int> WeekGames::forecastRange(int week) const {
    long long w = week; // week - 2 must not overflow for the lowest int
    return {gamesThrough(w - 1), gamesThrough(w)};
}

std::pair<int, int> WeekGames::scoreRange(int week) const {
    long long w = week;
    return {gamesThrough(w - 2), gamesThrough(w - 1)};
}
