#include "state/MainDataVersion.h"

#include "league/FileNames.h"
#include "league/RankingsFile.h"

#include <filesystem>

namespace grd {

namespace {

constexpr int kMainDataWriteError = -21;

std::filesystem::path mainDataFile(const AppState& app) {
    return findFileIgnoringCase(std::filesystem::path(app.programDir) / kMainDataFileName);
}

} // namespace

std::optional<Failure> mainDataWriteRefusal(const AppState& app) {
    std::string why;
    if (app.readOnly) {
        why = app.programDir + " is open read-only, as another program writes it";
    } else if (auto main = mainDataFile(app); fingerprintOf(main) != app.loadedMainData) {
        why = main.string() + " was changed by another program since it was read";
    } else {
        return std::nullopt;
    }
    return Failure{kMainDataWriteError, why + "; nothing was saved there"};
}

void noteMainDataOnDisk(AppState& app) {
    app.loadedMainData = fingerprintOf(mainDataFile(app));
}

} // namespace grd
