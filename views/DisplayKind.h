#pragma once

#include "state/WindowCode.h"

#include <array>
#include <string>
#include <vector>

namespace grd {

constexpr int kMaxColumns = 14;

// What each kind of display window fixes for itself: its columns and their width
// samples, its place when it opens, and the names it shows in captions and menus.
struct DisplayKind {
    int code = 0;
    const char* designCaption = "";
    int lastColumn = 0; // the highest logical column
    std::array<const char*, kMaxColumns> samples{};
    std::array<const char*, kMaxColumns> titles{};
    int left = 0;
    int top = 0;
    const char* reportName = "";
    int helpContext = 0;
    int printHelpContext = 0;
    bool movableColumns = false;
    bool hasToolbar = false;

    int columnCount() const { return lastColumn + 1; }
    // A name column's width is its sample's plus the widest team name.
    bool isNameColumn(int logical) const;
    std::vector<std::string> titleList() const;
};

// Marks a width sample of a name column.
inline constexpr const char* kNameSample = "--";

// The description of a window code 1..7; codes outside that range yield the schedule's.
const DisplayKind& displayKind(int code);

bool isWindowCode(int code);

// The report a window prints (the report kinds: 1 team, 2 division, 3 category
// rankings, 4 and 5 spreads plain and grid, 6 and 7 the archive's, 8 its scores);
// spreadsGrid picks the grid of the spreads windows. 0 for the schedule.
int reportKindOfWindow(int code, bool spreadsGrid);

} // namespace grd
