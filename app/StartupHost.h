#pragma once

#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <string>

namespace grd {

// What start-up and shutdown ask of the companion library. The main window answers
// with the bound library and its own window; tests answer with a recording fake.
class StartupHost {
public:
    virtual ~StartupHost() = default;

    // Loads the library and binds its procedures; -31 when it cannot be used.
    virtual Status bindCompanion() = 0;
    virtual void showSplash() = 0;
    // Gives the library the week game counts and the playoff week names.
    virtual void handOverLeague(const LeagueStructure& league) = 0;
    virtual void unloadCompanion() = 0;
    // The data directory may not be written (why follows its name: another process
    // writes it, or its lock file is no file): true opens its data read-only, false
    // quits. Hosts without a user quit.
    virtual bool openReadOnly(const std::string& dataDir, const std::string& why) {
        (void)dataDir;
        (void)why;
        return false;
    }
};

} // namespace grd
