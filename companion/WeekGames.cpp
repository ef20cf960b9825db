#include "WeekGames.h"

#include <algorithm>

namespace {
constexpr int kMaxRegularWeeks = 99;
}

void WeekGames::set(const int* counts, int highest) {
    games_.clear();
    if (counts == nullptr)
        return;
    int weeks = std::clamp(highest, 0, kMaxRegularWeeks);
    // A negative count would make ranges run backwards.
    for (int w = 1; w <= weeks; ++w)
        games_.push_back(std::max(counts[w], 0));
}

int WeekGames::gamesThrough(int week) const {
    int weeks = std::clamp(week, 0, weekCount());
    int sum = 0;
    for (int w = 0; w < weeks; ++w)
        sum += games_[static_cast<std::size_t>(w)];
    return sum;
}

std::pair<int, int> WeekGames::forecastRange(int week) const {
    return {gamesThrough(week - 1), gamesThrough(week)};
}

std::pair<int, int> WeekGames::scoreRange(int week) const {
    return {gamesThrough(week - 2), gamesThrough(week - 1)};
}
