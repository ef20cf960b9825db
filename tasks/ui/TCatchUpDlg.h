#pragma once

#include "files/Failure.h"
#include "records/GameRecords.h"
#include "state/AppState.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace grd {

// Tasks | Seasonal | Catch Up from Game Records: shows the weeks that game records in
// the public layout would enter, from the week the main data file stands at, and runs
// them as the weekly task does, saving every week, until done, a game that does not
// match the schedule, or Cancel. It works on its own copy of the league and schedule;
// the files it writes are the program's state afterwards.
class TCatchUpDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 970;

    TCatchUpDlg(const AppState& app, QWidget* parent = nullptr);
    ~TCatchUpDlg() override;

    // Reads the records (off the window thread, with Cancel) and the names file's
    // abbreviations and lists the weeks; a failure names the file or the line.
    Status prepare(const std::string& recordsFile);
    // Whether prepare failed because the user cancelled reading the records.
    bool readCancelled() const { return readCancelled_; }
    int weeksWritten() const { return weeksWritten_; }

    // Runs the dialog on recordsFile, or on the records the user chooses when it is
    // empty; true when any week was written.
    static bool Run(const AppState& app, QWidget* parent, const QString& recordsFile = {});

    /**
     * Sets the records file the next Run opens instead of showing the file dialog;
     * an empty name answers Cancel.
     * Use only for testing.
     */
    static void setNextFileName(const QString& fileName);

protected:
    // Escape and the close box cancel a run between weeks instead of leaving it.
    void reject() override;

private:
    void RunBtnClick();
    void CancelBtnClick();
    bool weekDone();
    std::optional<Result<std::vector<GameRecord>>> readRecords(const std::string& file);
    void makeDefault(QPushButton* button);

    AppState replay_; // its own league, schedule and season state
    std::vector<GameRecord> records_;
    bool readCancelled_ = false;
    std::vector<std::string> abbreviations_;
    std::vector<int> entries_;
    int weeksWritten_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    QLabel* RecordsLabel = nullptr;
    QListWidget* WeeksList = nullptr;
    QProgressBar* CatchUpProgress = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* RunBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

} // namespace grd
