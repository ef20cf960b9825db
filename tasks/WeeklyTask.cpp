#include "tasks/WeeklyTask.h"

#include "league/FileNames.h"
#include "league/RankingsFile.h"
#include "league/SpreadForecast.h"
#include "state/MainDataVersion.h"
#include "tasks/WeekEntries.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace grd {

namespace {
constexpr const char* kNoFileCaption = "GRD Oddsmith 7.18: No File Loaded";
constexpr const char* kFileCaption = "GRD Oddsmith 7.18: ";

// Question codes of the weekly task.
constexpr int kPrintQuestion = 1;
constexpr int kMoreForecastsQuestion = 2;
constexpr int kSaveForecastsQuestion = 3;
constexpr int kSaveAllQuestion = 4;
constexpr int kSaveRankingsQuestion = 5;
} // namespace

int32_t countGames(const std::vector<int32_t>& list, int32_t teamCount) {
    for (int32_t k = 2; k <= teamCount && k < static_cast<int32_t>(list.size()); k += 2) {
        if (list[static_cast<size_t>(k)] == kEmptyMark) {
            return k / 2 - 1;
        }
    }
    return teamCount / 2;
}

int WeeklyTask::currentWeekOfEntry(int entry, int regularWeeks) {
    return entry + 1 > regularWeeks ? entry - regularWeeks + kFirstPlayoffWeek : entry + 1;
}

int WeeklyTask::playoffWeeks() const {
    const auto* alignment = app_.league.active();
    return alignment == nullptr ? 0 : alignment->playoffWeekCount();
}

int WeeklyTask::unsavedQuestion() const {
    const auto& state = app_.program;
    int week = state.currentWeek;
    if (!state.rankingsUpdated) {
        return 101;
    }
    if (week >= 2 && week <= regularWeeks()) {
        return 103;
    }
    if (week == kFirstPlayoffWeek + playoffWeeks()) {
        return 102;
    }
    return state.spreadsForecast ? 103 : 102;
}

WeeklyTaskHost::Reply WeeklyTask::AskSaveUnsaved() {
    auto reply = host_.confirmYesNoCancel(unsavedQuestion());
    if (reply != WeeklyTaskHost::Reply::Yes) {
        return reply;
    }
    if (app_.program.currentWeek <= kFirstPlayoffWeek) {
        SaveWeek();
        return reply;
    }
    return SaveWeekAs();
}

std::string WeeklyTask::offeredArchiveName() const {
    int week = app_.program.currentWeek;
    if (week > kFirstPlayoffWeek + playoffWeeks()) {
        return {};
    }
    int entry = week - (kFirstPlayoffWeek + 1);
    if (entry < 0 || entry >= static_cast<int>(app_.league.playoffWeekNames.size())) {
        return {};
    }
    return app_.league.playoffWeekNames[static_cast<size_t>(entry)] + app_.league.seasonSuffix;
}

// The week may be saved only over the main data file it was read from, and not at all
// in a data directory another process writes; otherwise the data may go elsewhere.
bool WeeklyTask::mayWriteMainData() {
    auto refusal = mainDataWriteRefusal(app_);
    if (!refusal) {
        return true;
    }
    host_.showError(*refusal);
    if (auto elsewhere = host_.mainDataPath(); elsewhere) {
        if (auto status = WriteRankings(kMainDataKind, *elsewhere, *app_.rankings, app_.program,
                                        app_.league, app_.schedule->teamCount);
            !status) {
            host_.showError(status.failure());
        }
    }
    return false;
}

// The archive goes first and the main data file last: the main data file is the
// commit point, so a week whose main data file stands always has its archive.
void WeeklyTask::writeWeek(const std::string& archivePath) {
    if (!app_.rankings || !app_.schedule) {
        return;
    }
    if (!mayWriteMainData()) {
        return;
    }
    auto teams = app_.schedule->teamCount;
    auto& state = app_.program;
    if (auto status =
            WriteRankings(kArchiveKind, archivePath, *app_.rankings, state, app_.league, teams);
        !status) {
        host_.showError(status.failure());
        return;
    }
    auto main = std::filesystem::path(app_.programDir) / kMainDataFileName;
    if (auto status = WriteRankings(kMainDataKind, findFileIgnoringCase(main), *app_.rankings,
                                    state, app_.league, teams);
        !status) {
        // The week is not saved until the main data file is: the close query offers it again.
        state.archiveSaved = false;
        host_.showError(status.failure());
        return;
    }
    noteMainDataOnDisk(app_);
}

