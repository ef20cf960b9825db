#include "league/CityForms.h"

#include <array>
#include <utility>

namespace grd {

namespace {

// The cities the league's franchises have shared.
constexpr std::array<std::pair<const char*, const char*>, 2> kSharedCities = {{
    {"LA", "Los Angeles"},
    {"NY", "New York"},
}};

std::string initials(const std::string& city) {
    std::string letters;
    bool wordStart = true;
    for (char c : city) {
        if (wordStart && c != ' ') {
            letters += c;
        }
        wordStart = c == ' ';
    }
    return letters;
}

} // namespace

std::string sharedCityForm(const std::string& city, const std::string& team) {
    return initials(city) + " " + team;
}

std::string fullNameOf(const std::string& cityForm, const std::string& team) {
    if (cityForm.empty() || team.empty()) {
        return cityForm + team;
    }
    const std::string suffix = " " + team;
    if (cityForm.size() > suffix.size() &&
        cityForm.compare(cityForm.size() - suffix.size(), suffix.size(), suffix) == 0) {
        const std::string place = cityForm.substr(0, cityForm.size() - suffix.size());
        for (const auto& [letters, city] : kSharedCities) {
            if (place == letters) {
                return city + suffix;
            }
        }
        return cityForm;
    }
    return cityForm + suffix;
}

} // namespace grd
