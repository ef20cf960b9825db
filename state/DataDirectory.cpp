#include "state/DataDirectory.h"

#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace grd {

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool writable(const std::string& dir) {
    return ::access(dir.c_str(), W_OK) == 0;
}

// Copies the shipped data files that dir lacks; a file of the user's is never touched.
std::string seed(const std::string& dir, const std::string& shippedDir) {
    for (const std::string& name : shippedDataFiles(shippedDir)) {
        std::error_code error;
        if (fs::exists(findFileIgnoringCase(dir, name), error))
            continue;
        std::string bytes;
        std::string reason;
        if (!readWholeFile(fs::path(shippedDir) / name, bytes))
            return shippedDir + name + ": cannot be read";
        if (!writeFileAtomically(fs::path(dir) / name, bytes, &reason))
            return dir + name + ": " + reason;
    }
    return {};
}

DataDirectoryChoice userDirectory(const DataDirectoryRequest& request, ProgramPaths paths) {
    paths.dataDir = userDataDirectory(request.xdgDataHome, request.home);
    if (paths.dataDir.empty())
        return {{}, "neither XDG_DATA_HOME nor HOME names a directory for the data"};
    std::error_code error;
    fs::create_directories(paths.dataDir, error);
    if (error)
        return {{}, paths.dataDir + ": " + error.message()};
    if (std::string problem = seed(paths.dataDir, paths.shippedDir); !problem.empty())
        return {{}, problem};
    return {paths, {}};
}

} // namespace

DataDirectoryRequest requestFromEnvironment(std::optional<std::string> dataDirOption,
                                            const std::string& programDir) {
    return {std::move(dataDirOption), programDir, environment("XDG_DATA_HOME"),
            environment("HOME")};
}

std::vector<std::string> shippedDataFiles(const std::string& shippedDir) {
    std::vector<std::string> names{kStructureFileName, kScheduleFileName};
    tSchedule70 schedule;
    LeagueStructure league;
    if (LoadSchedule(shippedDir, schedule, league) && !schedule.namesFileName.empty())
        names.push_back(schedule.namesFileName);
    names.push_back(kMainDataFileName);
    std::erase_if(names, [&](const std::string& name) {
        std::error_code error;
        return !fs::is_regular_file(findFileIgnoringCase(shippedDir, name), error);
    });
    for (std::string& name : names)
        name = findFileIgnoringCase(shippedDir, name).filename().string();
    return names;
}

DataDirectoryChoice chooseDataDirectory(const DataDirectoryRequest& request) {
    ProgramPaths paths;
    paths.programDir = withTrailingSlash(request.programDir);
    paths.shippedDir = shippedDirectoryOf(paths.programDir);
    if (request.dataDirOption) {
        if (request.dataDirOption->empty())
            return {{}, "--data-dir needs a directory"};
        std::error_code error;
        const fs::path absolute = fs::absolute(*request.dataDirOption, error);
        paths.dataDir = withTrailingSlash(
            (error ? fs::path(*request.dataDirOption) : absolute).lexically_normal().string());
        return {paths, {}};
    }
    if (holdsLeagueFiles(paths.programDir) && writable(paths.programDir)) {
        paths.dataDir = paths.programDir;
        return {paths, {}};
    }
    return userDirectory(request, paths);
}

} // namespace grd
