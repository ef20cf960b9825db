#pragma once

#include "files/Failure.h"
#include "league/ProgramState.h"

#include <string_view>

namespace grd {

// Scores run 0..98; 99 is the empty mark of the score lists.
constexpr int kHighestScore = 98;

// The default shown in both score boxes: the most common score is a fair guess.
constexpr std::string_view kDefaultScoreText = "21";

// A score as typed: a decimal integer 0..98, anything else is error -23.
Result<int> parseScore(std::string_view text);

} // namespace grd
