#pragma once

#include "prefs/Preferences.h"

namespace grd {

// The boxes and radio groups of the preferences dialog.
struct PrefsChoices {
    // General page
    bool toolbar = true;
    bool statusLine = true;
    bool flyby = true;
    bool welcome = true;
    // Windows page
    bool vertLines = true;
    bool horzLines = true;
    bool highlight = true;
    bool teamToolbar = true;
    bool catToolbar = true;
    bool schedToolbar = true;
    bool cityNames = true; // the Names group's second item
    bool tileVert = false; // the Tile group's second item
    bool operator==(const PrefsChoices&) const = default;
};

// What the dialog shows when it opens.
PrefsChoices prefsChoicesOf(const Preferences& prefs);

// What the windows must do after the choices were taken over.
struct PrefsApplied {
    bool redraw = false; // grid look, names or a window tool bar changed
    bool teamToolbarChanged = false;
    bool catToolbarChanged = false;
    bool schedToolbarChanged = false;
};

// OK in the preferences dialog: every choice becomes the preference.
PrefsApplied applyPrefsChoices(const PrefsChoices& choices, Preferences& prefs);

} // namespace grd
