#pragma once

#include "records/GameRecords.h"
#include "state/AppState.h"
#include "tasks/WeeklyTaskHost.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace grd {

// Answers the weekly task as a user who enters each week's scores from the game
// records, forecasts the playoff pairings the records hold, saves every week under
// the names offered and prints nothing.
class ReplayHost : public WeeklyTaskHost {
public:
    ReplayHost(AppState& app, const std::vector<GameRecord>& records,
               std::map<std::string, int> teamsByAbbreviation);

    // The week chooser's entry of the next task.
    void setEntry(int entry) { entry_ = entry; }
    // What stopped the last task, when something did: an error or a game the records
    // cannot give.
    const std::optional<Failure>& problem() const { return problem_; }
    void clearProblem() { problem_.reset(); }
    // The archive written by the last save under a chosen name.
    const std::string& chosenArchive() const { return chosenArchive_; }

    void showError(const Failure& failure) override;
    bool confirmYesNo(int code) override;
    Reply confirmYesNoCancel(int code) override;
    std::optional<int> chooseWeek(int) override { return entry_; }
    // Records are entered once: a week the data holds already is not entered again.
    bool confirmQuestion(int, const Question&) override { return false; }
    std::optional<GameRange> forecastGames(int week) override;
    std::optional<GameRange> scoreGames(int week) override;
    void closeDisplayWindows() override {}
    void setBusy(bool) override {}
    void setCaption(const std::string&) override {}
    void layoutAvailable() override {}
    bool enterScores(ScoreEntry kind) override;
    bool chooseForecasts() override;
    void restoreLayout() override {}
    void printReports() override {}
    std::optional<std::string> archivePath(const std::string& offeredName) override;
    std::optional<std::string> mainDataPath() override { return std::nullopt; }

private:
    int teamOf(const std::string& abbreviation) const;
    // The records' name of a team, for messages.
    std::string abbreviationOf(int team) const;
    const GameRecord* recordOf(const std::vector<const GameRecord*>& week, int away,
                               int home) const;
    bool enterQuick();
    bool enterStepByStep();
    bool fail(std::string detail);

    AppState& app_;
    const std::vector<GameRecord>& records_;
    std::map<std::string, int> teams_;
    int entry_ = 0;
    std::optional<Failure> problem_;
    std::string chosenArchive_;
};

} // namespace grd
