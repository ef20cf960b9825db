#pragma once

#include "prefs/FontPrefs.h"

#include <string>

namespace grd {

// How one kind of report is printed. Margins are in millimetres, or in inches when
// inches is set (the locale measures in U.S. units).
struct ReportPrintPrefs {
    FontPrefs font;
    bool landscape = false;
    double topMargin = 19.05;
    double bottomMargin = 19.05;
    double leftMargin = 19.05;
    double rightMargin = 19.05;
    bool inches = false;
    bool verticalLines = false;
    bool highlightRows = false;
    bool frameReport = true;
    bool dateTitle = true;
    std::string title = "Your Name"; // at most 15 characters
    std::string initials = "YOU";    // at most 3 characters
    bool operator==(const ReportPrintPrefs&) const = default;
};

} // namespace grd
