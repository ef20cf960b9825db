#include "league/ScheduleFile.h"

#include "codec/MyException.h"
#include "codec/RecordReaders.h"
#include "files/Printable.h"
#include "league/DayCount.h"
#include "league/DecompressedFile.h"
#include "league/FileNames.h"
#include "league/Format.h"
#include "league/RecordWriter.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

namespace grd {

namespace {

constexpr int kGameRecordBytes = 20;
// Codes index a table of declared + 5 entries; a larger count is a damaged file.
constexpr int32_t kMaxDeclaredTeams = 10000;
// Codes 1 and 2 stand for a conference's team not known yet; team t has code t + 2.
constexpr int32_t kFirstTeamCode = 3;
// Kick-offs lie between 30 Dec 1899 and the end of 9999; others are damage.
constexpr double kLastKickoff = 2958466.0;

struct Corrupt {};

Failure corrupt(const std::string& path) {
    return {-20, quotedPath(path)};
}

int32_t twoCharacterNumber(std::string_view text, size_t at) {
    std::string_view group = at < text.size() ? text.substr(at, 2) : std::string_view();
    auto value = group.size() == 2 ? parseInteger(group) : std::nullopt;
    if (!value || *value < 0) {
        throw MyException("'" + std::string(group) + "' is not a valid week count");
    }
    return static_cast<int32_t>(*value);
}

// "(" N, then N two-character groups; only the presence of ")" is required.
std::vector<int32_t> parseWeekCounts(const std::string& text) {
    size_t open = text.find('(');
    if (open == std::string::npos || text.find(')') == std::string::npos) {
        throw Corrupt();
    }
    std::vector<int32_t> counts{twoCharacterNumber(text, open + 1)};
    for (int32_t week = 1; week <= counts[0]; ++week) {
        counts.push_back(twoCharacterNumber(text, open + 1 + 2 * static_cast<size_t>(week)));
    }
    return counts;
}

void readGames(tMemStream& in, tSchedule70& schedule) {
    int32_t count = readInteger(in);
    if (count < 0 || static_cast<size_t>(count) > in.remaining() / kGameRecordBytes) {
        throw MyException("The schedule does not hold its " + std::to_string(count) + " games");
    }
    schedule.games.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        ScheduledGame game;
        game.visitorCode = readInteger(in);
        game.homeCode = readInteger(in);
        game.flags = readInteger(in);
        game.kickoff = readReal(in);
        schedule.games.push_back(game);
    }
}

// Every code indexes the team count table; a regular week range must stay inside
// the games, since the weekly task takes its games by those ranges.
bool consistent(const tSchedule70& schedule, const std::vector<int32_t>& weekCounts) {
    if (schedule.declaredTeamCount < 0 || schedule.declaredTeamCount > kMaxDeclaredTeams) {
        return false;
    }
    for (const auto& game : schedule.games) {
        for (int32_t code : {game.visitorCode, game.homeCode}) {
            if (code < 0 || code > schedule.declaredTeamCount + 4) {
                return false;
            }
        }
    }
    long long regularGames = std::accumulate(weekCounts.begin() + 1, weekCounts.end(), 0LL);
    return regularGames <= static_cast<long long>(schedule.games.size());
}

// A regular week's game must be between two teams, since it is posted and forecast;
// every kick-off must be a date, since the season's texts and file names come from it.
// Throws MyException naming the game.
void checkGames(const tSchedule70& schedule, const std::vector<int32_t>& weekCounts) {
    size_t index = 0;
    for (size_t week = 1; week < weekCounts.size(); ++week) {
        for (int32_t game = 1; game <= weekCounts[week]; ++game, ++index) {
            const ScheduledGame& held = schedule.games[index];
            if (held.visitorCode < kFirstTeamCode || held.homeCode < kFirstTeamCode) {
                throw MyException("Game " + std::to_string(game) + " of week " +
                                  std::to_string(week) + " is not between two teams");
            }
        }
    }
    for (size_t k = 0; k < schedule.games.size(); ++k) {
        double kickoff = schedule.games[k].kickoff;
        if (!(kickoff >= 0.0 && kickoff < kLastKickoff)) {
            throw MyException("Game " + std::to_string(k + 1) + " has no valid kick-off");
        }
    }
}

void countTeams(tSchedule70& schedule) {
    std::vector<bool> used(static_cast<size_t>(schedule.declaredTeamCount) + 5);
    for (const auto& game : schedule.games) {
        used[static_cast<size_t>(game.visitorCode)] = true;
        used[static_cast<size_t>(game.homeCode)] = true;
    }
    auto distinct = static_cast<int32_t>(std::count(used.begin(), used.end(), true));
    // A schedule of no games has no teams, rather than a negative count.
    schedule.teamCount = std::max(0, distinct - 2);
    schedule.gamesPerWeek = schedule.teamCount / 2;
}

void setSeasonTexts(const tSchedule70& schedule, LeagueStructure& league) {
    if (schedule.games.empty()) {
        league.seasonLabel.clear();
        league.seasonSuffix.clear();
        return;
    }
    int first = calendarTimeOf(schedule.games.front().kickoff).year;
    int last = calendarTimeOf(schedule.games.back().kickoff).year;
    league.seasonSuffix = cformat(".%02d", first % 100);
    league.seasonLabel = cformat("%04d-%02d", first, last % 100);
}

Status parseBody(tMemStream& in, const std::string& path, tSchedule70& schedule,
                 std::vector<int32_t>& weekCounts) {
    try {
        schedule.title = readText(in);
        readInteger(in);
        readText(in);
        schedule.namesFileName = readText(in);
        schedule.declaredTeamCount = readInteger(in);
        readText(in);
        for (auto& heading : schedule.roundHeadings) {
            heading = readText(in);
        }
        schedule.weekCountsText = readText(in);
        weekCounts = parseWeekCounts(schedule.weekCountsText);
        readGames(in, schedule);
    } catch (const MyException& failure) {
        return Failure{-5, failure.what() + quotedPath(path)};
    } catch (const Corrupt&) {
        return corrupt(path);
    }
    if (!consistent(schedule, weekCounts)) {
        return corrupt(path);
    }
    // The names file is opened by this name, so it must stay inside the program directory.
    if (!isPlainFileName(schedule.namesFileName)) {
        return Failure{-20, "the names file name \"" + printable(schedule.namesFileName) +
                                "\" cannot name a file" + quotedPath(path)};
    }
    try {
        checkGames(schedule, weekCounts);
    } catch (const MyException& failure) {
        return Failure{-20, failure.what() + quotedPath(path)};
    }
    return Ok{};
}

} // namespace

