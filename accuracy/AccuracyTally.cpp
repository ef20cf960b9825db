#include "accuracy/AccuracyTally.h"

#include "accuracy/WinChance.h"
#include "league/Format.h"

namespace grd {

void AccuracyTally::add(const ForecastOutcome& game) {
    if (!game.played) {
        return;
    }
    ++games;
    even += game.even() ? 1 : 0;
    tied += game.tied() ? 1 : 0;
    decided += game.decided() ? 1 : 0;
    correct += game.favouriteWon() ? 1 : 0;
    errorSum += game.error();
    brierSum += brierTerm(winChance(game.forecast), game.firstResult());
}

AccuracyTally& AccuracyTally::operator+=(const AccuracyTally& other) {
    games += other.games;
    even += other.even;
    tied += other.tied;
    decided += other.decided;
    correct += other.correct;
    errorSum += other.errorSum;
    brierSum += other.brierSum;
    return *this;
}

std::string AccuracyTally::winnersText() const {
    return shareText(correct, decided);
}

std::string AccuracyTally::meanErrorText() const {
    return games == 0 ? "-" : cformat("%.2f", meanError());
}

std::string AccuracyTally::brierText() const {
    return games == 0 ? "-" : cformat("%.3f", brierSum / games);
}

std::string shareText(int part, int whole) {
    if (whole == 0) {
        return cformat("%d/%d", part, whole);
    }
    return cformat("%d/%d = %.1f%%", part, whole, 100.0 * part / whole);
}

} // namespace grd
