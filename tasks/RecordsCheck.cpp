#include "tasks/RecordsCheck.h"

#include "league/Format.h"
#include "records/CsvTable.h"
#include "tasks/GameRange.h"

#include <algorithm>
#include <set>
#include <utility>

namespace grd {

namespace {

using Pairing = std::pair<int, int>; // visiting team, home team

std::string nameOf(const std::map<std::string, int>& teams, int team) {
    for (const auto& [abbreviation, number] : teams) {
        if (number == team) {
            return abbreviation;
        }
    }
    return "team " + std::to_string(team);
}

Status checkTeamsAndWeeks(const std::vector<GameRecord>& records,
                          const std::map<std::string, int>& teams, int lastWeek) {
    for (const auto& record : records) {
        for (const auto& team : {record.awayTeam, record.homeTeam}) {
            if (teams.count(team) == 0) {
                return lineFailure(record.line, record.describe() + ": " + printableField(team) +
                                                    " is not a team of the season");
            }
        }
        if (record.week < 1 || record.week > lastWeek) {
            return lineFailure(record.line, cformat("%s: the season's weeks run from 1 to %d",
                                                    record.describe().c_str(), lastWeek));
        }
    }
    return Ok{};
}

// The schedule's games of a regular week by team numbers.
std::set<Pairing> scheduledGames(const AppState& app, int week) {
    std::set<Pairing> games;
    GameRange range = gamesOfWeek(app.league.weekGameCounts, week);
    const auto& all = app.schedule->games;
    for (int index = range.first; index < range.last && index < static_cast<int>(all.size());
         ++index) {
        const auto& game = all[static_cast<size_t>(index)];
        games.insert({game.visitorCode - 2, game.homeCode - 2});
    }
    return games;
}

Status checkAgainstSchedule(const AppState& app, const std::vector<GameRecord>& records,
                            const std::map<std::string, int>& teams) {
    for (int week = 1; week <= app.league.regularWeekCount(); ++week) {
        auto recorded = recordsOfWeek(records, week);
        if (recorded.empty()) {
            continue;
        }
        std::set<Pairing> scheduled = scheduledGames(app, week);
        for (const auto* record : recorded) {
            if (scheduled.erase({teams.at(record->awayTeam), teams.at(record->homeTeam)}) == 0) {
                return lineFailure(record->line, record->describe() + " is not on the schedule");
            }
        }
        if (!scheduled.empty()) {
            auto [away, home] = *scheduled.begin();
            return Failure{0, cformat("week %d: no record of the scheduled game %s at %s", week,
                                      nameOf(teams, away).c_str(), nameOf(teams, home).c_str())};
        }
    }
    return Ok{};
}

} // namespace

Status checkRecordsForReplay(const AppState& app, const std::vector<GameRecord>& records,
                             const std::map<std::string, int>& teams) {
    const auto* alignment = app.league.active();
    int lastWeek =
        app.league.regularWeekCount() + (alignment == nullptr ? 0 : alignment->playoffWeekCount());
    if (Status checked = checkTeamsAndWeeks(records, teams, lastWeek); !checked) {
        return checked;
    }
    if (Status checked = checkPairings(records); !checked) {
        return checked;
    }
    if (!app.schedule) {
        return Ok{};
    }
    return checkAgainstSchedule(app, records, teams);
}

} // namespace grd