Status parseSchedule(std::string_view records, const std::string& path, tSchedule70& schedule,
                     LeagueStructure& league) {
    tMemStream in(records);
    if (readText(in) != "CCSchedule") {
        return corrupt(path);
    }
    double version = 0;
    try {
        version = readReal(in);
    } catch (const MyException&) {
    }
    if (!(version >= 1.0 && version < 2.0)) {
        return Failure{-4, quotedPath(path)};
    }
    tSchedule70 loaded;
    std::vector<int32_t> weekCounts;
    if (Status status = parseBody(in, path, loaded, weekCounts); !status) {
        return status;
    }
    countTeams(loaded);
    setSeasonTexts(loaded, league);
    league.weekGameCounts = std::move(weekCounts);
    loaded.loaded = true;
    schedule = std::move(loaded);
    return Ok{};
}

Status LoadSchedule(const std::string& programDir, tSchedule70& schedule, LeagueStructure& league) {
    std::string path = findFileIgnoringCase(programDir, kScheduleFileName).string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Failure{-6, quotedPath(path)};
    }
    std::string reason;
    auto records = readDecompressed(path, reason);
    if (!records) {
        return Failure{-5, reason + quotedPath(path)};
    }
    return parseSchedule(*records, path, schedule, league);
}

std::string weekCountsTextOf(const std::vector<int32_t>& gamesPerWeek) {
    std::string text = cformat("(%2d", static_cast<int>(gamesPerWeek.size()));
    for (int32_t games : gamesPerWeek) {
        text += cformat("%2d", games);
    }
    return text + ")";
}

std::string scheduleRecords(const tSchedule70& schedule) {
    RecordWriter out;
    out.text("CCSchedule");
    out.real(1.0);
    out.text(schedule.title);
    out.integer(0);
    out.text("");
    out.text(schedule.namesFileName);
    out.integer(schedule.declaredTeamCount);
    out.text("");
    for (const auto& heading : schedule.roundHeadings) {
        out.text(heading);
    }
    out.text(schedule.weekCountsText);
    out.integer(static_cast<int32_t>(schedule.games.size()));
    for (const auto& game : schedule.games) {
        out.integer(game.visitorCode);
        out.integer(game.homeCode);
        out.integer(game.flags);
        out.real(game.kickoff);
    }
    return out.bytes();
}

} // namespace grd
