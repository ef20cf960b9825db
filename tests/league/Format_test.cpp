#include "league/Format.h"

#include <clocale>
#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(Format, integerPrecisionNeverHidesZero) {
    EXPECT_EQ(cformat("%4.0d", 0), "   0");
    EXPECT_EQ(cformat("%2.2d", 5), "05");
    EXPECT_EQ(cformat("%.0d|%d", 0, 7), "0|7");
    EXPECT_EQ(cformat("%6.1f%%", 2.25), "   2.2%");
}

TEST(Format, decimalPointIgnoresUserLocale) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(cformat("%5.1f", 3.25), "  3.2");
    EXPECT_EQ(parseReal("106.9866"), 106.9866);
    if (german != nullptr) {
        std::setlocale(LC_ALL, "C");
    }
}

TEST(Format, parsingRejectsPartialNumbers) {
    EXPECT_EQ(parseInteger(" 42 "), 42);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_FALSE(parseInteger("4x"));
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseReal("abc"));
    EXPECT_EQ(parseReal("-3.5"), -3.5);
}

TEST(Format, roundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
}

} // namespace
} // namespace grd
