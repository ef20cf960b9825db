#pragma once

#include "tasks/QuickScoreEntry.h"
#include "tasks/ui/EntryWindow.h"

class QFrame;
class QPushButton;

namespace grd {

// The quick score entry of a regular week: the schedule's games one by one, two
// scores each, then a review in which any score can be corrected. Posts on "Done".
class TQGetScoresDlg : public EntryWindow {
    Q_OBJECT

public:
    TQGetScoresDlg(WeekData data, bool cityNames, QWidget* parent);

public slots:
    void ScoresOKBtnClick();
    void DoneBtnClick();
    void reject() override;

private:
    void showTeams();

    QuickScoreEntry entry_;
    QFrame* AllOKPanel = nullptr;
    QPushButton* DoneBtn = nullptr;
};

} // namespace grd
