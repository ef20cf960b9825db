#pragma once

#include "league/LeagueStructure.h"

#include <QTableWidget>

namespace grd {

// All teams of the active alignment by division, one column per division: the user
// picks the teams of a game here by a click or the space bar.
class TeamsGrid : public QTableWidget {
    Q_OBJECT

public:
    TeamsGrid(const LeagueStructure& league, bool cityNames, QWidget* parent);

    // The team of a cell; -1 for the heading row, an empty or a used cell.
    int teamAt(int row, int column) const;
    // Shows a team as used for the rest of the week.
    void markUsed(int team);
    // Draws the picked teams in the highlight colours (99: none).
    void setPicked(int first, int second);
    // The cell a team stands in.
    QTableWidgetItem* cellOf(int team) const;

signals:
    void teamPicked(int team);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickAt(int row, int column);
    void paintTeam(int team, bool picked);

    const LeagueStructure& league_;
    int first_ = 99;
    int second_ = 99;
};

// The text a used team shows instead of its name.
inline constexpr const char* kUsedTeamText = "----------";

} // namespace grd
