#include "tasks/ScoreSheet.h"

#include "league/ScoreText.h"

namespace grd {

namespace {
constexpr int kScore1 = 1;
constexpr int kName2 = 2;
constexpr int kScore2 = 3;
// Rows the grid shows at once before it has to scroll.
constexpr int kVisibleRows = 15;
} // namespace

void ScoreSheet::setScore(GridCell cell, std::string text) {
    auto& game = games_.at(static_cast<size_t>(cell.row));
    if (cell.column == kScore1) {
        game.score1 = std::move(text);
    } else if (cell.column == kScore2) {
        game.score2 = std::move(text);
    }
}

std::string ScoreSheet::text(GridCell cell) const {
    const auto& game = games_.at(static_cast<size_t>(cell.row));
    switch (cell.column) {
    case kScore1:
        return game.score1;
    case kScore2:
        return game.score2;
    default:
        return {};
    }
}

std::optional<GridCell> ScoreSheet::firstBadScore(int rows) const {
    for (int row = 0; row < rows && row < rowCount(); ++row) {
        for (int column : {kScore1, kScore2}) {
            if (!parseScore(text({column, row}))) {
                return GridCell{column, row};
            }
        }
    }
    return std::nullopt;
}

GridCell ScoreSheet::redirect(GridCell from, GridCell target) {
    if (target.column == kScore1 || target.column == kScore2) {
        return target;
    }
    if (from.column == kScore1) {
        return {target.column == kName2 ? kScore2 : kScore1, target.row};
    }
    if (target.column == kName2 && target.row != from.row) {
        return {kScore2, target.row};
    }
    return {kScore1, target.row};
}

int ScoreSheet::topRowFor(int row) {
    return row > kVisibleRows ? row - (kVisibleRows - 1) : -1;
}

} // namespace grd
