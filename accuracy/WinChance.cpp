#include "accuracy/WinChance.h"

#include <cmath>

namespace grd {

double winChance(double margin) {
    return 0.5 * std::erfc(-margin / (kMarginDeviation * std::sqrt(2.0)));
}

double brierTerm(double chance, double result) {
    return (chance - result) * (chance - result);
}

} // namespace grd
