#include "tasks/UpdateMainData.h"

#include "files/AtomicFile.h"
#include "files/CrLfLines.h"
#include "league/DataLines.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/Messages.h"
#include "league/RankingsFile.h"
#include "league/SeasonFileText.h"

#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace grd {

namespace {

constexpr int kMissingInput = -37;
constexpr int kCopyError = -42;
constexpr int kOtherError = -16;
constexpr int kBackupError = -41;
constexpr int kReplaceError = -39;
constexpr int kTemporaryError = -38;

// A failed replacement as the new season reports it: a full disk or a failed write is a
// copy error, not one of renaming.
Failure replaceFailure(WriteStage stage, int renameError, const std::string& reason) {
    switch (stage) {
    case WriteStage::Create:
        return {kTemporaryError, reason};
    case WriteStage::Write:
        return {kCopyError, reason};
    case WriteStage::Replace:
        break;
    }
    return {renameError, reason};
}

// A failure of the new season's label; every other read failure is a copy error.
class SeasonLabelError : public DataFormatError {
public:
    using DataFormatError::DataFormatError;
};

void zeroTeams(DataLines& lines, int32_t count, bool keep, CrLfLines& out) {
    std::vector<bool> placed(static_cast<size_t>(count) + 1, false);
    for (int32_t i = 1; i <= count; ++i) {
        LineValues values = lines.values();
        double total = values.real();
        double offense = values.real();
        double defense = values.real();
        for (int skipped = 0; skipped < 3; ++skipped) {
            values.real(); // percentage, points for and against
        }
        for (int skipped = 0; skipped < 3; ++skipped) {
            values.integer(-32768, 32767); // wins, losses, ties
        }
        auto ranked = static_cast<int32_t>(values.integer(1, count));
        if (placed[static_cast<size_t>(ranked)]) {
            throw DataFormatError("Team " + std::to_string(ranked) + " is ranked twice");
        }
        placed[static_cast<size_t>(ranked)] = true;
        std::string ratings = keep ? FormatReal(total) + FormatReal(offense) + FormatReal(defense)
                                   : std::string("100 101 99 ");
        out.add(ratings + " 0 0 0 0 0 0" + cformat("%3d", ranked));
    }
}

void skipSection(DataLines& lines) {
    for (long long n = lines.values().integer(0, kMaxSeasonTeams); n > 0; --n) {
        lines.line();
    }
}

std::string nextSeasonLabel(std::string_view label) {
    size_t dash = label.find('-');
    auto year = parseInteger(label.substr(0, dash));
    auto end = dash == std::string_view::npos ? std::nullopt : parseInteger(label.substr(dash + 1));
    if (!year || !end || *year < 0 || *year > 9998 || *end < 0 || *end > 99) {
        throw SeasonLabelError("'" + std::string(label) + "' is not a season such as 2008-09");
    }
    return cformat("%lld-%2.2lld", *year + 1, (*end + 1) % 100);
}

// Everything after the kind line, as the new file's lines; throws DataFormatError.
std::string zeroedBody(DataLines& lines, bool archive, bool keep) {
    CrLfLines out;
    out.add(kCurrentVersionText);
    out.add("MD");
    auto count = static_cast<int32_t>(lines.values().integer(1, kMaxSeasonTeams));
    out.add(std::to_string(count));
    zeroTeams(lines, count, keep, out);
    out.add(std::to_string(lines.values().integer(1, 8)));
    lines.line(); // the week's average points
    out.add("  0");
    if (archive) {
        skipSection(lines);
    }
    skipSection(lines);
    out.add(" 0");
    out.add(std::to_string(lines.values().integer(0, 32767)));
    lines.line(); // the week
    out.add(" 1");
    out.add(nextSeasonLabel(lines.text()));
    return out.take();
}

// Where a main data file stands: its week and season label; nothing when it cannot be
// read as one.
std::optional<std::pair<long long, std::string>> standingOf(const std::filesystem::path& main) {
    std::string bytes;
    if (!readSeasonFile(main, bytes).ok()) {
        return std::nullopt;
    }
    try {
        DataLines lines(bytes);
        lines.line(); // the version
        if (lines.text() != "MD") {
            return std::nullopt;
        }
        for (long long n = lines.values().integer(1, kMaxSeasonTeams); n > 0; --n) {
            lines.line();
        }
        lines.line(); // the sort key
        lines.line(); // the week's average points
        skipSection(lines);
        lines.line(); // the forecast count
        long long week = lines.values().integer(0, 32767);
        return std::pair{week, std::string(lines.text())};
    } catch (const DataFormatError&) {
        return std::nullopt;
    }
}

// A second run would back up the fresh season over the old season's safety copy, or
// start a season from one never played.
Status refuseFreshSeason(const std::filesystem::path& main) {
    auto standing = standingOf(main);
    if (!standing || standing->first != 1) {
        return Ok{};
    }
    return Failure{kSeasonStartedError,
                   main.string() + " already stands before week 1 of " + standing->second};
}

Result<std::string> zeroedMainData(const std::filesystem::path& input, bool keep) {
    std::string bytes;
    if (Status read = readSeasonFile(input, bytes); !read) {
        return Failure{kOtherError, read.failure().detail};
    }
    try {
        DataLines lines(bytes);
        std::optional<int> version = fileVersionOf(lines.line());
        if (!version || *version < kCurrentFileVersion || *version > kNewestFileVersion) {
            return Failure{-18, quotedPath(input.string())};
        }
        std::string_view kind = lines.text();
        if (kind != "MD" && kind != "AD") {
            return Failure{-7, quotedPath(input.string())};
        }
        return zeroedBody(lines, kind == "AD", keep);
    } catch (const SeasonLabelError& error) {
        return Failure{kOtherError, error.what()};
    } catch (const DataFormatError& error) {
        return Failure{kCopyError, error.what()};
    }
}

// Copies the main data file to MAIN-DTA.OLD, replacing an older backup in one step.
Status backUp(const std::filesystem::path& main, const std::filesystem::path& dir) {
    std::string bytes;
    std::string reason;
    WriteStage stage{};
    if (Status read = readSeasonFile(main, bytes); !read) {
        return Failure{kBackupError, read.failure().detail};
    }
    if (!writeFileAtomically(findFileIgnoringCase(dir, kOldMainDataFileName), bytes, &reason,
                             &stage)) {
        return replaceFailure(stage, kBackupError, reason);
    }
    return Ok{};
}

} // namespace

Status UpdateMainData(const std::filesystem::path& input, bool keep) {
    std::filesystem::path file = findFileIgnoringCase(input);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Failure{kMissingInput, quotedPath(input.string())};
    }
    Result<std::string> zeroed = zeroedMainData(file, keep);
    if (!zeroed) {
        return zeroed.failure();
    }
    std::filesystem::path dir = file.parent_path();
    std::filesystem::path main = findFileIgnoringCase(dir, kMainDataFileName);
    if (Status fresh = refuseFreshSeason(main); !fresh) {
        return fresh;
    }
    // Without a backup the last season would be lost, so a failed one stops here.
    if (std::filesystem::exists(main, error)) {
        if (Status saved = backUp(main, dir); !saved) {
            return saved;
        }
    }
    std::string reason;
    WriteStage stage{};
    if (!writeFileAtomically(main, zeroed.value(), &reason, &stage)) {
        return replaceFailure(stage, kReplaceError, reason);
    }
    return Ok{};
}

} // namespace grd
