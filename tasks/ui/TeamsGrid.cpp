#include "tasks/ui/TeamsGrid.h"

#include "league/LeagueLookups.h"
#include "tasks/ui/TaskWidgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace grd {

namespace {

int divisionCount(const LeagueAlignment* alignment) {
    int count = 0;
    if (alignment != nullptr) {
        for (const auto& conference : alignment->conferences) {
            count += static_cast<int>(conference.size());
        }
    }
    return count;
}

size_t largestDivision(const LeagueAlignment* alignment) {
    size_t largest = 0;
    if (alignment != nullptr) {
        for (const auto& conference : alignment->conferences) {
            for (const auto& division : conference) {
                largest = std::max(largest, division.size());
            }
        }
    }
    return largest;
}

QString divisionName(const LeagueStructure& league, const LeagueAlignment& alignment, int ordinal) {
    int n = 0;
    for (size_t c = 0; c < alignment.conferences.size(); ++c) {
        for (size_t d = 0; d < alignment.conferences[c].size(); ++d, ++n) {
            if (n != ordinal || c >= alignment.divisionNameIndex.size() ||
                d >= alignment.divisionNameIndex[c].size()) {
                continue;
            }
            int index = alignment.divisionNameIndex[c][d];
            if (index >= 1 && index <= static_cast<int>(league.divisionNames.size())) {
                return QString::fromStdString(league.divisionNames[static_cast<size_t>(index - 1)]);
            }
        }
    }
    return {};
}

// Draws the cursor cell framed in the highlight colour, so that it stands apart from
// the picked teams, which are filled with it.
class CursorFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }
};

} // namespace

TeamsGrid::TeamsGrid(const LeagueStructure& league, bool cityNames, QWidget* parent)
    : QTableWidget(static_cast<int>(largestDivision(league.active())) + 1,
                   divisionCount(league.active()), parent),
      league_(league) {
    setObjectName(QStringLiteral("TeamsGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Only the picked teams are filled; the cursor gets a frame.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new CursorFrame(this));
    // Tab goes on to the score boxes and the buttons, as everywhere else.
    setTabKeyNavigation(false);
    int width = taskui::teamTextWidth(fontMetrics(), league, cityNames);
    const auto* alignment = league.active();
    for (int column = 0; column < columnCount(); ++column) {
        QString division = divisionName(league, *alignment, column);
        width = std::max(width, fontMetrics().horizontalAdvance(division));
        setItem(0, column, new QTableWidgetItem(division));
        for (int row = 1; row < rowCount(); ++row) {
            int team = TeamAt(league, column, row);
            QString name = team > 0 ? QStringLiteral(" ") +
                                          QString::fromStdString(TeamName(league, team, cityNames))
                                    : QString();
            setItem(row, column, new QTableWidgetItem(name));
        }
    }
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, width + taskui::cellMargins(this));
    }
    taskui::showWhole(this);
}

int TeamsGrid::teamAt(int row, int column) const {
    if (row < 1 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return -1;
    }
    QString text = item(row, column)->text();
    if (text.isEmpty() || text == QLatin1String(kUsedTeamText)) {
        return -1;
    }
    return TeamAt(league_, column, row);
}

QTableWidgetItem* TeamsGrid::cellOf(int team) const {
    int32_t ordinal = -1;
    int32_t position = -1;
    if (!FindTeam(league_, team, ordinal, position)) {
        return nullptr;
    }
    return item(position, ordinal);
}

void TeamsGrid::markUsed(int team) {
    if (auto* cell = cellOf(team)) {
        cell->setText(QLatin1String(kUsedTeamText));
    }
}

void TeamsGrid::paintTeam(int team, bool picked) {
    auto* cell = cellOf(team);
    if (cell == nullptr) {
        return;
    }
    if (picked) {
        cell->setBackground(palette().highlight());
        cell->setForeground(palette().highlightedText());
        return;
    }
    // No colours of its own once unpicked, so that the grid draws the cell as it
    // draws every other, disabled included.
    cell->setData(Qt::BackgroundRole, QVariant());
    cell->setData(Qt::ForegroundRole, QVariant());
}

void TeamsGrid::setPicked(int first, int second) {
    paintTeam(first_, false);
    paintTeam(second_, false);
    first_ = first;
    second_ = second;
    paintTeam(first_, true);
    paintTeam(second_, true);
}

void TeamsGrid::pickAt(int row, int column) {
    if (int team = teamAt(row, column); team > 0) {
        emit teamPicked(team);
    }
}

void TeamsGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        auto index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            pickAt(index.row(), index.column());
        }
    }
}

void TeamsGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        pickAt(currentRow(), currentColumn());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace grd
