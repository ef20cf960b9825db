#pragma once

#include "league/LeagueStructure.h"
#include "tasks/Rejection.h"

#include <QDialog>

#include <initializer_list>

class QLabel;
class QLayout;
class QPushButton;

namespace grd {

class ScoreBox;
class ScoreSheet;
class ScoresGrid;
class TeamPair;
class TeamsGrid;

// What the score entry and forecast selection windows share: the team labels, the
// score boxes, the teams grid, the score list, the layout around them, the start of
// the review and where the focus goes after a refusal. Each window adds its own
// steps and buttons.
class EntryWindow : public QDialog {
    Q_OBJECT

protected:
    EntryWindow(const char* objectName, const LeagueStructure& league, bool cityNames,
                QWidget* parent);

    // A team's name; empty for none.
    QString teamName(int team) const;
    int nameWidth() const { return nameWidth_; }

    void addTeamsGrid();
    void addScoreBoxes();
    void addScoresGrid(ScoreSheet& sheet);
    // The action button, the default while entering; Enter in a score box presses it.
    QPushButton* addAction(const char* objectName, const QString& caption);

    // The rows of the two teams: with captions "First Team" and "Second Team" when
    // picked from the grid, then the labels, the boxes if any and the action button.
    QLayout* entryRows(bool captions);
    // The list beside the entry (teams grid above when there is one) and the review's
    // panels; entryBeside false puts the entry above the list.
    void layOut(QLayout* entry, bool entryBeside, QWidget* list,
                std::initializer_list<QWidget*> panels, std::initializer_list<QWidget*> buttons,
                int helpContext);

    void showPair(const TeamPair& pair);
    void clearBoxes();
    void focusRejected(const Rejection& rejection);
    // Entering ends: the entry controls off, done the default, the panel shown and
    // the score list open on its first score.
    void startReview(QPushButton* done, QWidget* panel, int rows);
    // Entering again after a review.
    void resumeEntering(QWidget* panel);
    // True when a question is not needed (0) or answered Yes.
    bool confirmed(int question);

    const LeagueStructure& league_;
    bool cityNames_;
    TeamsGrid* teams_ = nullptr;
    ScoresGrid* grid_ = nullptr;
    ScoreBox* ScoresCombo1 = nullptr;
    ScoreBox* ScoresCombo2 = nullptr;
    QLabel* TeamLabel1 = nullptr;
    QLabel* TeamLabel2 = nullptr;
    QPushButton* action_ = nullptr;

private:
    int nameWidth_;
};

} // namespace grd
