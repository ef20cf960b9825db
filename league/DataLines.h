#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// Why a season file could not be read; the text is the detail the user sees.
class DataFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DataLines;

// The values of one record of a season file, from the start of a line. Numbers may be
// written in any ordinary decimal notation and need no blank between them when the
// next one starts with a sign. A record that runs out of its line goes on in the next
// lines of more (when given), past blank ones, as hand-wrapped lines do; whatever
// follows the last value wanted on its line is ignored.
class LineValues {
public:
    // No rating, average or spread comes near this; larger values are damage, and
    // turning them into integers would overflow.
    static constexpr double kLargestReal = 1e9;

    LineValues(std::string_view line, int lineNumber, DataLines* more = nullptr)
        : rest_(line), lineNumber_(lineNumber), more_(more) {}

    double real();
    long long integer(long long lowest, long long highest);

private:
    std::string_view token(); // the text the next number is read from
    [[noreturn]] void malformed(std::string_view text) const;

    std::string_view rest_;
    int lineNumber_;
    DataLines* more_;
};

// The lines of a season file, CR LF or LF ended, taken one after another.
class DataLines {
public:
    // Larger files are not season files; refusing them bounds what a read allocates.
    static constexpr size_t kMaxBytes = 1 << 20;

    explicit DataLines(std::string_view text);

    bool atEnd() const { return next_ >= lines_.size(); }
    // The next line; throws "Unexpected end of file" when there is none.
    std::string_view line();
    LineValues values();
    // The number of the line taken last, counting from 1.
    int lineNumber() const { return static_cast<int>(next_); }
    // The next line without surrounding blanks.
    std::string_view text();

private:
    std::vector<std::string_view> lines_;
    size_t next_ = 0;
};

std::string_view trimBlanks(std::string_view text);

} // namespace grd
