#include "tasks/ui/ScoresGrid.h"

#include "league/ScoreText.h"
#include "league/ui/MessageDialogs.h"
#include "tasks/ui/TaskWidgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace grd {

ScoresGrid::ScoresGrid(ScoreSheet& sheet, std::function<QString(int)> teamName, int nameWidth,
                       QWidget* parent)
    : QTableWidget(sheet.rowCount(), 4, parent), sheet_(sheet), teamName_(std::move(teamName)) {
    setObjectName(QStringLiteral("ScoresGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    int scoreWidth = fontMetrics().horizontalAdvance(QStringLiteral(" 888 "));
    for (int column = 0; column < 4; ++column) {
        setColumnWidth(column,
                       (column % 2 == 0 ? nameWidth : scoreWidth) + taskui::cellMargins(this));
        for (int row = 0; row < rowCount(); ++row) {
            setItem(row, column, new QTableWidgetItem);
        }
    }
    taskui::showWhole(this);
    setEnabled(false);
    connect(this, &QTableWidget::currentCellChanged, this, [this] { freshCell_ = true; });
}

void ScoresGrid::showGame(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    const auto& game = sheet_.game(row);
    item(row, 0)->setText(QStringLiteral(" ") + teamName_(game.team1));
    item(row, 1)->setText(QString::fromStdString(game.score1));
    item(row, 2)->setText(QStringLiteral(" ") + teamName_(game.team2));
    item(row, 3)->setText(QString::fromStdString(game.score2));
    if (int top = ScoreSheet::topRowFor(row); top >= 0) {
        scrollToItem(item(top, 0), QAbstractItemView::PositionAtTop);
    }
}

void ScoresGrid::startReview(int selectableRows) {
    selectableRows_ = selectableRows;
    setEnabled(true);
    setFocus();
    selectCell({1, 0});
}

void ScoresGrid::selectCell(GridCell cell) {
    setCurrentCell(cell.row, cell.column);
    freshCell_ = true;
}

void ScoresGrid::setScoreText(GridCell cell, const QString& text) {
    sheet_.setScore(cell, text.toStdString());
    item(cell.row, cell.column)->setText(text);
}

QModelIndex ScoresGrid::allowedMove(const QModelIndex& target) {
    QModelIndex current = currentIndex();
    if (!current.isValid() || !target.isValid() || target == current) {
        return target;
    }
    GridCell from{current.column(), current.row()};
    if (!parseScore(sheet_.text(from))) {
        ShowError(-23, {}, this);
        refused_ = true;
        return current;
    }
    GridCell to{target.column(), target.row()};
    if (to.row >= selectableRows_) {
        to = from;
    }
    GridCell allowed = ScoreSheet::redirect(from, to);
    return model()->index(allowed.row, allowed.column);
}

// Every move is settled here, before the view selects anything, so that the
// highlight always stands on the cell that takes the input.
QModelIndex ScoresGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    return allowedMove(QTableWidget::moveCursor(action, modifiers));
}

void ScoresGrid::mousePressEvent(QMouseEvent* event) {
    QModelIndex target = indexAt(event->position().toPoint());
    if (target.isValid()) {
        QModelIndex allowed = allowedMove(target);
        selectCell({allowed.column(), allowed.row()});
    }
    event->accept();
}

void ScoresGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept(); // no dragging the selection across cells
}

void ScoresGrid::keyPressEvent(QKeyEvent* event) {
    int row = currentRow();
    int column = currentColumn();
    bool scoreCell = row >= 0 && row < selectableRows_ && (column == 1 || column == 3);
    QString text = event->text();
    if (scoreCell && text.size() == 1 && text[0].isDigit()) {
        QString old = freshCell_ ? QString() : item(row, column)->text();
        freshCell_ = false;
        if (old.size() < 2) {
            setScoreText({column, row}, old + text);
        }
        return;
    }
    if (scoreCell && event->key() == Qt::Key_Backspace) {
        freshCell_ = false;
        QString old = item(row, column)->text();
        setScoreText({column, row}, old.left(old.size() - 1));
        return;
    }
    if (text.size() == 1 && text[0].isPrint() && event->key() != Qt::Key_Space) {
        return; // other characters are not scores
    }
    refused_ = false;
    QTableWidget::keyPressEvent(event);
    if (refused_) {
        event->accept(); // a refused Tab keeps the focus on the cell in error
    }
}

} // namespace grd
