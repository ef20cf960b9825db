#pragma once

#include "files/Failure.h"
#include "league/Messages.h"
#include "tasks/GameRange.h"

#include <optional>
#include <string>

namespace grd {

// What the weekly task needs from the program around it: the questions, the windows
// and the companion library. The main window answers with real dialogs; tests and
// grdtool answer with scripts.
class WeeklyTaskHost {
public:
    enum class Reply { Yes, No, Cancel };
    enum class ScoreEntry { Quick, StepByStep };

    virtual ~WeeklyTaskHost() = default;

    virtual void showError(const Failure& failure) = 0;
    virtual bool confirmYesNo(int code) = 0;
    virtual Reply confirmYesNoCancel(int code) = 0;

    // The entry W chosen in the week chooser, or nothing when the user cancelled or
    // the library failed.
    // standsAt: the entry the main data file stands at, -1 when unknown; the chooser
    // shows it and offers the entry after it.
    virtual std::optional<int> chooseWeek(int standsAt) = 0;
    // A question composed by the task, as confirmYesNo asks one of the table.
    virtual bool confirmQuestion(int code, const Question& question) = 0;
    // The library's game ranges for week w: the week to forecast, the week scored
    // (the one before w). Nothing when the library call failed.
    virtual std::optional<GameRange> forecastGames(int week) = 0;
    virtual std::optional<GameRange> scoreGames(int week) = 0;

    // Closes the display windows before the data is read afresh and keeps the layout
    // commands off until layoutAvailable.
    virtual void closeDisplayWindows() = 0;
    virtual void setBusy(bool busy) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void layoutAvailable() = 0;

    // The modal windows of the week; true when they end with OK.
    virtual bool enterScores(ScoreEntry kind) = 0;
    virtual bool chooseForecasts() = 0;
    virtual void restoreLayout() = 0;
    virtual void printReports() = 0;

    // The save dialog for the archive: the full path chosen, or nothing on Cancel.
    virtual std::optional<std::string> archivePath(const std::string& offeredName) = 0;
    // Save As for a main data file that cannot be saved in place: the full path
    // chosen, or nothing on Cancel.
    virtual std::optional<std::string> mainDataPath() = 0;
};

} // namespace grd
