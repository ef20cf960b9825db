#include "league/Format.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <vector>

namespace grd {

namespace {

// Drops a zero precision of integer conversions: it changes nothing for other values
// and would print nothing at all for a zero.
std::string withoutIntegerPrecision(const char* format) {
    std::string out;
    for (const char* p = format; *p != '\0'; ++p) {
        out += *p;
        if (*p != '%') {
            continue;
        }
        if (p[1] == '%') {
            out += *++p;
            continue;
        }
        const char* conversion = p + 1;
        const char* end = conversion + std::strspn(conversion, "-+ #0123456789.*hlLqjzt");
        bool integer = *end != '\0' && std::strchr("diouxX", *end) != nullptr;
        for (const char* q = conversion; q <= end && *q != '\0'; ++q) {
            size_t digits = std::strspn(q + 1, "0123456789");
            if (integer && *q == '.' && std::strspn(q + 1, "0") == digits) {
                q += digits;
                continue;
            }
            out += *q;
        }
        p = *end == '\0' ? end - 1 : end;
    }
    return out;
}

locale_t cLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

std::string_view trimmed(std::string_view text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string cformat(const char* format, ...) {
    std::string fixed = withoutIntegerPrecision(format);
    locale_t previous = uselocale(cLocale());
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, fixed.c_str(), args);
    std::vector<char> buffer(static_cast<size_t>(length < 0 ? 0 : length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), fixed.c_str(), copy);
    va_end(copy);
    va_end(args);
    uselocale(previous);
    return std::string(buffer.data(), buffer.size() - 1);
}

std::optional<long long> parseInteger(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseReal(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

long long roundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

} // namespace grd
