#pragma once

#include "tasks/SlowScoreEntry.h"
#include "tasks/ui/EntryWindow.h"

class QFrame;
class QPushButton;

namespace grd {

// The step-by-step score entry of the playoff weeks and of "Other": each game's two
// teams are picked from the teams grid, then its scores entered; a review follows.
class TSlowScoresForm : public EntryWindow {
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
    void showEntering();
    void showReview();
    void hideNotDone();

    SlowScoreEntry entry_;
    QFrame* AllOKPanel = nullptr;
    QFrame* NotDonePanel = nullptr;
    QPushButton* AllGamesBtn = nullptr;
    QPushButton* NotDoneBtn = nullptr;
};

} // namespace grd
