#include "views/GridContent.h"

#include <utility>

namespace grd {
namespace {

const std::string kEmpty;

} // namespace

GridContent::GridContent(std::vector<std::string> columnTitles)
    : titles(std::move(columnTitles)), headerMarks(titles.size(), CellMark::None) {}

int GridContent::addRow() {
    rows.emplace_back(titles.size());
    marks.emplace_back(titles.size(), CellMark::None);
    return rowCount() - 1;
}

void GridContent::set(int row, int column, std::string text) {
    if (row >= 0 && row < rowCount() && column >= 0 && column < columnCount()) {
        rows[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(text);
    }
}

void GridContent::mark(int row, int column, CellMark how) {
    if (row >= 0 && row < rowCount() && column >= 0 && column < columnCount()) {
        marks[static_cast<size_t>(row)][static_cast<size_t>(column)] = how;
    }
}

void GridContent::markRow(int row, CellMark how) {
    for (int column = 0; column < columnCount(); ++column) {
        mark(row, column, how);
    }
}

const std::string& GridContent::text(int row, int column) const {
    if (row >= 0 && row < rowCount() && column >= 0 && column < columnCount()) {
        return rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    return kEmpty;
}

const std::string& GridContent::title(int column) const {
    return column >= 0 && column < columnCount() ? titles[static_cast<size_t>(column)] : kEmpty;
}

CellMark GridContent::markAt(int row, int column) const {
    if (row >= 0 && row < rowCount() && column >= 0 && column < columnCount()) {
        return marks[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    return CellMark::None;
}

} // namespace grd
