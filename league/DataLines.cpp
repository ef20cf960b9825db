#include "league/DataLines.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace grd {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// The characters a number can be written with; a value ends where they end, or at a
// sign that is not an exponent's, so that " 1.5E+0001-2.0E+0000" holds two values.
size_t numberLength(std::string_view text) {
    size_t length = 0;
    while (length < text.size()) {
        char c = text[length];
        bool sign = c == '+' || c == '-';
        bool exponentSign =
            sign && length > 0 && (text[length - 1] == 'E' || text[length - 1] == 'e');
        if (sign && length > 0 && !exponentSign) {
            break;
        }
        if (!sign && std::strchr("0123456789.eE", c) == nullptr) {
            break;
        }
        ++length;
    }
    return length;
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view LineValues::token() {
    while (!rest_.empty() && isBlank(rest_.front())) {
        rest_.remove_prefix(1);
    }
    while (rest_.empty() && more_ != nullptr) {
        rest_ = trimBlanks(more_->line());
        lineNumber_ = more_->lineNumber();
    }
    if (rest_.empty()) {
        throw DataFormatError("Line " + std::to_string(lineNumber_) + ": a number is missing");
    }
    size_t length = numberLength(rest_);
    // Glued letters are part of the token, so that "12abc" is malformed, not 12.
    while (length < rest_.size() && !isBlank(rest_[length]) && rest_[length] != '+' &&
           rest_[length] != '-') {
        ++length;
    }
    std::string_view text = rest_.substr(0, length == 0 ? 1 : length);
    rest_.remove_prefix(text.size());
    return text;
}

void LineValues::malformed(std::string_view text) const {
    throw DataFormatError("Line " + std::to_string(lineNumber_) + ": '" + std::string(text) +
                          "' is not a valid number");
}

double LineValues::real() {
    std::string_view text = token();
    std::string_view digits = text.front() == '+' ? text.substr(1) : text;
    double value = 0.0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
        malformed(text);
    }
    if (std::fabs(value) > kLargestReal) {
        throw DataFormatError("Line " + std::to_string(lineNumber_) + ": " + std::string(text) +
                              " is out of range");
    }
    return value;
}

long long LineValues::integer(long long lowest, long long highest) {
    std::string_view text = token();
    std::string_view digits = text.front() == '+' ? text.substr(1) : text;
    long long value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        malformed(text);
    }
    if (value < lowest || value > highest) {
        throw DataFormatError("Line " + std::to_string(lineNumber_) + ": " + std::string(text) +
                              " is out of range");
    }
    return value;
}

DataLines::DataLines(std::string_view text) {
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines_.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::string_view DataLines::line() {
    if (atEnd()) {
        throw DataFormatError("Unexpected end of file");
    }
    return lines_[next_++];
}

LineValues DataLines::values() {
    std::string_view current = line();
    return LineValues(current, lineNumber(), this);
}

std::string_view DataLines::text() {
    return trimBlanks(line());
}

} // namespace grd
