#include "league/NamesFile.h"

#include "codec/MyException.h"
#include "codec/RecordReaders.h"
#include "league/DecompressedFile.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/RecordWriter.h"
#include "league/SeasonAlignment.h"

#include <algorithm>
#include <filesystem>

namespace grd {

namespace {

// Each name index takes three CR-terminated texts and a 4-byte code at least.
constexpr size_t kLeastBytesPerName = 3 + 4;

std::vector<std::string> readNames(tMemStream& in, size_t count) {
    std::vector<std::string> names;
    names.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        names.push_back(readText(in));
    }
    return names;
}

void readBody(tMemStream& in, LeagueStructure& names, std::vector<std::string>& shortNames) {
    readText(in);
    int32_t highest = readInteger(in);
    if (highest < 0 || static_cast<size_t>(highest) >= in.remaining() / kLeastBytesPerName) {
        throw MyException("The names file does not hold its " + std::to_string(highest + 1LL) +
                          " names");
    }
    auto count = static_cast<size_t>(highest) + 1;
    readText(in);
    names.cityNames = readNames(in, count);
    readText(in);
    names.teamNames = readNames(in, count);
    readText(in);
    shortNames = readNames(in, count);
    readText(in);
    readInteger(in);
    for (size_t j = 0; j < count; ++j) {
        names.nameCodes.push_back({readInteger(in), static_cast<int32_t>(j)});
    }
}

} // namespace

Status parseNames(std::string_view records, const std::string& path, LeagueStructure& league,
                  std::vector<std::string>* shortNames) {
    tMemStream in(records);
    if (readText(in) != "CCNames") {
        return Failure{-27, quotedPath(path)};
    }
    double version = 0;
    try {
        version = readReal(in);
    } catch (const MyException&) {
    }
    if (!(version >= 1.0 && version < 200.0)) {
        return Failure{-2, quotedPath(path)};
    }
    LeagueStructure names;
    std::vector<std::string> third;
    try {
        readBody(in, names, third);
    } catch (const MyException& failure) {
        return Failure{-3, std::string(failure.what()) + " [" + path + "] "};
    }
    league.cityNames = std::move(names.cityNames);
    league.teamNames = std::move(names.teamNames);
    league.nameCodes = std::move(names.nameCodes);
    sortNameCodes(league);
    if (shortNames != nullptr) {
        *shortNames = std::move(third);
    }
    return Ok{};
}

Status LoadNames(const std::string& programDir, const std::string& namesFileName,
                 LeagueStructure& league, std::vector<std::string>* shortNames) {
    std::string path = findFileIgnoringCase(programDir + namesFileName).string();
    // The names file lies in the program directory; a name that leads out of it is damage.
    if (!namesFileName.empty() && !isPlainFileName(namesFileName)) {
        return Failure{-27, quotedPath(path)};
    }
    std::error_code error;
    if (namesFileName.empty() || !std::filesystem::is_regular_file(path, error)) {
        return Failure{-28, quotedPath(path)};
    }
    std::string reason;
    auto records = readDecompressed(path, reason);
    if (!records) {
        return Failure{-3, reason + " [" + path + "] "};
    }
    return parseNames(*records, path, league, shortNames);
}

Status CheckNamesCoverSeason(const LeagueStructure& league, int32_t teamCount,
                             const std::string& path) {
    auto year = parseInteger(std::string_view(league.seasonLabel).substr(0, 4));
    int32_t alignment =
        year ? AlignmentForSeason(league, static_cast<int32_t>(*year), teamCount) : -1;
    if (alignment < 0) {
        return Ok{};
    }
    size_t names = std::min(league.cityNames.size(), league.teamNames.size());
    for (int32_t code : league.alignments[static_cast<size_t>(alignment)].teamCodes) {
        bool named =
            std::any_of(league.nameCodes.begin(), league.nameCodes.end(), [&](const auto& pair) {
                return pair.code == code + 2 && pair.nameIndex >= 0 &&
                       static_cast<size_t>(pair.nameIndex) < names;
            });
        if (!named) {
            return Failure{-27, quotedPath(path)};
        }
    }
    return Ok{};
}

std::string namesRecords(const NamesList& names) {
    RecordWriter out;
    out.text("CCNames");
    out.real(1.0);
    out.text("");
    out.integer(static_cast<int32_t>(names.codes.size()) - 1);
    for (const auto* list : {&names.cityNames, &names.teamNames, &names.shortNames}) {
        out.text("");
        for (size_t j = 0; j < names.codes.size(); ++j) {
            out.text(j < list->size() ? (*list)[j] : std::string());
        }
    }
    out.text("");
    out.integer(0);
    for (int32_t code : names.codes) {
        out.integer(code);
    }
    return out.bytes();
}

} // namespace grd
