#include "tasks/ui/TQGetScoresDlg.h"

#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/ScoresGrid.h"
#include "tasks/ui/TaskWidgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace grd {

namespace {
constexpr int kHelpContext = 360;
}

TQGetScoresDlg::TQGetScoresDlg(WeekData data, bool cityNames, QWidget* parent)
    : EntryWindow("TQGetScoresDlg", data.league, cityNames, parent), entry_(data) {
    setWindowTitle(QString::fromStdString(entry_.caption()));
    addScoreBoxes();
    addScoresGrid(entry_.sheet());
    AllOKPanel =
        taskui::instructionPanel("AllOKPanel",
                                 {QStringLiteral("All the scores for this week have been entered."),
                                  QStringLiteral("1. Verify that the scores are correct.  "),
                                  QStringLiteral("2. Change any that are incorrect. "),
                                  QStringLiteral("3. Press the \"Done\" or \"Cancel\" button.")},
                                 this);
    addAction("ScoresOKBtn", QStringLiteral("2 &Scores OK"));
    DoneBtn = taskui::button("DoneBtn", QStringLiteral("&Done"), this);
    DoneBtn->setEnabled(false);
    connect(action_, &QPushButton::clicked, this, &TQGetScoresDlg::ScoresOKBtnClick);
    connect(DoneBtn, &QPushButton::clicked, this, &TQGetScoresDlg::DoneBtnClick);
    showTeams();
    // The review's instructions stand beside the grid, so a whole week fits a screen.
    layOut(entryRows(false), false, grid_, {AllOKPanel}, {DoneBtn}, kHelpContext);
    ScoresCombo1->setFocus();
    if (!entry_.entering()) {
        startReview(DoneBtn, AllOKPanel, entry_.gameCount());
    }
}

void TQGetScoresDlg::showTeams() {
    TeamLabel1->setText(teamName(entry_.team1()));
    TeamLabel2->setText(teamName(entry_.team2()));
}

void TQGetScoresDlg::ScoresOKBtnClick() {
    if (!entry_.entering()) {
        return;
    }
    if (auto rejected = entry_.acceptGame(ScoresCombo1->score().toStdString(),
                                          ScoresCombo2->score().toStdString())) {
        focusRejected(*rejected);
        return;
    }
    grid_->showGame(entry_.lastRow());
    if (entry_.entering()) {
        clearBoxes();
        showTeams();
        ScoresCombo1->setFocus();
        return;
    }
    startReview(DoneBtn, AllOKPanel, entry_.gameCount());
}

void TQGetScoresDlg::DoneBtnClick() {
    if (auto rejected = entry_.done()) {
        focusRejected(*rejected);
        return;
    }
    accept();
}

void TQGetScoresDlg::reject() {
    int question = entry_.cancelQuestion();
    if (!confirmed(question)) {
        return;
    }
    if (question != 0) {
        entry_.discard();
    }
    QDialog::reject();
}

} // namespace grd
