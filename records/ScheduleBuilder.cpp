#include "records/ScheduleBuilder.h"

#include "league/DayCount.h"
#include "league/Format.h"
#include "league/ScheduleFile.h"
#include "records/CsvTable.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace grd {

namespace {

constexpr const char* kRounds[] = {"WC", "DIV", "CON", "SB"};
constexpr int kMaxGamesPerWeek = 99; // two characters in the week counts text

std::optional<CalendarTime> kickoffOf(std::string_view gameday, std::string_view gametime) {
    CalendarTime time;
    if (gameday.size() != 10 || gameday[4] != '-' || gameday[7] != '-') {
        return std::nullopt;
    }
    auto year = parseInteger(gameday.substr(0, 4));
    auto month = parseInteger(gameday.substr(5, 2));
    auto day = parseInteger(gameday.substr(8, 2));
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) {
        return std::nullopt;
    }
    time.year = static_cast<int>(*year);
    time.month = static_cast<int>(*month);
    time.day = static_cast<int>(*day);
    if (gametime.empty()) {
        return time;
    }
    size_t colon = gametime.find(':');
    auto hour = parseInteger(gametime.substr(0, colon));
    auto minute =
        colon == std::string_view::npos ? std::nullopt : parseInteger(gametime.substr(colon + 1));
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    time.hour = static_cast<int>(*hour);
    time.minute = static_cast<int>(*minute);
    return time;
}

Result<ScheduledGame> gameAt(int line, std::string_view gameday, std::string_view gametime,
                             int32_t visitor, int32_t home) {
    auto kickoff = kickoffOf(gameday, gametime);
    if (!kickoff) {
        return lineFailure(line, "the day or time is not YYYY-MM-DD and HH:MM");
    }
    ScheduledGame game{visitor, home, 0, dayCountOf(*kickoff)};
    if (gametime.empty()) {
        game.flags |= kKickoffToBeAnnounced;
    }
    return game;
}

int roundOf(const std::string& gameType) {
    auto found = std::find(std::begin(kRounds), std::end(kRounds), gameType);
    return found == std::end(kRounds) ? -1 : static_cast<int>(found - std::begin(kRounds));
}

// The season of the records: the year in which its first game is played.
Result<int> seasonOf(const std::vector<GameRecord>& games) {
    for (const auto& game : games) {
        if (game.gameType == "REG") {
            auto kickoff = kickoffOf(game.gameday, "");
            if (!kickoff) {
                return lineFailure(game.line, "the day is not YYYY-MM-DD");
            }
            return kickoff->year;
        }
    }
    return Failure{0, "the records hold no regular-season game"};
}

// The playoff games the records hold, as slots of their home team's conference.
Result<std::vector<PlayoffSlot>> slotsOfRecords(const std::vector<GameRecord>& games,
                                                const std::vector<TeamEra>& eras, int season) {
    auto conferences = conferencesOfSeason(eras, season);
    std::vector<PlayoffSlot> slots;
    for (const auto& game : games) {
        if (game.gameType == "REG") {
            continue;
        }
        auto visitor = conferences.find(game.awayTeam);
        auto home = conferences.find(game.homeTeam);
        if (visitor == conferences.end() || home == conferences.end()) {
            return lineFailure(game.line, "a team of " + game.describe() + " did not play in " +
                                              std::to_string(season));
        }
        slots.push_back({game.week, game.gameType, game.gameday, game.gametime, visitor->second,
                         home->second, game.line});
    }
    return slots;
}

int32_t placeholderCode(const std::string& conference) {
    return conference == "NFC" ? kNfcPlaceholderCode : kAfcPlaceholderCode;
}

// The regular-season games in week order, each week's in the records' order.
std::vector<const GameRecord*> regularGamesByWeek(const std::vector<GameRecord>& games) {
    std::vector<const GameRecord*> regular;
    for (const auto& game : games) {
        if (game.gameType == "REG") {
            regular.push_back(&game);
        }
    }
    std::stable_sort(regular.begin(), regular.end(),
                     [](const GameRecord* a, const GameRecord* b) { return a->week < b->week; });
    return regular;
}

Status addRegularGames(const std::vector<GameRecord>& games, const std::vector<TeamEra>& eras,
                       int season, tSchedule70& schedule, std::vector<int32_t>& weekCounts) {
    auto numbers = teamNumbersOfSeason(eras, season);
    std::vector<const GameRecord*> regular = regularGamesByWeek(games);
    for (const GameRecord* record : regular) {
        auto visitor = numbers.find(record->awayTeam);
        auto home = numbers.find(record->homeTeam);
        if (visitor == numbers.end() || home == numbers.end()) {
            return lineFailure(record->line, "a team of " + record->describe() +
                                                 " did not play in " + std::to_string(season));
        }
        auto game = gameAt(record->line, record->gameday, record->gametime, visitor->second + 2,
                           home->second + 2);
        if (!game) {
            return game.failure();
        }
        schedule.games.push_back(game.value());
        weekCounts.resize(std::max(weekCounts.size(), static_cast<size_t>(record->week)));
        if (++weekCounts[static_cast<size_t>(record->week) - 1] > kMaxGamesPerWeek) {
            return lineFailure(record->line, "more than 99 games in one week");
        }
    }
    return Ok{};
}

