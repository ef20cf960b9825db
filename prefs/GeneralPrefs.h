#pragma once

namespace grd {

// The program-wide switches of the main window.
struct GeneralPrefs {
    bool flyby = true; // fly-by hints
    bool toolbar = true;
    bool statusLine = true;
    bool welcome = true; // welcome dialog at start-up
    bool operator==(const GeneralPrefs&) const = default;
};

} // namespace grd
