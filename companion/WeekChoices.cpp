#include "WeekChoices.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMaxRegularWeeks = 99;

// Two characters wide, right-aligned: " 7", "12".
std::string twoWide(int week) {
    char text[12]; // room for any int, so the compiler sees no truncation
    std::snprintf(text, sizeof text, "%2d", week);
    return text;
}

} // namespace

std::vector<std::string> weekChoices(int regularWeeks) {
    int n = std::clamp(regularWeeks, 0, kMaxRegularWeeks);
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(n) + 6);
    list.push_back("                       Week  1 spreads");
    for (int k = 1; k < n; ++k)
        list.push_back(" Week " + twoWide(k) + " scores........Week " + twoWide(k + 1) +
                       " spreads");
    list.push_back(" Week " + twoWide(n) + " scores........Wild Card spreads");
    list.push_back(" Wild Card scores......Division spreads");
    list.push_back(" Division scores.......Championship spreads");
    list.push_back(" Championship scores...Super Bowl spreads");
    list.push_back(" Super Bowl score");
    list.push_back(" Other scores..........Other spreads");
    return list;
}
