#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace grd {

// The text of a data file, built line by line: every line ends in CR LF.
class CrLfLines {
public:
    void add(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace grd
