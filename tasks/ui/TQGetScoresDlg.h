#pragma once

#include "tasks/QuickScoreEntry.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QFrame;

namespace grd {

class ScoreBox;
class ScoresGrid;

// The quick score entry of a regular week: the schedule's games one by one, two
// scores each, then a review in which any score can be corrected. Posts on "Done".
class TQGetScoresDlg : public QDialog {
    Q_OBJECT

public:
    TQGetScoresDlg(WeekData data, bool cityNames, QWidget* parent);

public slots:
    void ScoresOKBtnClick();
    void DoneBtnClick();
    void reject() override;

private:
    void showTeams();
    void showReview();
    void focusRejected(const Rejection& rejection);

    QuickScoreEntry entry_;
    const LeagueStructure& league_;
    bool cityNames_;
    ScoreBox* ScoresCombo1 = nullptr;
    ScoreBox* ScoresCombo2 = nullptr;
    QLabel* TeamLabel1 = nullptr;
    QLabel* TeamLabel2 = nullptr;
    ScoresGrid* grid_ = nullptr;
    QFrame* AllOKPanel = nullptr;
    QPushButton* ScoresOKBtn = nullptr;
    QPushButton* DoneBtn = nullptr;
};

} // namespace grd
