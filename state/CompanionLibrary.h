#pragma once

#include "companion/GRDOddsApi.h"
#include "files/Failure.h"

#include <string>

namespace grd {

constexpr const char* kCompanionFileName = "libGRDOdds.so";

// The companion dialogs library, loaded from the program directory and bound by
// the names of its nine procedures. The procedures are null until load succeeds.
class CompanionLibrary {
public:
    CompanionLibrary() = default;
    ~CompanionLibrary();
    CompanionLibrary(const CompanionLibrary&) = delete;
    CompanionLibrary& operator=(const CompanionLibrary&) = delete;

    // Loads the library file and binds every procedure; a missing file or procedure
    // is -31 and leaves nothing loaded.
    Status load(const std::string& libraryPath);
    void unload();
    bool loaded() const { return handle_ != nullptr; }

    ShowSplashScreenFn ShowSplashScreen = nullptr;
    CloseSplashScreenFn CloseSplashScreen = nullptr;
    ShowAboutDlgFn ShowAboutDlg = nullptr;
    ShowGetWeekDlgFn ShowGetWeekDlg = nullptr;
    WeekMapFn WeekMap = nullptr;
    SetWGCFn SetWGC = nullptr;
    GetFGamesFn GetFGames = nullptr;
    GetSGamesFn GetSGames = nullptr;
    SetPlayOffNamesFn SetPlayOffNames = nullptr;

private:
    bool bindAll();
    void forgetProcedures();

    void* handle_ = nullptr;
};

// The detail of a start-up failure that names a file the program cannot do without.
std::string cannotFunctionDetail(const std::string& path);

} // namespace grd
