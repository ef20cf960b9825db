#pragma once

#include "files/Failure.h"

#include <optional>
#include <string>
#include <vector>

namespace grd {

// A cell of a score grid: columns 0 and 2 hold the team names, 1 and 3 their scores.
struct GridCell {
    int column = 1;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// The games of one week as the score windows collect them: the two teams and the two
// score texts of each game, as typed and corrected in the review grid.
class ScoreSheet {
public:
    struct Game {
        int team1 = 99;
        int team2 = 99;
        std::string score1;
        std::string score2;
    };

    explicit ScoreSheet(int rows) : games_(static_cast<size_t>(rows < 0 ? 0 : rows)) {}

    int rowCount() const { return static_cast<int>(games_.size()); }
    const Game& game(int row) const { return games_.at(static_cast<size_t>(row)); }
    void setGame(int row, Game game) { games_.at(static_cast<size_t>(row)) = std::move(game); }
    // A score corrected in the review; the name columns cannot be edited.
    void setScore(GridCell cell, std::string text);
    std::string text(GridCell cell) const;

    // The first of the first rows whose score is not 0..98, first score then second.
    std::optional<GridCell> firstBadScore(int rows) const;

    // Where the review selection goes when the user tries to select target from
    // from: only score columns can be selected, so a name column is swapped for the
    // score column the user most likely meant.
    static GridCell redirect(GridCell from, GridCell target);

    // The row index that scrolls the grid so that row stays in view (-1: no scroll).
    static int topRowFor(int row);

private:
    std::vector<Game> games_;
};

} // namespace grd
