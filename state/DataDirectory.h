#pragma once

#include "state/ProgramPaths.h"

#include <optional>
#include <string>
#include <vector>

namespace grd {

// What decides the data directory of one run.
struct DataDirectoryRequest {
    std::optional<std::string> dataDirOption; // --data-dir as given
    std::string programDir;                   // the executable's directory
    std::string xdgDataHome;                  // the environment's XDG_DATA_HOME and HOME
    std::string home;
};

// The request of a program in programDir, with this process's environment.
DataDirectoryRequest requestFromEnvironment(std::optional<std::string> dataDirOption,
                                            const std::string& programDir);

// The chosen paths, or why none could be chosen (for standard error).
struct DataDirectoryChoice {
    ProgramPaths paths;
    std::string problem; // empty when paths holds the choice
    bool ok() const { return problem.empty(); }
};

// The data directory, in this order: --data-dir, taken as it is; the program
// directory when it holds the league files and may be written (a build tree or a
// portable copy); otherwise the per-user data directory, created when missing and
// given every shipped data file it lacks. A user's own files are never replaced.
DataDirectoryChoice chooseDataDirectory(const DataDirectoryRequest& request);

// The shipped data files a new data directory starts with: the league files (the
// names file being the one the schedule names) and the starting main data file.
std::vector<std::string> shippedDataFiles(const std::string& shippedDir);

} // namespace grd
