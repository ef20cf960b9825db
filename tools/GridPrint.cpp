#include "tools/GridPrint.h"

#include <algorithm>
#include <cstdio>

namespace grd::tool {

void printGrid(const GridContent& grid) {
    std::vector<size_t> widths(static_cast<size_t>(grid.columnCount()));
    for (int column = 0; column < grid.columnCount(); ++column) {
        auto& width = widths[static_cast<size_t>(column)];
        width = grid.title(column).size();
        for (int row = 0; row < grid.rowCount(); ++row) {
            width = std::max(width, grid.text(row, column).size());
        }
    }
    auto printLine = [&](auto cell) {
        std::string line;
        for (int column = 0; column < grid.columnCount(); ++column) {
            const std::string& text = cell(column);
            auto pad = std::string(widths[static_cast<size_t>(column)] - text.size(), ' ');
            line += column == 0 ? text + pad : "  " + pad + text;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::printf("%s\n", line.c_str());
    };
    printLine([&](int column) -> const std::string& { return grid.title(column); });
    for (int row = 0; row < grid.rowCount(); ++row) {
        printLine([&](int column) -> const std::string& { return grid.text(row, column); });
    }
}

} // namespace grd::tool