// Regular weeks run from 1 with no week missing, so a stray week number cannot make a
// schedule of empty weeks; the playoff rounds take the weeks after them.
Status checkWeeks(const std::vector<GameRecord>& games) {
    std::vector<const GameRecord*> regular = regularGamesByWeek(games);
    int last = 0;
    for (const GameRecord* record : regular) {
        if (record->week != last && record->week != last + 1) {
            return lineFailure(record->line, last == 0 ? "regular weeks count from 1"
                                                       : cformat("week %d follows week %d with "
                                                                 "no games between",
                                                                 record->week, last));
        }
        last = record->week;
    }
    constexpr int kRoundCount = static_cast<int>(std::size(kRounds));
    for (const auto& game : games) {
        if (roundOf(game.gameType) >= 0 && (game.week <= last || game.week > last + kRoundCount)) {
            return lineFailure(game.line,
                               cformat("%s: playoff weeks run from %d to %d",
                                       game.describe().c_str(), last + 1, last + kRoundCount));
        }
    }
    return Ok{};
}

Status addPlayoffGames(std::vector<PlayoffSlot> slots, tSchedule70& schedule) {
    std::stable_sort(slots.begin(), slots.end(), [](const PlayoffSlot& a, const PlayoffSlot& b) {
        return roundOf(a.gameType) < roundOf(b.gameType);
    });
    int previousRound = -1;
    for (const auto& slot : slots) {
        int round = roundOf(slot.gameType);
        if (round < 0) {
            return lineFailure(slot.line, "unknown playoff round " + slot.gameType);
        }
        auto game =
            gameAt(slot.line, slot.gameday, slot.gametime, placeholderCode(slot.visitorConference),
                   placeholderCode(slot.homeConference));
        if (!game) {
            return game.failure();
        }
        if (round != previousRound) {
            game.value().flags |= kSectionFlags[round];
            previousRound = round;
        }
        schedule.games.push_back(game.value());
    }
    return Ok{};
}

} // namespace

Result<std::vector<PlayoffSlot>> parsePlayoffSlots(std::string_view text) {
    auto table = CsvTable::parse(text, {"game_type", "week", "gameday", "gametime", "conference"});
    if (!table) {
        return table.failure();
    }
    std::vector<PlayoffSlot> slots;
    for (const auto& row : table.value().rows()) {
        auto week = parseInteger(table.value().field(row, "week"));
        if (!week || *week < 1 || *week > 99) {
            return lineFailure(row.line, "the week is not a number");
        }
        std::string conference(table.value().field(row, "conference"));
        if (!conference.empty() && conference != "AFC" && conference != "NFC") {
            return lineFailure(row.line, "unknown conference " + conference);
        }
        PlayoffSlot slot{static_cast<int>(*week),
                         std::string(table.value().field(row, "game_type")),
                         std::string(table.value().field(row, "gameday")),
                         std::string(table.value().field(row, "gametime")),
                         conference.empty() ? "AFC" : conference,
                         conference.empty() ? "NFC" : conference,
                         row.line};
        slots.push_back(std::move(slot));
    }
    return slots;
}

Result<tSchedule70> buildSchedule(const std::vector<GameRecord>& games,
                                  const std::vector<PlayoffSlot>& slots,
                                  const std::vector<TeamEra>& eras, const std::string& title) {
    auto season = seasonOf(games);
    if (!season) {
        return season.failure();
    }
    if (!namedAsToday(eras, season.value())) {
        return Failure{0, "the teams of " + std::to_string(season.value()) +
                              " are not today's, whose names the schedule's codes give"};
    }
    for (Status checked : {checkPairings(games), checkWeeks(games)}) {
        if (!checked) {
            return checked.failure();
        }
    }
    tSchedule70 schedule;
    schedule.title = title.empty() ? std::to_string(season.value()) + " Schedule" : title;
    schedule.namesFileName = kNamesFileName;
    schedule.declaredTeamCount =
        static_cast<int32_t>(teamNumbersOfSeason(eras, season.value()).size());
    schedule.roundHeadings = {"Wild Card", "Division", "Championship", "Super Bowl", ""};
    std::vector<int32_t> weekCounts;
    if (Status added = addRegularGames(games, eras, season.value(), schedule, weekCounts); !added) {
        return added.failure();
    }
    auto recorded = slotsOfRecords(games, eras, season.value());
    if (!recorded) {
        return recorded.failure();
    }
    // A schedule without its playoff rounds has no conference placeholders, which
    // every reader counts on; the slots file gives the rounds before they are played.
    if (recorded.value().empty() && slots.empty()) {
        return Failure{0, "the records hold no playoff games: give the playoff slots of " +
                              std::to_string(season.value()) + " with --slots"};
    }
    if (Status added =
            addPlayoffGames(recorded.value().empty() ? slots : recorded.value(), schedule);
        !added) {
        return added.failure();
    }
    schedule.weekCountsText = weekCountsTextOf(weekCounts);
    return schedule;
}

} // namespace grd
