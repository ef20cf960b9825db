#include "files/AtomicFile.h"
#include "files/CrLfLines.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/RankingSort.h"
#include "league/RankingsFile.h"
#include "league/SeasonFileText.h"

#include <algorithm>
#include <charconv>

namespace grd {

namespace {

// An integer right-aligned in at least width characters, as "%*d" writes it.
void appendPadded(std::string& text, long long value, int width) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    auto length = static_cast<int>(end - digits);
    if (length < width) {
        text.append(static_cast<size_t>(width - length), ' ');
    }
    text.append(digits, end);
}

std::string teamLine(const tRankings& rankings, int32_t i) {
    const TeamStats& team = rankings.teams[static_cast<size_t>(i)];
    std::string line = FormatReal(team.total) + FormatReal(team.offense) +
                       FormatReal(team.defense) + FormatReal(team.winPct);
    appendPadded(line, team.pointsFor, 5);
    appendPadded(line, team.pointsAgainst, 5);
    for (int32_t value : {int32_t{team.wins}, int32_t{team.losses}, int32_t{team.ties},
                          rankings.rankOrder[static_cast<size_t>(i)]}) {
        appendPadded(line, value, 3);
    }
    return line;
}

// The games of the week whose scores were entered: those before the first game whose
// second score is still empty, all of a full week when none is.
int32_t enteredScoreCount(const ProgramState& state, int32_t scheduleTeamCount) {
    int32_t count = scheduleTeamCount / 2;
    for (int32_t m = 1; 2 * m <= scheduleTeamCount; ++m) {
        if (static_cast<size_t>(2 * m) >= state.scores.size() ||
            state.scores[static_cast<size_t>(2 * m)] == kEmptyMark) {
            count = m - 1;
            break;
        }
    }
    auto held = static_cast<int32_t>(std::min(state.scores.size(), state.scoreTeams.size()) / 2);
    return std::clamp(count, 0, held);
}

void addScores(CrLfLines& lines, const ProgramState& state, int32_t scheduleTeamCount) {
    int32_t count = enteredScoreCount(state, scheduleTeamCount);
    lines.add(cformat("%2d", count));
    for (size_t k = 1; k <= static_cast<size_t>(count); ++k) {
        lines.add(cformat("%3d%4d%3d%4d", state.scoreTeams[2 * k - 1], state.scores[2 * k - 1],
                          state.scoreTeams[2 * k], state.scores[2 * k]));
    }
}

void addForecasts(CrLfLines& lines, const ProgramState& state) {
    auto held = static_cast<int32_t>(
        std::min((state.forecastPairs.size() - 1) / 2, state.spreads.size() - 1));
    int32_t count = std::clamp(state.forecastCount, 0, held);
    lines.add(cformat("%2d", count));
    for (size_t k = 1; k <= static_cast<size_t>(count); ++k) {
        lines.add(cformat("%3d%3d%3lld", state.forecastPairs[2 * k - 1], state.forecastPairs[2 * k],
                          roundHalfEven(state.spreads[k])));
    }
}

std::string shortestReal(double value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void addArchivedSpreads(CrLfLines& lines, const tRankings& rankings) {
    lines.add(cformat("%2zu", rankings.archivedSpreads.size()));
    for (const ArchivedSpread& spread : rankings.archivedSpreads) {
        lines.add(cformat("%3d%3d ", spread.favourite, spread.other) + shortestReal(spread.spread));
    }
}

} // namespace

std::string FormatReal(double value) {
    char buffer[40];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    bool negative = text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    std::string real;
    real.reserve(23);
    real += negative ? '-' : ' ';
    real += text.substr(0, e);
    real += 'E';
    real += text[e + 1];
    appendPadded(real, exponent, 4);
    std::replace(real.end() - 4, real.end(), ' ', '0');
    return real;
}

std::string FormatRankings(int32_t kind, const tRankings& rankings, const ProgramState& state,
                           const LeagueStructure& league, int32_t scheduleTeamCount) {
    CrLfLines lines;
    lines.add(kCurrentVersionText);
    lines.add(kind == kArchiveKind ? "AD" : "MD");
    lines.add(std::to_string(rankings.teamCount));
    for (int32_t i = 1; i <= rankings.teamCount; ++i) {
        lines.add(teamLine(rankings, i));
    }
    lines.add(std::to_string(state.sortKey));
    lines.add(FormatReal(rankings.weekAvgPoints != 0.0 ? rankings.weekAvgPoints
                                                       : rankings.fileAvgPoints));
    if (kind == kArchiveKind) {
        addScores(lines, state, scheduleTeamCount);
    }
    if (kind == kReplacementKind) {
        addArchivedSpreads(lines, rankings);
    } else {
        addForecasts(lines, state);
    }
    lines.add(std::to_string(league.activeAlignment));
    lines.add(cformat("%2d", kind == kReplacementKind ? state.loadedWeek : state.currentWeek));
    lines.add(league.seasonLabel);
    return lines.take();
}

Status WriteRankings(int32_t kind, const std::filesystem::path& file, tRankings& rankings,
                     ProgramState& state, const LeagueStructure& league,
                     int32_t scheduleTeamCount) {
    int error = kind == kMainDataKind ? -21 : -22;
    if (rankings.teams.size() != static_cast<size_t>(rankings.teamCount) + 1 ||
        rankings.rankOrder.size() != rankings.teams.size()) {
        return Failure{error, "The rankings in memory are incomplete"};
    }
    SortRankings(rankings, state.sortKey);
    std::string reason;
    if (!writeFileAtomically(findFileIgnoringCase(file),
                             FormatRankings(kind, rankings, state, league, scheduleTeamCount),
                             &reason)) {
        return Failure{error, reason};
    }
    if (kind == kMainDataKind) {
        state.mainDataSaved = true;
    } else if (kind == kArchiveKind) {
        state.archiveSaved = true;
    }
    return Ok{};
}

std::string ArchiveFileName(const std::string& programDir, int32_t currentWeek,
                            const LeagueStructure& league) {
    int32_t week = currentWeek == kFirstPlayoffWeek ? league.regularWeekCount() : currentWeek - 1;
    return cformat("%sWEEK-%2.2d%s", programDir.c_str(), week, league.seasonSuffix.c_str());
}

} // namespace grd
