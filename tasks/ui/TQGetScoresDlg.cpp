#include "tasks/ui/TQGetScoresDlg.h"

#include "league/ui/DialogSize.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/ScoresGrid.h"
#include "tasks/ui/TaskWidgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd {

namespace {
constexpr int kHelpContext = 360;
}

TQGetScoresDlg::TQGetScoresDlg(WeekData data, bool cityNames, QWidget* parent)
    : QDialog(parent), entry_(data), league_(data.league), cityNames_(cityNames) {
    setObjectName(QStringLiteral("TQGetScoresDlg"));
    setWindowTitle(QString::fromStdString(entry_.caption()));
    ScoresCombo1 = new ScoreBox("ScoresCombo1", this);
    ScoresCombo2 = new ScoreBox("ScoresCombo2", this);
    int nameWidth = taskui::teamTextWidth(fontMetrics(), league_, cityNames_);
    TeamLabel1 = new QLabel(this);
    TeamLabel1->setObjectName(QStringLiteral("TeamLabel1"));
    TeamLabel1->setMinimumWidth(nameWidth);
    TeamLabel2 = new QLabel(this);
    TeamLabel2->setObjectName(QStringLiteral("TeamLabel2"));
    TeamLabel2->setMinimumWidth(nameWidth);
    grid_ = new ScoresGrid(
        entry_.sheet(), [this](int team) { return taskui::teamName(league_, team, cityNames_); },
        nameWidth, this);
    AllOKPanel =
        taskui::instructionPanel("AllOKPanel",
                                 {QStringLiteral("All the scores for this week have been entered."),
                                  QStringLiteral("1. Verify that the scores are correct.  "),
                                  QStringLiteral("2. Change any that are incorrect. "),
                                  QStringLiteral("3. Press the \"Done\" or \"Cancel\" button.")},
                                 this);
    ScoresOKBtn = taskui::button("ScoresOKBtn", QStringLiteral("2 &Scores OK"), this);
    ScoresOKBtn->setDefault(true);
    DoneBtn = taskui::button("DoneBtn", QStringLiteral("&Done"), this);
    DoneBtn->setEnabled(false);
    auto* cancel = taskui::button("CancelBtn", QStringLiteral("Cancel"), this);

    auto* entryRow = new QGridLayout;
    entryRow->addWidget(TeamLabel1, 0, 0);
    entryRow->addWidget(ScoresCombo1, 0, 1);
    entryRow->addWidget(TeamLabel2, 1, 0);
    entryRow->addWidget(ScoresCombo2, 1, 1);
    entryRow->addWidget(ScoresOKBtn, 0, 2, 2, 1);
    entryRow->setColumnStretch(3, 1);
    // The review's instructions stand beside the grid, so a whole week fits a screen.
    auto* side = new QVBoxLayout;
    side->addWidget(AllOKPanel);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(grid_, 0, Qt::AlignTop);
    body->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DoneBtn);
    buttons->addWidget(cancel);
    buttons->addWidget(taskui::helpButton(kHelpContext, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entryRow);
    layout->addLayout(body);
    layout->addLayout(buttons);

    connect(ScoresOKBtn, &QPushButton::clicked, this, &TQGetScoresDlg::ScoresOKBtnClick);
    connect(ScoresCombo1, &ScoreBox::entered, this, &TQGetScoresDlg::ScoresOKBtnClick);
    connect(ScoresCombo2, &ScoreBox::entered, this, &TQGetScoresDlg::ScoresOKBtnClick);
    connect(DoneBtn, &QPushButton::clicked, this, &TQGetScoresDlg::DoneBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TQGetScoresDlg::reject);
    showTeams();
    fixSize(this);
    ScoresCombo1->setFocus();
    if (!entry_.entering()) {
        showReview();
    }
}

void TQGetScoresDlg::showTeams() {
    TeamLabel1->setText(taskui::teamName(league_, entry_.team1(), cityNames_));
    TeamLabel2->setText(taskui::teamName(league_, entry_.team2(), cityNames_));
}

void TQGetScoresDlg::focusRejected(const Rejection& rejection) {
    ShowError(rejection.failure, this);
    if (rejection.focus == Rejection::Focus::ScoreBox2) {
        ScoresCombo2->setFocus();
    } else if (rejection.focus == Rejection::Focus::ScoresGrid) {
        grid_->selectCell(rejection.cell);
        grid_->setFocus();
    } else {
        ScoresCombo1->setFocus();
    }
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
        ScoresCombo1->reset();
        ScoresCombo2->reset();
        showTeams();
        ScoresCombo1->setFocus();
        return;
    }
    showReview();
}

void TQGetScoresDlg::showReview() {
    ScoresCombo1->setEnabled(false);
    ScoresCombo2->setEnabled(false);
    ScoresOKBtn->setEnabled(false);
    DoneBtn->setEnabled(true);
    DoneBtn->setDefault(true);
    AllOKPanel->show();
    grid_->startReview(entry_.gameCount());
    taskui::informationBeep();
}

void TQGetScoresDlg::DoneBtnClick() {
    if (auto rejected = entry_.done()) {
        focusRejected(*rejected);
        return;
    }
    accept();
}

void TQGetScoresDlg::reject() {
    if (int question = entry_.cancelQuestion(); question != 0) {
        if (!ConfirmYesNo(question, this)) {
            return;
        }
        entry_.discard();
    }
    QDialog::reject();
}

} // namespace grd
