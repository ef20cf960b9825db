#include "league/DataLines.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/RankingsFile.h"
#include "league/SeasonAlignment.h"
#include "league/SeasonFileText.h"

#include <cmath>
#include <limits>

namespace grd {

namespace {

constexpr long long kLowest16 = std::numeric_limits<int16_t>::min();
constexpr long long kHighest16 = std::numeric_limits<int16_t>::max();
// Weeks run to 100 + playoff weeks + 1; anything far beyond is damage.
constexpr long long kHighestWeek = 199;
// The writer pads these fields to widths of 5 and 3 with no separator, so a positive
// value that fills its field would run into the one before it and not read back.
constexpr long long kHighestPoints = 9999;
constexpr long long kHighestGames = 99;
constexpr long long kHighestSpread = 99;

struct Loaded {
    tRankings rankings;
    ProgramState state;
    int32_t alignment = -1;
};

void readTeams(DataLines& lines, tRankings& rankings) {
    int32_t count = rankings.teamCount;
    std::vector<bool> placed(static_cast<size_t>(count) + 1, false);
    for (int32_t i = 1; i <= count; ++i) {
        LineValues values = lines.values();
        TeamStats& team = rankings.teams[static_cast<size_t>(i)];
        team.total = values.real();
        team.offense = values.real();
        team.defense = values.real();
        team.winPct = values.real();
        for (int16_t* points : {&team.pointsFor, &team.pointsAgainst}) {
            *points = static_cast<int16_t>(values.integer(kLowest16, kHighestPoints));
        }
        for (int16_t* games : {&team.wins, &team.losses, &team.ties}) {
            *games = static_cast<int16_t>(values.integer(kLowest16, kHighestGames));
        }
        auto ranked = static_cast<int32_t>(values.integer(1, count));
        if (placed[static_cast<size_t>(ranked)]) {
            throw DataFormatError("Team " + std::to_string(ranked) + " is ranked twice");
        }
        placed[static_cast<size_t>(ranked)] = true;
        rankings.rankOrder[static_cast<size_t>(i)] = ranked;
        team.computeAverages();
    }
}

long long readCount(DataLines& lines) {
    return lines.values().integer(0, kMaxSeasonTeams);
}

void readArchiveSections(DataLines& lines, tRankings& rankings) {
    int32_t count = rankings.teamCount;
    for (long long n = readCount(lines); n > 0; --n) {
        LineValues values = lines.values();
        ArchivedScore score;
        score.teamA = static_cast<int32_t>(values.integer(1, count));
        score.scoreA = static_cast<int32_t>(values.integer(0, kEmptyMark));
        score.teamB = static_cast<int32_t>(values.integer(1, count));
        score.scoreB = static_cast<int32_t>(values.integer(0, kEmptyMark));
        rankings.archivedScores.push_back(score);
    }
    for (long long n = readCount(lines); n > 0; --n) {
        LineValues values = lines.values();
        ArchivedSpread spread;
        spread.favourite = static_cast<int32_t>(values.integer(1, count));
        spread.other = static_cast<int32_t>(values.integer(1, count));
        spread.spread = values.real();
        rankings.archivedSpreads.push_back(spread);
    }
    rankings.scoreCount = static_cast<int32_t>(rankings.archivedScores.size());
    rankings.spreadCount = static_cast<int32_t>(rankings.archivedSpreads.size());
}

void readForecasts(DataLines& lines, int32_t teamCount, ProgramState& state) {
    auto count = static_cast<size_t>(readCount(lines));
    state.forecastPairs.assign(2 * count + 1, kEmptyMark);
    state.spreads.assign(count + 1, kNoSpread);
    state.forecastPairs[0] = 0;
    state.spreads[0] = 0.0;
    for (size_t k = 1; k <= count; ++k) {
        LineValues values = lines.values();
        state.forecastPairs[2 * k - 1] = static_cast<int32_t>(values.integer(1, teamCount));
        state.forecastPairs[2 * k] = static_cast<int32_t>(values.integer(1, teamCount));
        state.spreads[k] = values.real();
        if (roundHalfEven(state.spreads[k]) > kHighestSpread) {
            throw DataFormatError("Line " + std::to_string(lines.lineNumber()) + ": the spread " +
                                  std::to_string(roundHalfEven(state.spreads[k])) +
                                  " is out of range");
        }
    }
    state.forecastCount = static_cast<int32_t>(count);
}

int32_t storedAlignment(DataLines& lines, int32_t teamCount, const LeagueStructure& league) {
    auto index = static_cast<int32_t>(lines.values().integer(0, kHighest16));
    if (static_cast<size_t>(index) >= league.alignments.size() ||
        league.alignments[static_cast<size_t>(index)].teamCount != teamCount) {
        throw DataFormatError("Alignment " + std::to_string(index) + " does not exist for " +
                              std::to_string(teamCount) + " teams");
    }
    return index;
}

// Old archives name their season only by the two digits of their extension.
int32_t alignmentOfOldArchive(const std::filesystem::path& file, int32_t teamCount,
                              const LeagueStructure& league) {
    std::string extension = file.extension().string();
    bool digits = extension.size() == 3 && extension[1] >= '0' && extension[1] <= '9' &&
                  extension[2] >= '0' && extension[2] <= '9';
    if (!digits) {
        throw DataFormatError("The file name's extension does not name a season");
    }
    int32_t year = YearOfTwoDigits((extension[1] - '0') * 10 + (extension[2] - '0'));
    int32_t alignment = AlignmentForSeason(league, year, teamCount);
    if (alignment < 0) {
        throw DataFormatError("No alignment of " + std::to_string(teamCount) + " teams for " +
                              std::to_string(year));
    }
    return alignment;
}

// Everything after the kind line; throws DataFormatError.
void readBody(DataLines& lines, const std::filesystem::path& file, int32_t kind,
              const LeagueStructure& league, Loaded& loaded) {
    tRankings& rankings = loaded.rankings;
    ProgramState& state = loaded.state;
    rankings.resize(static_cast<int32_t>(lines.values().integer(1, kMaxSeasonTeams)));
    readTeams(lines, rankings);
    state.previousSortKey = state.sortKey;
    state.sortKey = static_cast<int16_t>(lines.values().integer(1, kSortKeyCount));
    rankings.fileAvgPoints = lines.values().real();
    if (kind == kArchiveKind) {
        readArchiveSections(lines, rankings);
    } else {
        readForecasts(lines, rankings.teamCount, state);
    }
    if (rankings.fileVersion < kCurrentFileVersion) {
        loaded.alignment = alignmentOfOldArchive(file, rankings.teamCount, league);
        return;
    }
    loaded.alignment = storedAlignment(lines, rankings.teamCount, league);
    auto week = static_cast<int32_t>(lines.values().integer(1, kHighestWeek));
    state.loadedWeek = week;
    if (kind == kMainDataKind) {
        state.currentWeek = week;
    }
    rankings.seasonText = std::string(lines.text());
}

} // namespace

Status ReadRankings(const std::filesystem::path& file, int32_t kind, tRankings& rankings,
                    ProgramState& state, LeagueStructure& league) {
    std::filesystem::path actual = findFileIgnoringCase(file);
    std::string bytes;
    if (Status opened = readSeasonFile(actual, bytes); !opened) {
        return Failure{kind == kMainDataKind ? -9 : -16, opened.failure().detail};
    }
    return ParseRankings(bytes, actual, kind, rankings, state, league);
}

Status ParseRankings(std::string_view text, const std::filesystem::path& file, int32_t kind,
                     tRankings& rankings, ProgramState& state, LeagueStructure& league) {
    bool main = kind == kMainDataKind;
    Loaded loaded;
    loaded.state = state;
    loaded.state.forecastCount = 0;
    loaded.state.loadedWeek = kNoWeek;
    loaded.state.clearFlags();
    loaded.rankings.fileName = file.filename().string();
    try {
        DataLines lines(text);
        std::optional<int> version = fileVersionOf(lines.line());
        if (!version || *version < kOldestFileVersion || *version > kNewestFileVersion) {
            return Failure{-18, quotedPath(file.string())};
        }
        loaded.rankings.fileVersion = *version;
        std::string_view kindText = lines.text();
        if (main && (kindText != "MD" || *version < kCurrentFileVersion)) {
            return Failure{-11, quotedPath(file.string())};
        }
        if (!main && kindText != "AD" && kindText != "MD") {
            return Failure{-7, quotedPath(file.string())};
        }
        readBody(lines, file, main ? kMainDataKind : kArchiveKind, league, loaded);
    } catch (const DataFormatError& error) {
        return Failure{main ? -8 : -17, error.what()};
    }
    loaded.rankings.dataKind = main ? kMainDataKind : kArchiveKind;
    rankings = std::move(loaded.rankings);
    state = std::move(loaded.state);
    league.activeAlignment = loaded.alignment;
    return Ok{};
}

} // namespace grd
