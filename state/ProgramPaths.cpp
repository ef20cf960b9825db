#include "state/ProgramPaths.h"

#include "league/FileNames.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "state/CompanionLibrary.h"

#include <filesystem>

// Where an installed program keeps its shipped files and its private libraries,
// relative to its bin/ folder; the build sets both from the install layout.
#ifndef ODDSMITH_SHIPPED_FROM_BIN
#define ODDSMITH_SHIPPED_FROM_BIN "../share/grd-oddsmith/shipped"
#endif
#ifndef ODDSMITH_LIBRARY_FROM_BIN
#define ODDSMITH_LIBRARY_FROM_BIN "../lib/grd-oddsmith"
#endif

namespace grd {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUserFolderName = "grd-oddsmith";

std::string besideProgram(const std::string& programDir, const char* relative) {
    return withTrailingSlash((fs::path(programDir) / relative).lexically_normal().string());
}

} // namespace

std::string withTrailingSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string programDirectoryOf(const std::string& executablePath) {
    return withTrailingSlash(fs::path(executablePath).parent_path().string());
}

std::string runningProgramDirectory() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : programDirectoryOf(self.string());
}

ProgramPaths singleDirectory(const std::string& dir) {
    const std::string slashed = withTrailingSlash(dir);
    return {slashed, slashed, slashed};
}

bool holdsLeagueFiles(const std::string& dir) {
    std::error_code error;
    return fs::is_regular_file(findFileIgnoringCase(dir, kStructureFileName), error) &&
           fs::is_regular_file(findFileIgnoringCase(dir, kScheduleFileName), error);
}

std::string shippedDirectoryOf(const std::string& programDir) {
    if (holdsLeagueFiles(programDir))
        return withTrailingSlash(programDir);
    return besideProgram(programDir, ODDSMITH_SHIPPED_FROM_BIN);
}

std::string companionLibraryPath(const std::string& programDir) {
    const fs::path beside = fs::path(programDir) / kCompanionFileName;
    std::error_code error;
    if (fs::exists(beside, error))
        return beside.string();
    return besideProgram(programDir, ODDSMITH_LIBRARY_FROM_BIN) + kCompanionFileName;
}

std::string userDataDirectory(const std::string& xdgDataHome, const std::string& home) {
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute())
        return withTrailingSlash((fs::path(xdgDataHome) / kUserFolderName).string());
    if (home.empty())
        return {};
    return withTrailingSlash((fs::path(home) / ".local/share" / kUserFolderName).string());
}

} // namespace grd
