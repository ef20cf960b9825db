#include "tasks/ui/TSlowScoresForm.h"

#include "league/ui/MessageDialogs.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/ScoresGrid.h"
#include "tasks/ui/TaskWidgets.h"
#include "tasks/ui/TeamsGrid.h"

#include <QFrame>
#include <QPushButton>

namespace grd {

namespace {
constexpr int kHelpContext = 900;
}

TSlowScoresForm::TSlowScoresForm(WeekData data, bool cityNames, QWidget* parent)
    : EntryWindow("TSlowScoresForm", data.league, cityNames, parent), entry_(data) {
    setWindowTitle(QString::fromStdString(entry_.caption()));
    addTeamsGrid();
    addScoresGrid(entry_.sheet());
    addScoreBoxes();
    AllOKPanel = taskui::instructionPanel("AllOKPanel",
                                          {QStringLiteral("All the scores for this week"),
                                           QStringLiteral("have been entered."),
                                           QStringLiteral("1. Verify that the scores are correct."),
                                           QStringLiteral("2. Change any that are incorrect."),
                                           QStringLiteral("3a. Press the \"Done\" button."),
                                           QStringLiteral("3b. Or press the \"Cancel\" button (to"),
                                           QStringLiteral("throw away the scores).")},
                                          this);
    NotDonePanel = taskui::instructionPanel("NotDonePanel",
                                            {QStringLiteral("3c. Or press the \"Not Done\" button"),
                                             QStringLiteral("(to resume entering scores).")},
                                            this);
    addAction("EnterBtn", QStringLiteral("&Enter Game Score"));
    AllGamesBtn = taskui::button("AllGamesBtn", QStringLiteral("&All Games Entered"), this);
    AllGamesBtn->setEnabled(false);
    NotDoneBtn = taskui::button("NotDoneBtn", QStringLiteral("&Not Done"), this);
    NotDoneBtn->hide();
    taskui::keepRoom(NotDoneBtn);

    connect(teams_, &TeamsGrid::teamPicked, this, &TSlowScoresForm::TeamPicked);
    connect(action_, &QPushButton::clicked, this, &TSlowScoresForm::EnterBtnClick);
    connect(AllGamesBtn, &QPushButton::clicked, this, &TSlowScoresForm::AllGamesBtnClick);
    connect(NotDoneBtn, &QPushButton::clicked, this, &TSlowScoresForm::NotDoneBtnClick);
    layOut(entryRows(true), true, grid_, {AllOKPanel, NotDonePanel}, {AllGamesBtn, NotDoneBtn},
           kHelpContext);
    teams_->setFocus();
}

void TSlowScoresForm::TeamPicked(int team) {
    if (entry_.pick(team)) {
        showPair(entry_.pair());
    }
}

void TSlowScoresForm::EnterBtnClick() {
    if (!entry_.entering()) {
        return;
    }
    int first = entry_.pair().first();
    int second = entry_.pair().second();
    if (auto rejected = entry_.enterGame(ScoresCombo1->score().toStdString(),
                                         ScoresCombo2->score().toStdString())) {
        focusRejected(*rejected);
        return;
    }
    grid_->showGame(entry_.lastRow());
    teams_->setPicked(kEmptyMark, kEmptyMark);
    teams_->markUsed(first);
    teams_->markUsed(second);
    clearBoxes();
    showPair(entry_.pair());
    AllGamesBtn->setEnabled(entry_.allGamesEnabled());
    if (entry_.entering()) {
        teams_->setFocus();
    } else {
        showReview();
    }
}

void TSlowScoresForm::showReview() {
    AllGamesBtn->setText(QStringLiteral("&Done"));
    NotDoneBtn->setVisible(entry_.notDoneShown());
    NotDonePanel->setVisible(entry_.notDoneShown());
    startReview(AllGamesBtn, AllOKPanel, entry_.reviewRows());
}

void TSlowScoresForm::showEntering() {
    AllGamesBtn->setText(QStringLiteral("&All Games Entered"));
    resumeEntering(AllOKPanel);
    showPair(entry_.pair());
    teams_->setFocus();
}

void TSlowScoresForm::hideNotDone() {
    NotDoneBtn->hide();
    NotDonePanel->hide();
}

void TSlowScoresForm::AllGamesBtnClick() {
    if (entry_.entering()) {
        entry_.allGamesEntered();
        if (!entry_.entering()) {
            showReview();
        }
        return;
    }
    if (auto rejected = entry_.done()) {
        focusRejected(*rejected);
        return;
    }
    accept();
}

void TSlowScoresForm::NotDoneBtnClick() {
    bool reviewing = !entry_.entering();
    entry_.notDone();
    hideNotDone();
    if (reviewing && entry_.entering()) {
        showEntering();
    }
}

void TSlowScoresForm::reject() {
    bool accepted = entry_.gameAccepted();
    bool reviewing = !entry_.entering();
    if (entry_.cancelAnswered(ConfirmYesNo(entry_.cancelQuestion(), this))) {
        QDialog::reject();
        return;
    }
    if (accepted) {
        hideNotDone();
        if (reviewing && entry_.entering()) {
            showEntering();
        }
    }
}

} // namespace grd
