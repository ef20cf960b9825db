#include "tasks/ui/EntryWindow.h"

#include "league/ui/DialogSize.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/TeamPair.h"
#include "tasks/ui/ScoreBox.h"
#include "tasks/ui/ScoresGrid.h"
#include "tasks/ui/TaskWidgets.h"
#include "tasks/ui/TeamsGrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grd {

namespace {
QLabel* teamLabel(const char* objectName, int width, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setMinimumWidth(width);
    return label;
}
} // namespace

EntryWindow::EntryWindow(const char* objectName, const LeagueStructure& league, bool cityNames,
                         QWidget* parent)
    : QDialog(parent), league_(league), cityNames_(cityNames),
      nameWidth_(taskui::teamTextWidth(fontMetrics(), league, cityNames)) {
    setObjectName(QLatin1String(objectName));
    TeamLabel1 = teamLabel("TeamLabel1", nameWidth_, this);
    TeamLabel2 = teamLabel("TeamLabel2", nameWidth_, this);
}

QString EntryWindow::teamName(int team) const {
    return team == kEmptyMark ? QString() : taskui::teamName(league_, team, cityNames_);
}

void EntryWindow::addTeamsGrid() {
    teams_ = new TeamsGrid(league_, cityNames_, this);
}

void EntryWindow::addScoreBoxes() {
    ScoresCombo1 = new ScoreBox("ScoresCombo1", this);
    ScoresCombo2 = new ScoreBox("ScoresCombo2", this);
}

void EntryWindow::addScoresGrid(ScoreSheet& sheet) {
    grid_ = new ScoresGrid(
        sheet, [this](int team) { return taskui::teamName(league_, team, cityNames_); }, nameWidth_,
        this);
}

QPushButton* EntryWindow::addAction(const char* objectName, const QString& caption) {
    action_ = taskui::button(objectName, caption, this);
    action_->setDefault(true);
    if (ScoresCombo1 != nullptr) {
        connect(ScoresCombo1, &ScoreBox::entered, action_, &QPushButton::click);
        connect(ScoresCombo2, &ScoreBox::entered, action_, &QPushButton::click);
    }
    return action_;
}

QLayout* EntryWindow::entryRows(bool captions) {
    auto* rows = new QGridLayout;
    int column = 0;
    if (captions) {
        rows->addWidget(new QLabel(QStringLiteral("First Team"), this), 0, column);
        rows->addWidget(new QLabel(QStringLiteral("Second Team"), this), 1, column++);
    }
    rows->addWidget(TeamLabel1, 0, column);
    rows->addWidget(TeamLabel2, 1, column++);
    if (ScoresCombo1 != nullptr) {
        rows->addWidget(ScoresCombo1, 0, column);
        rows->addWidget(ScoresCombo2, 1, column++);
    }
    rows->addWidget(action_, 0, column, 2, 1);
    if (!captions) {
        // A row across the window keeps its controls together at the left.
        rows->setColumnStretch(column + 1, 1);
    }
    return rows;
}

void EntryWindow::layOut(QLayout* entry, bool entryBeside, QWidget* list,
                         std::initializer_list<QWidget*> panels,
                         std::initializer_list<QWidget*> buttons, int helpContext) {
    // The entry and the review's instructions stand beside the list, so that the
    // teams, a whole week's games and the buttons fit a screen together.
    auto* side = new QVBoxLayout;
    if (entryBeside) {
        side->addLayout(entry);
    }
    for (auto* panel : panels) {
        side->addWidget(panel);
    }
    side->addStretch();
    auto* body = new QHBoxLayout;
    if (entryBeside) {
        body->addLayout(side);
    }
    body->addWidget(list, 0, Qt::AlignTop);
    if (!entryBeside) {
        body->addLayout(side);
    }
    auto* cancel = taskui::button("CancelBtn", QStringLiteral("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto* button : buttons) {
        row->addWidget(button);
    }
    row->addWidget(cancel);
    row->addWidget(taskui::helpButton(helpContext, this));
    auto* layout = new QVBoxLayout(this);
    if (teams_ != nullptr) {
        layout->addWidget(teams_);
    }
    if (!entryBeside) {
        layout->addLayout(entry);
    }
    layout->addLayout(body);
    layout->addLayout(row);
    fixSize(this);
}

void EntryWindow::showPair(const TeamPair& pair) {
    TeamLabel1->setText(teamName(pair.first()));
    TeamLabel2->setText(teamName(pair.second()));
    teams_->setPicked(pair.first(), pair.second());
}

void EntryWindow::clearBoxes() {
    ScoresCombo1->reset();
    ScoresCombo2->reset();
}

void EntryWindow::focusRejected(const Rejection& rejection) {
    ShowError(rejection.failure, this);
    switch (rejection.focus) {
    case Rejection::Focus::ScoreBox1:
        ScoresCombo1->takeFocus();
        break;
    case Rejection::Focus::ScoreBox2:
        ScoresCombo2->takeFocus();
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

void EntryWindow::startReview(QPushButton* done, QWidget* panel, int rows) {
    ScoresCombo1->setEnabled(false);
    ScoresCombo2->setEnabled(false);
    action_->setEnabled(false);
    if (teams_ != nullptr) {
        teams_->setEnabled(false);
    }
    done->setEnabled(true);
    done->setDefault(true);
    panel->show();
    grid_->startReview(rows);
    taskui::informationBeep();
}

void EntryWindow::resumeEntering(QWidget* panel) {
    action_->setEnabled(true);
    action_->setDefault(true);
    ScoresCombo1->setEnabled(true);
    ScoresCombo2->setEnabled(true);
    teams_->setEnabled(true);
    grid_->setEnabled(false);
    panel->hide();
}

bool EntryWindow::confirmed(int question) {
    return question == 0 || ConfirmYesNo(question, this);
}

} // namespace grd
