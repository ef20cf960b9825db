#pragma once

#include "state/AppState.h"

#include <array>
#include <optional>

namespace grd {

// What the menu-enabling rules look at: the loaded data, the open windows and the
// child windows of the frame.
struct MenuFacts {
    bool hasRankings = false;
    int dataKind = kNoDataKind;
    bool hasForecasts = false; // spread 1 of the forecast list is not the empty mark
    std::array<bool, kLastWindowCode + 1> windowOpen{};
    int childCount = 0;
    bool activeChildIsTeamRank = false;

    int openWindowCount() const;
};

MenuFacts menuFactsOf(const AppState& state, int childCount, bool activeChildIsTeamRank);

struct FileMenuEnabling {
    bool print = false; // also Print Preview
    bool replaceMain = false;
};

struct EditMenuEnabling {
    bool copy = false;
    bool sort = false;
};

struct WindowMenuEnabling {
    std::array<bool, kLastWindowCode + 1> openItem{}; // by window code; Schedule unused
    bool restoreLayouts = false;                      // the user layout and both default layouts
    // Save Layout: nothing when the rule leaves it as it is (data loaded, none open).
    std::optional<bool> saveLayout;
    bool arrange = false;  // Cascade and Tile
    bool navigate = false; // Next and Previous
};

FileMenuEnabling fileMenuEnabling(const MenuFacts& facts);
EditMenuEnabling editMenuEnabling(const MenuFacts& facts);
bool viewScheduleEnabled(const MenuFacts& facts);
WindowMenuEnabling windowMenuEnabling(const MenuFacts& facts);

} // namespace grd
