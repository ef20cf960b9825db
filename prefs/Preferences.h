#pragma once

#include "files/Failure.h"
#include "prefs/GeneralPrefs.h"
#include "prefs/IniFile.h"
#include "prefs/tPrefsRec.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace grd {

// Everything the configuration file keeps apart from the window layouts.
struct Preferences {
    GeneralPrefs general;
    tPrefsRec view;
    bool operator==(const Preferences&) const = default;
};

// The result of reading: the settings to use and, when reading failed, the -13
// failure to report (the settings are then the fallbacks).
struct LoadedPreferences {
    Preferences prefs;
    std::optional<Failure> failure;
};

// The name of the configuration file in the program directory.
constexpr std::string_view kConfigFileName = "GRDOdds.cfg";

// Reads the preferences of the configuration file; a missing file gives the defaults.
// usMeasurement: the locale measures in U.S. units, so margins are held in inches.
LoadedPreferences LoadPreferences(const std::filesystem::path& configFile, bool usMeasurement);

// The preferences an already read configuration file gives.
Preferences ReadPreferences(const IniFile& ini, bool usMeasurement);

// Writes every preference key, leaving the file's other sections and keys as they
// were; on failure (-12) the file is unchanged.
Status SavePreferences(const std::filesystem::path& configFile, const Preferences& prefs);

// A stored margin in the unit to hold: the fallback (millimetres) when the text is
// not a non-negative number, then converted to inches when asked.
double ParseMargin(std::string_view text, double fallbackMm, bool inches);

} // namespace grd