void WeeklyTask::SaveWeek() {
    writeWeek(ArchiveFileName(app_.programDir, app_.program.currentWeek, app_.league));
}

WeeklyTaskHost::Reply WeeklyTask::SaveWeekAs() {
    auto path = host_.archivePath(offeredArchiveName());
    if (!path) {
        return WeeklyTaskHost::Reply::Cancel;
    }
    writeWeek(*path);
    return WeeklyTaskHost::Reply::Yes;
}

// The chooser's entry the main data file on disk stands at; none when it cannot be
// read (the task's own read then says why).
std::optional<int> WeeklyTask::entryOfMainData() const {
    tRankings rankings;
    ProgramState state;
    auto main = findFileIgnoringCase(std::filesystem::path(app_.programDir) / kMainDataFileName);
    if (!ReadRankings(main, kMainDataKind, rankings, state, app_.league)) {
        return std::nullopt;
    }
    return entryOfCurrentWeek(state.currentWeek, regularWeeks());
}

// Scores the main data file holds already would be posted a second time.
bool WeeklyTask::mayEnterAgain(int entry, std::optional<int> standsAt) {
    int lastScored = regularWeeks() + playoffWeeks();
    if (!standsAt || entry < 1 || entry > lastScored || entry > *standsAt) {
        return true;
    }
    return host_.confirmQuestion(kRepeatedWeekQuestion,
                                 repeatedWeekQuestion(weekEntryName(*standsAt, app_.league),
                                                      weekEntryName(entry, app_.league)));
}

void WeeklyTask::run() {
    if (HasUnsavedData() && AskSaveUnsaved() == WeeklyTaskHost::Reply::Cancel) {
        return;
    }
    auto standsAt = entryOfMainData();
    auto entry = host_.chooseWeek(standsAt.value_or(-1));
    if (!entry || !mayEnterAgain(*entry, standsAt) || !loadWeek(*entry)) {
        return;
    }
    finishWeek();
}

void WeeklyTask::fillGames(std::vector<int32_t>& list, std::optional<GameRange> range) {
    if (!range || !app_.schedule) {
        return;
    }
    const auto& games = app_.schedule->games;
    int position = 1;
    for (int index = std::max(0, range->first); index < range->last; ++index) {
        if (index >= static_cast<int>(games.size()) ||
            position + 1 >= static_cast<int>(list.size())) {
            break;
        }
        list[static_cast<size_t>(position)] = games[static_cast<size_t>(index)].visitorCode - 2;
        list[static_cast<size_t>(position + 1)] = games[static_cast<size_t>(index)].homeCode - 2;
        position += 2;
    }
}

// Steps up to the new current week: the data is read afresh from the main data file
// and the week's game lists are made from the schedule. False ends the task.
bool WeeklyTask::loadWeek(int entry) {
    host_.closeDisplayWindows();
    app_.rankings.reset();
    host_.setBusy(true);
    auto rankings = std::make_unique<tRankings>();
    // Whatever was unsaved went with the old data, also when the read fails.
    app_.program.clearFlags();
    auto main = findFileIgnoringCase(std::filesystem::path(app_.programDir) / kMainDataFileName);
    auto read = ReadRankings(main, kMainDataKind, *rankings, app_.program, app_.league);
    host_.setBusy(false);
    if (!read) {
        host_.showError(read.failure());
        host_.setCaption(kNoFileCaption);
        return false;
    }
    app_.rankings = std::move(rankings);
    noteMainDataOnDisk(app_);
    weekOnDisk_ = app_.program.currentWeek;
    if (!app_.schedule || app_.schedule->teamCount != app_.rankings->teamCount) {
        host_.showError({-19, {}});
        return false;
    }
    auto teams = app_.schedule->teamCount;
    auto& state = app_.program;
    state.prepareWeekLists(teams);
    int weeks = regularWeeks();
    if (entry <= weeks) {
        if (entry >= 1) {
            fillGames(state.scoreTeams, host_.scoreGames(entry + 1));
        }
        if (entry < weeks) {
            fillGames(state.forecastPairs, host_.forecastGames(entry + 1));
        }
    }
    host_.layoutAvailable();
    host_.setCaption(kFileCaption + main.filename().string());
    if (entry <= weeks) {
        state.forecastGameCount = countGames(state.forecastPairs, teams);
        state.scoreGameCount = countGames(state.scoreTeams, teams);
    }
    state.currentWeek = currentWeekOfEntry(entry, weeks);
    return true;
}

