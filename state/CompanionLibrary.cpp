#include "state/CompanionLibrary.h"

#include <dlfcn.h>

namespace grd {

namespace {

template <class Fn> bool bind(void* handle, const char* name, Fn& target) {
    // dlsym hands back an object pointer; POSIX guarantees it converts to a function.
    void* symbol = dlsym(handle, name);
    target = reinterpret_cast<Fn>(symbol);
    return symbol != nullptr;
}

} // namespace

std::string cannotFunctionDetail(const std::string& path) {
    return quotedPath(path) + " -- GRD Oddsmith cannot function without this file. ";
}

CompanionLibrary::~CompanionLibrary() {
    unload();
}

Status CompanionLibrary::load(const std::string& libraryPath) {
    unload();
    handle_ = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr || !bindAll()) {
        unload();
        return Failure{-31, cannotFunctionDetail(kCompanionFileName)};
    }
    return Ok{};
}

bool CompanionLibrary::bindAll() {
    // Every procedure is looked up, so a library missing one of them is refused whole.
    bool all = bind(handle_, "ShowSplashScreen", ShowSplashScreen);
    all = bind(handle_, "CloseSplashScreen", CloseSplashScreen) && all;
    all = bind(handle_, "ShowAboutDlg", ShowAboutDlg) && all;
    all = bind(handle_, "ShowGetWeekDlg", ShowGetWeekDlg) && all;
    all = bind(handle_, "WeekMap", WeekMap) && all;
    all = bind(handle_, "SetWGC", SetWGC) && all;
    all = bind(handle_, "GetFGames", GetFGames) && all;
    all = bind(handle_, "GetSGames", GetSGames) && all;
    all = bind(handle_, "SetPlayOffNames", SetPlayOffNames) && all;
    return all;
}

void CompanionLibrary::unload() {
    forgetProcedures();
    if (handle_ != nullptr)
        dlclose(handle_);
    handle_ = nullptr;
}

void CompanionLibrary::forgetProcedures() {
    ShowSplashScreen = nullptr;
    CloseSplashScreen = nullptr;
    ShowAboutDlg = nullptr;
    ShowGetWeekDlg = nullptr;
    WeekMap = nullptr;
    SetWGC = nullptr;
    GetFGames = nullptr;
    GetSGames = nullptr;
    SetPlayOffNames = nullptr;
}

} // namespace grd
