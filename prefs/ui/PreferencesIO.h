#pragma once

#include "prefs/Preferences.h"

#include <QString>

class QWidget;

namespace grd {

// Whether the user's locale measures in inches.
bool localeUsesInches();

// The configuration file of a program directory (an existing one in any letter case).
std::filesystem::path configFilePath(const QString& programDir);

// Reads the preferences at start-up; a file that cannot be read is reported as -13
// and the fallback settings are returned.
Preferences loadProgramPreferences(const QString& programDir, QWidget* parent = nullptr);

// Writes the preferences at shutdown; a failure is reported in a plain message box.
bool saveProgramPreferences(const QString& programDir, const Preferences& prefs,
                            QWidget* parent = nullptr);

} // namespace grd
