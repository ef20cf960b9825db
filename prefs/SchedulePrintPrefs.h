#pragma once

#include "prefs/FontPrefs.h"

namespace grd {

// How a schedule with a given number of columns per page is printed; margins as in
// ReportPrintPrefs.
struct SchedulePrintPrefs {
    FontPrefs font;
    bool landscape = false;
    double topMargin = 19.05;
    double bottomMargin = 19.05;
    double leftMargin = 19.05;
    double rightMargin = 19.05;
    bool inches = false;
    bool operator==(const SchedulePrintPrefs&) const = default;
};

} // namespace grd
