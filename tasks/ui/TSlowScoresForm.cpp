#include "tasks/ui/TSlowScoresForm.h"

#include "league/ui/DialogSize.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/ScoresGrid.h"
#include "tasks/ui/TaskWidgets.h"
#include "tasks/ui/TeamsGrid.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd {

namespace {
constexpr int kHelpContext = 900;
}

TSlowScoresForm::TSlowScoresForm(WeekData data, bool cityNames, QWidget* parent)
    : QDialog(parent), entry_(data), league_(data.league), cityNames_(cityNames) {
    setObjectName(QStringLiteral("TSlowScoresForm"));
    setWindowTitle(QString::fromStdString(entry_.caption()));
    teams_ = new TeamsGrid(league_, cityNames, this);
    int nameWidth = taskui::teamTextWidth(fontMetrics(), league_, cityNames_);
    grid_ = new ScoresGrid(
        entry_.sheet(), [this](int team) { return taskui::teamName(league_, team, cityNames_); },
        nameWidth, this);
    ScoresCombo1 = new ScoreBox("ScoresCombo1", this);
    ScoresCombo2 = new ScoreBox("ScoresCombo2", this);
    TeamLabel1 = new QLabel(this);
    TeamLabel1->setObjectName(QStringLiteral("TeamLabel1"));
    TeamLabel1->setMinimumWidth(nameWidth);
    TeamLabel2 = new QLabel(this);
    TeamLabel2->setObjectName(QStringLiteral("TeamLabel2"));
    TeamLabel2->setMinimumWidth(nameWidth);
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
    EnterBtn = taskui::button("EnterBtn", QStringLiteral("&Enter Game Score"), this);
    EnterBtn->setDefault(true);
    AllGamesBtn = taskui::button("AllGamesBtn", QStringLiteral("&All Games Entered"), this);
    AllGamesBtn->setEnabled(false);
    NotDoneBtn = taskui::button("NotDoneBtn", QStringLiteral("&Not Done"), this);
    NotDoneBtn->hide();
    taskui::keepRoom(NotDoneBtn);
    auto* cancel = taskui::button("CancelBtn", QStringLiteral("Cancel"), this);

    auto* entryRow = new QGridLayout;
    entryRow->addWidget(new QLabel(QStringLiteral("First Team"), this), 0, 0);
    entryRow->addWidget(TeamLabel1, 0, 1);
    entryRow->addWidget(ScoresCombo1, 0, 2);
    entryRow->addWidget(new QLabel(QStringLiteral("Second Team"), this), 1, 0);
    entryRow->addWidget(TeamLabel2, 1, 1);
    entryRow->addWidget(ScoresCombo2, 1, 2);
    entryRow->addWidget(EnterBtn, 0, 3, 2, 1);
    // The entry and the review's instructions stand beside the score list, so that
    // the teams, a whole week's games and the buttons fit a screen together.
    auto* side = new QVBoxLayout;
    side->addLayout(entryRow);
    side->addWidget(AllOKPanel);
    side->addWidget(NotDonePanel);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(grid_, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AllGamesBtn);
    buttons->addWidget(NotDoneBtn);
    buttons->addWidget(cancel);
    buttons->addWidget(taskui::helpButton(kHelpContext, this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(teams_);
    layout->addLayout(body);
    layout->addLayout(buttons);

    connect(teams_, &TeamsGrid::teamPicked, this, &TSlowScoresForm::TeamPicked);
    connect(EnterBtn, &QPushButton::clicked, this, &TSlowScoresForm::EnterBtnClick);
    connect(ScoresCombo1, &ScoreBox::entered, this, &TSlowScoresForm::EnterBtnClick);
    connect(ScoresCombo2, &ScoreBox::entered, this, &TSlowScoresForm::EnterBtnClick);
    connect(AllGamesBtn, &QPushButton::clicked, this, &TSlowScoresForm::AllGamesBtnClick);
    connect(NotDoneBtn, &QPushButton::clicked, this, &TSlowScoresForm::NotDoneBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TSlowScoresForm::reject);
    fixSize(this);
    teams_->setFocus();
}

void TSlowScoresForm::showPair() {
    const auto& pair = entry_.pair();
    auto name = [this](int team) {
        return team == kEmptyMark ? QString() : taskui::teamName(league_, team, cityNames_);
    };
    TeamLabel1->setText(name(pair.first()));
    TeamLabel2->setText(name(pair.second()));
    teams_->setPicked(pair.first(), pair.second());
}

void TSlowScoresForm::TeamPicked(int team) {
    if (entry_.pick(team)) {
        showPair();
    }
}

void TSlowScoresForm::focusRejected(const Rejection& rejection) {
    ShowError(rejection.failure, this);
    switch (rejection.focus) {
    case Rejection::Focus::ScoreBox1:
        ScoresCombo1->setFocus();
        break;
    case Rejection::Focus::ScoreBox2:
        ScoresCombo2->setFocus();
        break;
    case Rejection::Focus::TeamsGrid:
        teams_->setFocus();
        break;
    case Rejection::Focus::ScoresGrid:
        grid_->selectCell(rejection.cell);
        grid_->setFocus();
        break;
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
    ScoresCombo1->reset();
    ScoresCombo2->reset();
    showPair();
    AllGamesBtn->setEnabled(entry_.allGamesEnabled());
    if (entry_.entering()) {
        teams_->setFocus();
    } else {
        showReview();
    }
}

void TSlowScoresForm::showReview() {
    ScoresCombo1->setEnabled(false);
    ScoresCombo2->setEnabled(false);
    EnterBtn->setEnabled(false);
    teams_->setEnabled(false);
    AllGamesBtn->setText(QStringLiteral("&Done"));
    AllGamesBtn->setEnabled(true);
    AllGamesBtn->setDefault(true);
    AllOKPanel->show();
    NotDoneBtn->setVisible(entry_.notDoneShown());
    NotDonePanel->setVisible(entry_.notDoneShown());
    grid_->startReview(entry_.reviewRows());
    taskui::informationBeep();
}

void TSlowScoresForm::showEntering() {
    AllGamesBtn->setText(QStringLiteral("&All Games Entered"));
    EnterBtn->setEnabled(true);
    EnterBtn->setDefault(true);
    ScoresCombo1->setEnabled(true);
    ScoresCombo2->setEnabled(true);
    teams_->setEnabled(true);
    grid_->setEnabled(false);
    AllOKPanel->hide();
    showPair();
    teams_->setFocus();
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
    NotDoneBtn->hide();
    NotDonePanel->hide();
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
        NotDoneBtn->hide();
        NotDonePanel->hide();
        if (reviewing && entry_.entering()) {
            showEntering();
        }
    }
}

} // namespace grd
