#include "prefs/ui/PreferencesIO.h"

#include "league/FileNames.h"
#include "league/ui/MessageDialogs.h"

#include <QLocale>

namespace grd {

bool localeUsesInches() {
    // Where the system says nothing, QLocale reports the metric system: millimetres.
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem;
}

std::filesystem::path configFilePath(const QString& programDir) {
    return findFileIgnoringCase(std::filesystem::path(programDir.toStdString()), kConfigFileName);
}

Preferences loadProgramPreferences(const QString& programDir, QWidget* parent) {
    LoadedPreferences loaded = LoadPreferences(configFilePath(programDir), localeUsesInches());
    if (loaded.failure)
        ShowError(*loaded.failure, parent);
    return loaded.prefs;
}

bool saveProgramPreferences(const QString& programDir, const Preferences& prefs, QWidget* parent) {
    if (SavePreferences(configFilePath(programDir), prefs))
        return true;
    ShowPlainMessage("Error saving preferences", "GRD Oddsmith", parent);
    return false;
}

} // namespace grd
