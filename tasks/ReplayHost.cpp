#include "tasks/ReplayHost.h"

#include "league/FileNames.h"
#include "tasks/ForecastSelection.h"
#include "tasks/QuickScoreEntry.h"
#include "tasks/SlowScoreEntry.h"

#include <set>

namespace grd {

namespace {
constexpr int kMoreForecastsQuestion = 2;
constexpr int kPrintQuestion = 1;
} // namespace

ReplayHost::ReplayHost(AppState& app, const std::vector<GameRecord>& records,
                       std::map<std::string, int> teamsByAbbreviation)
    : app_(app), records_(records), teams_(std::move(teamsByAbbreviation)) {}

void ReplayHost::showError(const Failure& failure) {
    if (!problem_) {
        problem_ = failure;
    }
}

bool ReplayHost::confirmYesNo(int code) {
    return code != kMoreForecastsQuestion && code != kPrintQuestion;
}

WeeklyTaskHost::Reply ReplayHost::confirmYesNoCancel(int) {
    return Reply::Yes;
}

std::optional<GameRange> ReplayHost::forecastGames(int week) {
    return gamesOfWeek(app_.league.weekGameCounts, week);
}

std::optional<GameRange> ReplayHost::scoreGames(int week) {
    return gamesOfWeek(app_.league.weekGameCounts, week - 1);
}

std::optional<std::string> ReplayHost::archivePath(const std::string& offeredName) {
    // The offered name comes from the league file; it must not lead out of the directory.
    if (!isPlainFileName(offeredName)) {
        return std::nullopt;
    }
    chosenArchive_ = offeredName;
    return app_.programDir + offeredName;
}

bool ReplayHost::fail(std::string detail) {
    if (!problem_) {
        problem_ = Failure{0, std::move(detail)};
    }
    return false;
}

int ReplayHost::teamOf(const std::string& abbreviation) const {
    auto found = teams_.find(abbreviation);
    return found == teams_.end() ? kEmptyMark : found->second;
}

std::string ReplayHost::abbreviationOf(int team) const {
    for (const auto& [abbreviation, number] : teams_) {
        if (number == team) {
            return abbreviation;
        }
    }
    return "team " + std::to_string(team);
}

const GameRecord* ReplayHost::recordOf(const std::vector<const GameRecord*>& week, int away,
                                       int home) const {
    for (const auto* record : week) {
        if (teamOf(record->awayTeam) == away && teamOf(record->homeTeam) == home) {
            return record;
        }
    }
    return nullptr;
}

bool ReplayHost::enterScores(ScoreEntry kind) {
    return kind == ScoreEntry::Quick ? enterQuick() : enterStepByStep();
}

// The schedule's games of the week, each with the scores of its record.
bool ReplayHost::enterQuick() {
    if (!app_.rankings || !app_.schedule) {
        return false;
    }
    auto week = recordsOfWeek(records_, entry_);
    QuickScoreEntry entry({*app_.rankings, app_.program, app_.league, app_.schedule->teamCount});
    std::set<const GameRecord*> matched;
    while (entry.entering()) {
        const auto* record = recordOf(week, entry.team1(), entry.team2());
        if (record == nullptr) {
            return fail("week " + std::to_string(entry_) + ": no record of the scheduled game " +
                        abbreviationOf(entry.team1()) + " at " + abbreviationOf(entry.team2()));
        }
        if (!record->scored()) {
            return fail(record->describe() + " has no score");
        }
        matched.insert(record);
        if (entry.acceptGame(std::to_string(*record->awayScore),
                             std::to_string(*record->homeScore))) {
            return fail(record->describe() + ": score refused");
        }
    }
    for (const auto* record : week) {
        if (matched.count(record) == 0) {
            return fail(record->describe() + " is not on the schedule");
        }
    }
    return !entry.done();
}

// The round's records in order, visiting team first.
bool ReplayHost::enterStepByStep() {
    if (!app_.rankings || !app_.schedule) {
        return false;
    }
    SlowScoreEntry entry({*app_.rankings, app_.program, app_.league, app_.schedule->teamCount});
    for (const auto* record : recordsOfWeek(records_, entry_)) {
        if (!record->scored()) {
            return fail(record->describe() + " has no score");
        }
        if (!entry.entering() || !entry.pick(teamOf(record->awayTeam)) ||
            !entry.pick(teamOf(record->homeTeam)) ||
            entry.enterGame(std::to_string(*record->awayScore),
                            std::to_string(*record->homeScore))) {
            return fail(record->describe() + " cannot be entered");
        }
    }
    if (entry.entering()) {
        entry.allGamesEntered();
    }
    if (entry.entering()) {
        return fail("week " + std::to_string(entry_) + ": too few games for the round");
    }
    return !entry.done();
}

// The next round's pairings from the records, when they hold them.
bool ReplayHost::chooseForecasts() {
    if (!app_.rankings || !app_.schedule) {
        return false;
    }
    ForecastSelection selection(
        {*app_.rankings, app_.program, app_.league, app_.schedule->teamCount});
    auto next = recordsOfWeek(records_, entry_ + 1);
    for (const auto* record : next) {
        if (selection.full() || !selection.pick(teamOf(record->awayTeam)) ||
            !selection.pick(teamOf(record->homeTeam)) || selection.forecastGame()) {
            break;
        }
    }
    if (!next.empty() && selection.doneEnabled()) {
        return true;
    }
    if (selection.cancelQuestion() != 0) {
        selection.discard();
    }
    return false;
}

} // namespace grd
