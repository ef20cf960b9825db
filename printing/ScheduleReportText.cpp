#include "printing/ScheduleReportText.h"

#include "printing/ReportText.h"
#include "views/ScheduleView.h"

#include <algorithm>
#include <utility>

namespace grd {
namespace {

using Row = std::vector<std::string>;

const std::string& cell(const Row& row, int column) {
    static const std::string kEmpty;
    return static_cast<size_t>(column) < row.size() ? row[static_cast<size_t>(column)] : kEmpty;
}

bool isGame(const Row& row) {
    return !cell(row, kAtColumn).empty();
}

std::string whenText(const Row& row) {
    return cell(row, kDayColumn) + "|" + cell(row, kDateColumn) + "|" + cell(row, kTimeColumn);
}

std::string gameText(const Row& row) {
    return whenText(row) + "|" + cell(row, kVisitorColumn) + "|at|" + cell(row, kHomeColumn);
}

std::string boldHeading(const std::string& text) {
    return std::string(kBoldMark) + "|||" + text;
}

std::vector<std::string> singleColumn(const GridContent& grid, int regularWeeks) {
    std::vector<std::string> lines;
    int week = 0;
    for (const Row& row : grid.rows) {
        if (isGame(row)) {
            lines.push_back(gameText(row));
        } else if (week > regularWeeks) {
            lines.push_back("");
            lines.push_back(boldHeading(cell(row, kHomeColumn)));
        } else if (!cell(row, kHomeColumn).empty()) {
            ++week;
            lines.push_back("");
            lines.push_back(boldHeading(week <= regularWeeks ? " Week " + std::to_string(week)
                                                             : cell(row, kHomeColumn)));
        } else {
            lines.push_back(whenText(row) + "|" + cell(row, kVisitorColumn)); // an open date
        }
    }
    return lines;
}

// A week or playoff round of the complete schedule: where its rows start, how many
// games follow before its first row without one, and its title.
struct Block {
    size_t start = 0;
    size_t games = 0;
    std::string heading;
};

Block blockAt(const GridContent& grid, size_t start, std::string heading) {
    Block block{start, 0, std::move(heading)};
    while (start + block.games < grid.rows.size() && isGame(grid.rows[start + block.games])) {
        ++block.games;
    }
    return block;
}

std::vector<Block> scheduleBlocks(const GridContent& grid) {
    std::vector<Block> blocks;
    if (grid.rows.size() < 2) {
        return blocks;
    }
    blocks.push_back(blockAt(grid, 1, " Week 1")); // the first row is week 1's title
    for (size_t r = 1; r < grid.rows.size(); ++r) {
        const Row& row = grid.rows[r];
        if (cell(row, kVisitorColumn).empty() && cell(row, kAtColumn).empty()) {
            blocks.push_back(blockAt(grid, r + 1, cell(row, kHomeColumn)));
        }
    }
    return blocks;
}

// The game row at offset of a block, or none once its games have ended.
const Row* gameOf(const GridContent& grid, const Block& block, size_t offset) {
    return offset < block.games ? &grid.rows[block.start + offset] : nullptr;
}

std::vector<std::string> sideBySide(const GridContent& grid, size_t perLine) {
    const std::vector<Block> blocks = scheduleBlocks(grid);
    std::vector<std::string> lines;
    for (size_t first = 0; first < blocks.size(); first += perLine) {
        const size_t last = std::min(blocks.size(), first + perLine);
        std::string heading = boldHeading(blocks[first].heading);
        for (size_t b = first + 1; b < last; ++b) {
            heading += "|||||||" + blocks[b].heading;
        }
        lines.push_back(heading);
        for (size_t offset = 0;; ++offset) {
            std::string line;
            bool anyGame = false;
            for (size_t k = 0; k < perLine; ++k) {
                const Row* game =
                    first + k < last ? gameOf(grid, blocks[first + k], offset) : nullptr;
                anyGame = anyGame || game != nullptr;
                if (game != nullptr) {
                    line += (k == 0 ? "" : "||") + gameText(*game);
                } else {
                    line += k == 0 ? "|||||" : k == 1 ? "|||||||" : "";
                }
            }
            if (!anyGame) {
                break;
            }
            lines.push_back(line);
        }
        if (perLine == 2 && last < blocks.size()) {
            lines.push_back("");
        }
    }
    return lines;
}

} // namespace

ScheduleReport scheduleReportText(const GridContent& grid, ScheduleColumns columns,
                                  int regularWeeks, const std::string& title,
                                  const std::string& viewName) {
    if (columns == kTwoColumns || columns == kThreeColumns) {
        return {title, sideBySide(grid, columns == kTwoColumns ? 2 : 3)};
    }
    return {columns > 0 ? title + ": " + viewName : title, singleColumn(grid, regularWeeks)};
}

} // namespace grd
