#pragma once

#include "tasks/ScoreSheet.h"

#include <QTableWidget>

#include <functional>

namespace grd {

// The score list of a score entry window: one row per game, the two team names and
// their scores. During the review only the score cells can be selected and typed
// into (digits and backspace), and a score is checked when the selection leaves it.
class ScoresGrid : public QTableWidget {
    Q_OBJECT

public:
    // nameWidth: the width of the widest team text the name columns show.
    ScoresGrid(ScoreSheet& sheet, std::function<QString(int)> teamName, int nameWidth,
               QWidget* parent);

    // Shows the game of a row as entered and keeps it in view.
    void showGame(int row);
    // Opens the review: the grid takes the focus on the first score of the first row.
    void startReview(int selectableRows);
    void selectCell(GridCell cell);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The cell a move toward target ends on: the current one when its score is
    // refused, else the score cell meant.
    QModelIndex allowedMove(const QModelIndex& target);
    void setScoreText(GridCell cell, const QString& text);

    ScoreSheet& sheet_;
    std::function<QString(int)> teamName_;
    int selectableRows_ = 0;
    bool refused_ = false;  // the last move was refused: the key stays with the grid
    bool freshCell_ = true; // the first digit typed replaces the score
};

} // namespace grd