bool WeeklyTask::saveQuestion(int code, bool saveAs) {
    if (!host_.confirmYesNo(code)) {
        return false;
    }
    if (saveAs) {
        SaveWeekAs();
    } else {
        SaveWeek();
    }
    return true;
}

// Scores of "Other" that are exactly the games of a scheduled week the data does not
// hold yet count as that week: the season advances and the next week is forecast.
bool WeeklyTask::countAsScheduledWeek() {
    auto& state = app_.program;
    auto teams = app_.schedule->teamCount;
    auto pairsOf = [](const std::vector<int32_t>& list, int32_t games) {
        std::vector<std::pair<int32_t, int32_t>> pairs;
        for (int32_t k = 1; k <= games && 2 * k < static_cast<int32_t>(list.size()); ++k) {
            auto a = list[static_cast<size_t>(2 * k - 1)];
            auto b = list[static_cast<size_t>(2 * k)];
            pairs.emplace_back(std::min(a, b), std::max(a, b));
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    };
    const auto entered = pairsOf(state.scoreTeams, state.scoreGameCount);
    int weeks = regularWeeks();
    for (int week = std::max(1, weekOnDisk_); week <= weeks; ++week) {
        std::vector<int32_t> scheduled(state.scoreTeams.size(), kEmptyMark);
        fillGames(scheduled, host_.scoreGames(week + 1));
        if (pairsOf(scheduled, countGames(scheduled, teams)) != entered) {
            continue;
        }
        state.currentWeek = currentWeekOfEntry(week, weeks);
        if (week < weeks) {
            fillGames(state.forecastPairs, host_.forecastGames(week + 1));
            state.forecastGameCount = countGames(state.forecastPairs, teams);
        }
        return true;
    }
    return false;
}

void WeeklyTask::finishWeek() {
    auto& state = app_.program;
    auto& rankings = *app_.rankings;
    int final = kFirstPlayoffWeek + playoffWeeks();
    if (state.currentWeek > 1) {
        auto kind = state.currentWeek <= kFirstPlayoffWeek ? WeeklyTaskHost::ScoreEntry::Quick
                                                           : WeeklyTaskHost::ScoreEntry::StepByStep;
        if (!host_.enterScores(kind)) {
            return;
        }
    }
    if (state.currentWeek > final && !countAsScheduledWeek() &&
        !host_.confirmQuestion(kWeekStaysQuestion, weekStaysQuestion())) {
        return;
    }
    int week = state.currentWeek;
    if (week < kFirstPlayoffWeek) {
        if (state.forecastGameCount >= 1) {
            ForecastScheduledGames(rankings, state);
        }
        if (host_.confirmYesNo(kMoreForecastsQuestion)) {
            host_.chooseForecasts();
        }
        host_.restoreLayout();
        saveQuestion(week == 1 ? kSaveForecastsQuestion : kSaveAllQuestion, false);
    } else if (week == final) {
        host_.restoreLayout();
        saveQuestion(kSaveRankingsQuestion, true);
    } else {
        bool chosen = host_.chooseForecasts();
        host_.restoreLayout();
        saveQuestion(chosen ? kSaveAllQuestion : kSaveRankingsQuestion, week != kFirstPlayoffWeek);
    }
    if (host_.confirmYesNo(kPrintQuestion)) {
        host_.printReports();
    }
}

} // namespace grd
