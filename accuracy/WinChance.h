#pragma once

namespace grd {

// How far a game's result strays from its forecast margin: the standard deviation, in
// points, of the normal distribution that turns a margin into a chance.
inline constexpr double kMarginDeviation = 13.5;

// The chance that a team forecast to win by margin points (negative: to lose) wins.
double winChance(double margin);

// The Brier score term of one game: the squared gap between the chance given and the
// result (1 won, 0 lost, 0.5 tied).
double brierTerm(double chance, double result);

} // namespace grd
