#pragma once

#include "TestConfig.h"
#include "app/StartupHost.h"
#include "state/CompanionLibrary.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace grd::test {

// A program directory holding the shipped data files and the help bundle, for
// start-up to run on; tests then damage or remove what they are about.
class StartupTestDir : public TempDir {
public:
    StartupTestDir() {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(ODDSMITH_DATA_DIR "program"))
            fs::copy_file(entry.path(), path() / entry.path().filename());
        fs::copy(ODDSMITH_SOURCE_DIR "/help/GRDOdds.help", path() / "GRDOdds.help",
                 fs::copy_options::recursive);
    }
    void remove(const std::string& name) const { std::filesystem::remove_all(path() / name); }
};

// Records what start-up and shutdown ask of the companion library.
class RecordingHost : public StartupHost {
public:
    bool companionPresent = true;
    std::vector<std::string> calls;
    std::vector<int32_t> weekGameCounts;

    Status bindCompanion() override {
        calls.push_back("bind");
        if (!companionPresent)
            return Failure{-31, cannotFunctionDetail(kCompanionFileName)};
        return Ok{};
    }
    void showSplash() override { calls.push_back("splash"); }
    void handOverLeague(const LeagueStructure& league) override {
        calls.push_back("handOver");
        weekGameCounts = league.weekGameCounts;
    }
    void unloadCompanion() override { calls.push_back("unload"); }
    bool readOnlyAnswer = false;
    bool openReadOnly(const std::string&, const std::string& why) override {
        calls.push_back("readOnly? " + why);
        return readOnlyAnswer;
    }
};

} // namespace grd::test
