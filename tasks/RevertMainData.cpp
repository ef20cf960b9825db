#include "tasks/RevertMainData.h"

#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/RankingsFile.h"
#include "league/RevertCopy.h"
#include "league/SeasonFileText.h"

#include <system_error>

namespace grd {

std::optional<Failure> RevertMainData::missingRevertFile() const {
    std::error_code error;
    if (std::filesystem::is_regular_file(findFileIgnoringCase(programDir_, kRevertFileName), error))
        return std::nullopt;
    return Failure{-45, {}};
}

RevertMainData::Result RevertMainData::run() const {
    std::string bytes;
    const Status read = readSeasonFile(findFileIgnoringCase(programDir_, kRevertFileName), bytes);
    if (!read)
        return {Outcome::Incomplete, Failure{-44, read.failure().detail}};
    if (!HasMainDataHeadText(bytes))
        return {Outcome::Invalid, Failure{-43, {}}};
    std::string reason;
    if (!writeFileAtomically(findFileIgnoringCase(programDir_, kMainDataFileName), bytes, &reason))
        return {Outcome::Incomplete, Failure{-46, reason}};
    return {Outcome::Reverted, std::nullopt};
}

std::string RevertMainData::message(Outcome outcome) {
    switch (outcome) {
    case Outcome::Reverted:
        return "Reversion successful.";
    case Outcome::Incomplete:
        // The copy is written beside the main data file first, so a failure never
        // touches it.
        return "Reversion incomplete. Main-dta.grd was not changed.";
    case Outcome::Invalid:
        break;
    }
    return {};
}

} // namespace grd
