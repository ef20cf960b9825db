#include "views/InformalForecast.h"

#include "league/Format.h"
#include "league/SpreadForecast.h"

namespace grd {

std::string informalForecastText(const ForecastTeam& visitor, const ForecastTeam& home,
                                 bool withHomeAdvantage) {
    const double a = visitor.total * kLeagueScale / 100;
    double b = home.total * kLeagueScale / 100;
    if (withHomeAdvantage) {
        b += kHomeAdvantage;
    }
    // The favourite is decided on the unrounded points, EVEN on the rounded spread.
    const bool homeFavoured = a < b;
    const std::string& favourite = homeFavoured ? home.name : visitor.name;
    const std::string& underdog = homeFavoured ? visitor.name : home.name;
    const long long spread = roundHalfEven(ShapeSpread(homeFavoured ? b - a : a - b));
    const std::string number = std::to_string(spread);

    if (withHomeAdvantage) {
        if (spread == 0) {
            return visitor.name + " at " + home.name + " (w/HTA) EVEN";
        }
        return favourite + (homeFavoured ? " (w/ HTA)" : "") + " over " + underdog +
               (homeFavoured ? "" : " (w/HTA)") + " by " + " " + number;
    }
    if (spread == 0) {
        return visitor.name + " at " + home.name + " EVEN (no HTA)";
    }
    return favourite + " over " + underdog + " by " + " " + number + " (no HTA)";
}

} // namespace grd
