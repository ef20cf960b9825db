#pragma once

#include "app/ui/TMainForm.h"
#include "files/Failure.h"

#include "TestConfig.h"

#include <filesystem>
#include <vector>

namespace grd::test {

// Fills dir as the installed program's directory: the shipped league files, the
// companion library and the help bundle.
inline void copyProgramFiles(const std::filesystem::path& dir) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(ODDSMITH_DATA_DIR "program"))
        fs::copy_file(entry.path(), dir / entry.path().filename());
    fs::copy_file(ODDSMITH_COMPANION_LIBRARY, dir / "libGRDOdds.so");
    fs::copy(ODDSMITH_SOURCE_DIR "/help/GRDOdds.help", dir / "GRDOdds.help",
             fs::copy_options::recursive);
}

// The numbers of the failures shown, in order.
inline std::vector<int> numbers(const std::vector<Failure>& failures) {
    std::vector<int> result;
    for (const auto& failure : failures)
        result.push_back(failure.number);
    return result;
}

// Runs the splash timer's two ticks without waiting for them.
inline void tickTwice(TMainForm& form) {
    QMetaObject::invokeMethod(&form, "MainTimerClick");
    QMetaObject::invokeMethod(&form, "MainTimerClick");
}

} // namespace grd::test
