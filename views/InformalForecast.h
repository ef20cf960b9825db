#pragma once

#include <string>

namespace grd {

// One team of an informal forecast: its name as shown and its total rating.
struct ForecastTeam {
    std::string name;
    double total = 0.0;
};

// The text of an informal forecast of visitor at home, by the engine's arithmetic:
// "Home (w/ HTA) over Visitor by  3", "Visitor at Home EVEN (no HTA)" and so on.
std::string informalForecastText(const ForecastTeam& visitor, const ForecastTeam& home,
                                 bool withHomeAdvantage);

} // namespace grd
