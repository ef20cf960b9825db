#pragma once

#include "tasks/SlowScoreEntry.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace grd {

class ScoreBox;
class ScoresGrid;
class TeamsGrid;

// The step-by-step score entry of the playoff weeks and of "Other": each game's two
// teams are picked from the teams grid, then its scores entered; a review follows.
class TSlowScoresForm : public QDialog {
    Q_OBJECT

public:
    TSlowScoresForm(WeekData data, bool cityNames, QWidget* parent);

public slots:
    void EnterBtnClick();
    void AllGamesBtnClick();
    void NotDoneBtnClick();
    void reject() override;

private:
    void TeamPicked(int team);
    void showPair();
    void showEntering();
    void showReview();
    void focusRejected(const Rejection& rejection);

    SlowScoreEntry entry_;
    const LeagueStructure& league_;
    bool cityNames_;
    TeamsGrid* teams_ = nullptr;
    ScoresGrid* grid_ = nullptr;
    ScoreBox* ScoresCombo1 = nullptr;
    ScoreBox* ScoresCombo2 = nullptr;
    QLabel* TeamLabel1 = nullptr;
    QLabel* TeamLabel2 = nullptr;
    QFrame* AllOKPanel = nullptr;
    QFrame* NotDonePanel = nullptr;
    QPushButton* EnterBtn = nullptr;
    QPushButton* AllGamesBtn = nullptr;
    QPushButton* NotDoneBtn = nullptr;
};

} // namespace grd
