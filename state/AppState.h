#pragma once

#include "files/DirectoryLock.h"
#include "files/FileFingerprint.h"
#include "league/LeagueStructure.h"
#include "league/ProgramState.h"
#include "league/tRankings.h"
#include "league/tSchedule70.h"
#include "prefs/Preferences.h"
#include "state/WindowCode.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace grd {

// The program-wide state, owned by the main window for the whole run. Display
// windows and tasks read and change it through the main window.
struct AppState {
    // The data directory: league files, main data, archives and preferences.
    std::string programDir; // always ends in "/"
    std::string shippedDir; // the files the program ships; empty: programDir
    std::string helpBundle; // the help bundle start-up found
    LeagueStructure league;
    std::unique_ptr<tSchedule70> schedule;
    // Absent until data is loaded for viewing or by a weekly task.
    std::unique_ptr<tRankings> rankings;
    ProgramState program;
    Preferences prefs; // general switches and the view and print preferences (tPrefsRec)

    // One flag per window code; entry 0 is unused.
    std::array<bool, kLastWindowCode + 1> windowOpen{};

    // The main data file as the weekly task read it: a save over any other version
    // would lose what another program wrote.
    std::optional<FileFingerprint> loadedMainData;
    // Held from start-up to shutdown, so no other process writes the data directory.
    std::unique_ptr<DirectoryLock> writerLock;
    // Another process writes the data directory: this run must write nothing there.
    bool readOnly = false;

    bool startupFailed = false;
    bool revertAvailable = false;
    int helpStatus = 0; // 0 usable, -52 help bundle missing

    bool isOpen(WindowCode code) const { return windowOpen[code]; }
    int openWindowCount() const;
};

} // namespace grd
