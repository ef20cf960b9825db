#include "state/ProgramData.h"

#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"

namespace grd {

std::optional<ProgramDataFailure> loadProgramData(AppState& app,
                                                  std::vector<std::string>* abbreviations) {
    if (auto failures = LoadLeagueStructure(app.programDir, app.league); !failures.empty())
        return ProgramDataFailure{kStructureFileName, failures.front()};
    app.schedule = std::make_unique<tSchedule70>();
    if (auto loaded = LoadSchedule(app.programDir, *app.schedule, app.league); !loaded)
        return ProgramDataFailure{kScheduleFileName, loaded.failure()};
    if (auto loaded =
            LoadNames(app.programDir, app.schedule->namesFileName, app.league, abbreviations);
        !loaded)
        return ProgramDataFailure{app.schedule->namesFileName, loaded.failure()};
    return std::nullopt;
}

} // namespace grd
