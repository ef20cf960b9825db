#include "league/RevertCopy.h"

#include "files/AtomicFile.h"
#include "league/DataLines.h"
#include "league/FileNames.h"
#include "league/RankingsFile.h"
#include "league/SeasonFileText.h"

#include <system_error>

namespace grd {

bool HasMainDataHeadText(std::string_view bytes) {
    try {
        DataLines lines(bytes);
        std::optional<int> version = fileVersionOf(lines.line());
        return version && *version >= kOldestFileVersion && *version <= kNewestFileVersion &&
               lines.text() == "MD";
    } catch (const DataFormatError&) {
        return false;
    }
}

bool HasMainDataHead(const std::filesystem::path& file) {
    std::string bytes;
    return readSeasonFile(file, bytes).ok() && HasMainDataHeadText(bytes);
}

bool MakeRevertCopy(const std::string& programDir) {
    std::string bytes;
    if (!readSeasonFile(findFileIgnoringCase(programDir, kMainDataFileName), bytes).ok() ||
        !HasMainDataHeadText(bytes)) {
        return false;
    }
    // Written at every start: a link planted in its place must not redirect the write.
    return writeFileAtomically(findFileIgnoringCase(programDir, kRevertFileName), bytes, nullptr,
                               nullptr, Links::Replace);
}

void DeleteRevertCopy(const std::string& programDir) {
    std::error_code ignored;
    std::filesystem::remove(findFileIgnoringCase(programDir, kRevertFileName), ignored);
}

} // namespace grd
