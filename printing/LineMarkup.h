#pragma once

#include <string>

namespace grd {

// Font styles a line may ask for with a leading "{$B}", "{$I}", "{$U}" or "{$S}".
enum LineStyle : int {
    kStyleNone = 0,
    kStyleBold = 1,
    kStyleItalic = 2,
    kStyleUnderline = 4,
    kStyleStrikeOut = 8
};

// Removes a leading style command from line and returns its style; any other
// "{$x}" leaves the line as it is.
int takeStyleCommand(std::string& line);

// What the field commands of a cell stand for on the page being written.
struct CellFields {
    int line = 0;
    int page = 0;
    std::string date;
    std::string time;
    std::string title;
};

// The cell with its commands replaced. "{$*}" makes a 5-character cell one separator
// character and any other cell holding it empty.
std::string expandCellFields(const std::string& cell, const CellFields& fields, char separator);

// Tabs become blanks up to the next multiple of tabSize.
std::string expandTabs(const std::string& line, int tabSize);

} // namespace grd
