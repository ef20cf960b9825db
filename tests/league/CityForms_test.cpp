#include "league/CityForms.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(CityForms, sharedCitiesGiveInitialsAndFullNamesGiveTheCityBack) {
    EXPECT_EQ(sharedCityForm("Los Angeles", "Rams"), "LA Rams");
    EXPECT_EQ(sharedCityForm("New York", "Jets"), "NY Jets");
    struct Case {
        const char* cityForm;
        const char* team;
        const char* full;
    };
    for (auto [cityForm, team, full] :
         {Case{"Kansas City", "Chiefs", "Kansas City Chiefs"},
          Case{"LA Chargers", "Chargers", "Los Angeles Chargers"},
          Case{"NY Giants", "Giants", "New York Giants"}, Case{"SF Giants", "Giants", "SF Giants"},
          Case{"Los Angeles", "Rams", "Los Angeles Rams"}, Case{"", "Rams", "Rams"}}) {
        EXPECT_EQ(fullNameOf(cityForm, team), full) << cityForm;
    }
}

} // namespace
} // namespace grd
