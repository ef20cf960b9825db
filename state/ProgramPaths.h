#pragma once

#include <string>

namespace grd {

// The program directory of an executable: its directory with a trailing "/".
std::string programDirectoryOf(const std::string& executablePath);
std::string withTrailingSlash(std::string dir);
// The directory of the running executable; empty when the system does not say.
std::string runningProgramDirectory();

// Where one run finds its parts. Every directory ends in "/".
struct ProgramPaths {
    std::string programDir; // the executable's own directory
    std::string shippedDir; // the files the program ships, only read
    std::string dataDir;    // league files, main data, archives and preferences
};

// A build tree or a portable copy keeps everything in one directory.
ProgramPaths singleDirectory(const std::string& dir);

// True when dir holds the league structure and schedule files.
bool holdsLeagueFiles(const std::string& dir);

// The shipped files of a program in programDir: that directory itself when it holds
// the league files, else the installed data folder that lies beside its bin/.
std::string shippedDirectoryOf(const std::string& programDir);

// The companion library of a program in programDir: beside it, else in the
// program's private library folder. Found by the program's own path only, so no
// library search path can hand it a different one.
std::string companionLibraryPath(const std::string& programDir);

// The per-user data directory: $XDG_DATA_HOME/grd-oddsmith, or
// ~/.local/share/grd-oddsmith when that is unset or not absolute. Empty when
// neither variable names a directory.
std::string userDataDirectory(const std::string& xdgDataHome, const std::string& home);

} // namespace grd
