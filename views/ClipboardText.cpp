#include "views/ClipboardText.h"

namespace grd {
namespace {

// Linux programs read clipboard text with LF line ends.
constexpr const char* kLineEnd = "\n";

void appendRow(std::string& text, int columnCount, const ColumnMap& columns,
               const auto& cellOfLogical) {
    for (int display = 0; display < columnCount; ++display) {
        text += cellOfLogical(columns.logicalAt(display));
        text += display + 1 < columnCount ? "\t" : kLineEnd;
    }
}

} // namespace

std::string gridClipboardText(const std::string& caption, const GridContent& grid,
                              const ColumnMap& columns) {
    std::string text = std::string("GRD Oddsmith") + kLineEnd + caption + kLineEnd;
    const int count = grid.columnCount();
    appendRow(text, count, columns,
              [&](int logical) -> const std::string& { return grid.title(logical); });
    for (int row = 0; row < grid.rowCount(); ++row) {
        appendRow(text, count, columns,
                  [&](int logical) -> const std::string& { return grid.text(row, logical); });
    }
    return text;
}

std::string forecastListClipboardText(const std::vector<std::string>& entries) {
    std::string text = std::string("GRD Oddsmith") + kLineEnd + "Informal Forecasts" + kLineEnd;
    for (const std::string& entry : entries) {
        text += entry + kLineEnd;
    }
    return text;
}

} // namespace grd
