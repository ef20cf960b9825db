#pragma once

#include "state/AppState.h"
#include "state/CompanionLibrary.h"
#include "tasks/WeekData.h"
#include "tasks/WeeklyTaskHost.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace grd {

// The weekly task's windows: the message boxes, the companion library's week
// chooser and game ranges, the score and forecast windows and the save dialog, with
// what the main window does around them.
class WeeklyTaskWindows : public WeeklyTaskHost {
public:
    // What the main window does for the task.
    struct MainWindow {
        QWidget* widget = nullptr;
        std::function<void()> closeDisplayWindows;
        std::function<void(bool)> setLayoutCommandsEnabled;
        std::function<void()> restoreLayout;
        std::function<void()> printReports;
    };

    WeeklyTaskWindows(AppState& app, CompanionLibrary& companion, MainWindow main);

    /**
     * Sets the path the next save dialog returns (an empty string cancels).
     * Use only for testing.
     */
    static void setNextArchivePath(const QString& path);

    void showError(const Failure& failure) override;
    bool confirmYesNo(int code) override;
    Reply confirmYesNoCancel(int code) override;
    std::optional<int> chooseWeek(int standsAt) override;
    bool confirmQuestion(int code, const Question& question) override;
    std::optional<GameRange> forecastGames(int week) override;
    std::optional<GameRange> scoreGames(int week) override;
    void closeDisplayWindows() override;
    void setBusy(bool busy) override;
    void setCaption(const std::string& caption) override;
    void layoutAvailable() override;
    bool enterScores(ScoreEntry kind) override;
    bool chooseForecasts() override;
    void restoreLayout() override;
    void printReports() override;
    std::optional<std::string> archivePath(const std::string& offeredName) override;
    std::optional<std::string> mainDataPath() override;

private:
    WeekData weekData();
    std::optional<std::string> savePath(const QString& caption, const std::string& offeredName);

    AppState& app_;
    CompanionLibrary& companion_;
    MainWindow main_;
};

} // namespace grd
