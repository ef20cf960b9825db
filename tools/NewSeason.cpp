#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/Messages.h"
#include "tasks/UpdateMainData.h"
#include "tools/Commands.h"
#include "tools/WriterLock.h"

#include <cstdio>
#include <filesystem>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool new-season --keep|--average FILE\n\n"
    "Makes a new season's MAIN-DTA.GRD beside FILE, the last main data or archive file\n"
    "of the old season: statistics zero, no scores or forecasts, week 1, the next\n"
    "season's label. The previous MAIN-DTA.GRD is kept as MAIN-DTA.OLD. Refused when\n"
    "MAIN-DTA.GRD already stands before week 1, so a second run keeps the old season.\n"
    "  --keep     carry the Total, Off and Def ratings over\n"
    "  --average  give every team total 100, offense 101, defense 99\n";

} // namespace

int newSeason(const Args& args) {
    int keep = -1;
    const std::string* file = nullptr;
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--keep" || arg == "--average") {
            keep = arg == "--keep" ? 1 : 0;
        } else if (file == nullptr && !arg.starts_with("-")) {
            file = &arg;
        } else {
            std::fprintf(stderr, "grdtool new-season: unexpected '%s'\n\n%s", arg.c_str(), kHelp);
            return 2;
        }
    }
    if (keep < 0 || file == nullptr) {
        std::fprintf(stderr, "grdtool new-season: give --keep or --average and a file\n\n%s",
                     kHelp);
        return 2;
    }
    std::filesystem::path dir = std::filesystem::path(*file).parent_path();
    auto lock = lockForWriting("new-season", dir);
    if (!lock) {
        return 1;
    }
    removeStaleTemporaryFiles(dir, isProgramFileName);
    Status done = UpdateMainData(*file, keep == 1);
    if (!done) {
        std::fprintf(stderr, "grdtool new-season: %s: error %d: %s\n", file->c_str(),
                     done.failure().number,
                     errorText(done.failure().number, done.failure().detail).c_str());
        return 1;
    }
    return 0;
}

} // namespace grd::tool
