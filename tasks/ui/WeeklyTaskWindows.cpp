#include "tasks/ui/WeeklyTaskWindows.h"

#include "league/ui/MessageDialogs.h"
#include "league/ui/ScriptedFileName.h"
#include "tasks/ui/TQGetScoresDlg.h"
#include "tasks/ui/TSlowForecastsForm.h"
#include "tasks/ui/TSlowScoresForm.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QWidget>

namespace grd {

namespace {
ScriptedFileName& nextArchivePath() {
    static ScriptedFileName path;
    return path;
}

// A dialog of the task can close leaving no window active, and the menus would not
// answer their keys until a click: the main window takes the keyboard back, which
// gives the focus to its active child.
class FocusBack {
public:
    explicit FocusBack(QWidget* main) : main_(main) {}
    FocusBack(const FocusBack&) = delete;
    FocusBack& operator=(const FocusBack&) = delete;
    ~FocusBack() {
        if (main_ == nullptr || !main_->isVisible()) {
            return;
        }
        main_->activateWindow();
        if (main_->focusWidget() == nullptr) {
            main_->setFocus();
        }
    }

private:
    QWidget* main_;
};
} // namespace

WeeklyTaskWindows::WeeklyTaskWindows(AppState& app, CompanionLibrary& companion, MainWindow main)
    : app_(app), companion_(companion), main_(std::move(main)) {}

void WeeklyTaskWindows::setNextArchivePath(const QString& path) {
    nextArchivePath().set(path);
}

void WeeklyTaskWindows::showError(const Failure& failure) {
    FocusBack back(main_.widget);
    ShowError(failure, main_.widget);
}

bool WeeklyTaskWindows::confirmYesNo(int code) {
    FocusBack back(main_.widget);
    return ConfirmYesNo(code, main_.widget);
}

bool WeeklyTaskWindows::confirmQuestion(int code, const Question& question) {
    FocusBack back(main_.widget);
    return ConfirmYesNo(code, question, main_.widget);
}

WeeklyTaskHost::Reply WeeklyTaskWindows::confirmYesNoCancel(int code) {
    FocusBack back(main_.widget);
    switch (ConfirmYesNoCancel(code, main_.widget)) {
    case Answer::Yes:
        return Reply::Yes;
    case Answer::No:
        return Reply::No;
    default:
        return Reply::Cancel;
    }
}

std::optional<int> WeeklyTaskWindows::chooseWeek(int standsAt) {
    FocusBack back(main_.widget);
    if (companion_.ShowGetWeekDlg == nullptr || companion_.WeekMap == nullptr) {
        return std::nullopt;
    }
    int weeks = app_.league.regularWeekCount();
    int code = standsAt; // in: the entry the data stands at; out: the one chosen
    std::vector<int> choices;
    if (const auto* alignment = app_.league.active()) {
        choices.assign(alignment->playoffWeekChoices.begin(), alignment->playoffWeekChoices.end());
    }
    if (companion_.ShowGetWeekDlg(static_cast<void*>(main_.widget), &weeks, &code, choices.data(),
                                  static_cast<int>(choices.size())) == 0) {
        return std::nullopt;
    }
    int entry = companion_.WeekMap(code);
    if (entry < 0) {
        return std::nullopt;
    }
    return entry;
}

std::optional<GameRange> WeeklyTaskWindows::forecastGames(int week) {
    if (companion_.GetFGames == nullptr) {
        return std::nullopt;
    }
    GameRange range;
    companion_.GetFGames(week, &range.first, &range.last);
    return range;
}

std::optional<GameRange> WeeklyTaskWindows::scoreGames(int week) {
    if (companion_.GetSGames == nullptr) {
        return std::nullopt;
    }
    GameRange range;
    companion_.GetSGames(week, &range.first, &range.last);
    return range;
}

void WeeklyTaskWindows::closeDisplayWindows() {
    if (main_.closeDisplayWindows) {
        main_.closeDisplayWindows();
    }
    QCoreApplication::processEvents();
    if (main_.setLayoutCommandsEnabled) {
        main_.setLayoutCommandsEnabled(false);
    }
}

void WeeklyTaskWindows::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void WeeklyTaskWindows::setCaption(const std::string& caption) {
    if (main_.widget != nullptr) {
        main_.widget->setWindowTitle(QString::fromStdString(caption));
    }
}

void WeeklyTaskWindows::layoutAvailable() {
    if (main_.setLayoutCommandsEnabled) {
        main_.setLayoutCommandsEnabled(true);
    }
}

WeekData WeeklyTaskWindows::weekData() {
    return {*app_.rankings, app_.program, app_.league, app_.schedule->teamCount};
}

bool WeeklyTaskWindows::enterScores(ScoreEntry kind) {
    FocusBack back(main_.widget);
    if (!app_.rankings || !app_.schedule) {
        return false;
    }
    bool cityNames = app_.prefs.view.cityNames;
    if (kind == ScoreEntry::Quick) {
        TQGetScoresDlg dialog(weekData(), cityNames, main_.widget);
        return dialog.exec() == QDialog::Accepted;
    }
    TSlowScoresForm dialog(weekData(), cityNames, main_.widget);
    return dialog.exec() == QDialog::Accepted;
}

bool WeeklyTaskWindows::chooseForecasts() {
    FocusBack back(main_.widget);
    if (!app_.rankings || !app_.schedule) {
        return false;
    }
    TSlowForecastsForm dialog(weekData(), app_.prefs.view.cityNames, main_.widget);
    return dialog.exec() == QDialog::Accepted;
}

void WeeklyTaskWindows::restoreLayout() {
    if (main_.restoreLayout) {
        main_.restoreLayout();
    }
}

void WeeklyTaskWindows::printReports() {
    if (main_.printReports) {
        main_.printReports();
    }
}

std::optional<std::string> WeeklyTaskWindows::savePath(const QString& caption,
                                                       const std::string& offeredName) {
    FocusBack back(main_.widget);
    QString path;
    if (auto preset = nextArchivePath().take()) {
        path = *preset;
    } else {
        QFileDialog dialog(main_.widget, caption, QString::fromStdString(app_.programDir));
        dialog.setObjectName(QStringLiteral("SaveAsDlg"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("All files (*)"),
                               QStringLiteral("Main data (main-dta.grd MAIN-DTA.GRD)"),
                               QStringLiteral("Weekly (week*.* WEEK*.*)")});
        dialog.selectFile(QString::fromStdString(offeredName));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().constFirst();
        }
    }
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::string> WeeklyTaskWindows::archivePath(const std::string& offeredName) {
    return savePath(QStringLiteral(" GRD Oddsmith: Enter Name for Archive File"), offeredName);
}

// Offered beside the main data file another program wrote, which it must not replace.
std::optional<std::string> WeeklyTaskWindows::mainDataPath() {
    return savePath(QStringLiteral(" GRD Oddsmith: Save the Main Data As"), "MAIN-DTA.NEW");
}

} // namespace grd
