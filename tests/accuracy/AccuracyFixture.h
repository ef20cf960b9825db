#pragma once

// The fixture season of the accuracy tests: five archives of the six-team league of
// the display window tests under tests/fixtures/accuracy/, worked by hand in
// SeasonAccuracy_test.cpp, and the market's lines on its games.

#include "TestConfig.h"
#include "views/ViewsFixture.h"

#include <map>
#include <string>

namespace grd::test {

inline const std::string kAccuracyFixtureDir = ODDSMITH_FIXTURE_DIR "accuracy/";
constexpr int kFixtureRegularWeeks = 3;

inline std::map<std::string, int> fixtureAbbreviations() {
    return {{"BUF", 1}, {"MIA", 2}, {"NYJ", 3}, {"DAL", 4}, {"GB", 5}, {"SF", 6}};
}

} // namespace grd::test
