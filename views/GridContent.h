#pragma once

#include <string>
#include <vector>

namespace grd {

// How a cell is drawn over its normal look.
enum class CellMark {
    None,
    Highlight, // the platform's selection colours
    FirstTeam, // red: the first team picked in the category window
    SecondTeam // blue: the second team picked
};

// The texts of one display window's grid, by logical column, and how each cell is
// marked. The window lays the logical columns out in its own display order.
struct GridContent {
    std::vector<std::string> titles;            // header texts by logical column
    std::vector<CellMark> headerMarks;          // by logical column
    std::vector<std::vector<std::string>> rows; // data rows, each by logical column
    std::vector<std::vector<CellMark>> marks;   // same shape as rows

    explicit GridContent(std::vector<std::string> columnTitles = {});

    int columnCount() const { return static_cast<int>(titles.size()); }
    int rowCount() const { return static_cast<int>(rows.size()); }
    // Appends an empty data row and returns its index.
    int addRow();
    void set(int row, int column, std::string text);
    void mark(int row, int column, CellMark how);
    void markRow(int row, CellMark how);
    const std::string& text(int row, int column) const;
    const std::string& title(int column) const;
    CellMark markAt(int row, int column) const;
};

} // namespace grd
