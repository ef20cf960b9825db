#pragma once

#include <string>
#include <vector>

// The entries of the week chooser for a season of N regular weeks: entry W is the
// week code W.
std::vector<std::string> weekChoices(int regularWeeks);

// Where the two parts of every entry begin: the week entered and the week forecast.
inline constexpr int kEnterColumn = 1;
inline constexpr int kForecastColumn = 23;
