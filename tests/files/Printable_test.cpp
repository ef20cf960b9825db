#include "files/Printable.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(Printable, showsControlCharactersAndBrokenUtf8AsHexAndKeepsLetters) {
    const struct {
        std::string value, shown;
    } cases[] = {
        {"BUF", "BUF"},
        {std::string("B\0F", 3), "B\\x00F"},
        {"a\tb\x7f", "a\\x09b\\x7F"},
        {"Montr\xC3\xA9"
         "al",
         "Montr\xC3\xA9"
         "al"}, // UTF-8 é
        {"Montr\xE9"
         "al",
         "Montr\\xE9al"},                         // Latin-1 é
        {"\xE2\x82", "\\xE2\\x82"},               // a sequence cut short
        {"\xC0\xAF", "\\xC0\\xAF"},               // an overlong slash
        {"\xF0\x9F\x8F\x88", "\xF0\x9F\x8F\x88"}, // a football
    };
    for (const auto& c : cases) {
        EXPECT_EQ(printable(c.value), c.shown) << c.shown;
    }
}

} // namespace
} // namespace grd
