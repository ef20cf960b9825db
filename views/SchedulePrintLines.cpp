#include "views/SchedulePrintLines.h"

#include "views/ScheduleView.h"

#include <algorithm>

namespace grd {

namespace {

struct ScheduleBlock {
    std::string heading;
    int firstRow = 0; // data rows
    int endRow = 0;   // one past its last row
};

const std::string& cell(const GridContent& grid, int row, int column) {
    return grid.text(row, column);
}

bool isGame(const GridContent& grid, int row) {
    return !cell(grid, row, kAtColumn).empty();
}

std::string gamePart(const GridContent& grid, int row) {
    return cell(grid, row, kDayColumn) + "|" + cell(grid, row, kDateColumn) + "|" +
           cell(grid, row, kTimeColumn) + "|" + cell(grid, row, kVisitorColumn) + "|at|" +
           cell(grid, row, kHomeColumn);
}

std::vector<std::string> singleColumn(const GridContent& grid, int regularWeeks) {
    std::vector<std::string> lines;
    int week = 0;
    for (int row = 0; row < grid.rowCount(); ++row) {
        const std::string& home = cell(grid, row, kHomeColumn);
        if (isGame(grid, row)) {
            lines.push_back(gamePart(grid, row));
        } else if (week > regularWeeks) {
            lines.emplace_back();
            lines.push_back("{$B}|||" + home);
        } else if (!home.empty()) {
            ++week;
            lines.emplace_back();
            lines.push_back(week <= regularWeeks ? "{$B}||| Week " + std::to_string(week)
                                                 : "{$B}|||" + home);
        } else {
            lines.push_back(cell(grid, row, kDayColumn) + "|" + cell(grid, row, kDateColumn) + "|" +
                            cell(grid, row, kTimeColumn) + "|" + cell(grid, row, kVisitorColumn));
        }
    }
    return lines;
}

std::vector<ScheduleBlock> scheduleBlocks(const GridContent& grid) {
    std::vector<ScheduleBlock> blocks;
    if (grid.rowCount() < 2)
        return blocks;
    blocks.push_back({" Week 1", 1, grid.rowCount()});
    for (int row = 2; row < grid.rowCount(); ++row) {
        if (cell(grid, row, kVisitorColumn).empty() && !isGame(grid, row)) {
            blocks.back().endRow = row + 1;
            blocks.push_back({cell(grid, row, kHomeColumn), row + 1, grid.rowCount()});
        }
    }
    return blocks;
}

// The number of games a block starts with: its rows up to the first without " at".
int gameCount(const GridContent& grid, const ScheduleBlock& block) {
    int row = block.firstRow;
    while (row < block.endRow && isGame(grid, row))
        ++row;
    return row - block.firstRow;
}

std::vector<std::string> sideBySide(const GridContent& grid, int perGroup) {
    std::vector<std::string> lines;
    std::vector<ScheduleBlock> blocks = scheduleBlocks(grid);
    for (size_t first = 0; first < blocks.size(); first += static_cast<size_t>(perGroup)) {
        size_t last = std::min(blocks.size(), first + static_cast<size_t>(perGroup));
        std::string heading = "{$B}|||" + blocks[first].heading;
        int depth = 0;
        for (size_t b = first; b < last; ++b) {
            if (b > first)
                heading += "|||||||" + blocks[b].heading;
            depth = std::max(depth, gameCount(grid, blocks[b]));
        }
        lines.push_back(heading);
        for (int k = 0; k < depth; ++k) {
            std::string line;
            for (size_t b = first; b < first + static_cast<size_t>(perGroup); ++b) {
                bool has = b < last && k < gameCount(grid, blocks[b]);
                std::string part = has ? gamePart(grid, blocks[b].firstRow + k) : "";
                if (b == first)
                    line += has ? part : "|||||";
                else if (b == first + 1)
                    line += has ? "||" + part : "|||||||";
                else if (has)
                    line += "||" + part;
            }
            lines.push_back(line);
        }
        if (perGroup == 2 && last < blocks.size())
            lines.emplace_back();
    }
    return lines;
}

} // namespace

std::vector<std::string> schedulePrintLines(const GridContent& grid, int columnsMode,
                                            int regularWeeks) {
    if (columnsMode == -1)
        return sideBySide(grid, 2);
    if (columnsMode == -2)
        return sideBySide(grid, 3);
    return singleColumn(grid, regularWeeks);
}

} // namespace grd
