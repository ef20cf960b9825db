#include "views/CsvText.h"

namespace grd {

namespace {

constexpr const char* kRecordEnd = "\r\n";

std::string_view trimmed(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string csvRecord(const std::vector<std::string_view>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        line += (i == 0 ? "" : ",") + csvField(cells[i]);
    }
    return line + kRecordEnd;
}

std::string csvField(std::string_view text) {
    text = trimmed(text);
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (char c : text) {
        field += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return field + "\"";
}

std::string gridCsv(const GridContent& grid, const ColumnMap& columns) {
    auto rowOf = [&](auto cellOfLogical) {
        std::vector<std::string_view> cells;
        for (int display = 0; display < grid.columnCount(); ++display) {
            cells.push_back(cellOfLogical(columns.logicalAt(display)));
        }
        return csvRecord(cells);
    };
    std::string csv = rowOf([&](int logical) -> std::string_view { return grid.title(logical); });
    for (int row = 0; row < grid.rowCount(); ++row) {
        csv += rowOf([&](int logical) -> std::string_view { return grid.text(row, logical); });
    }
    return csv;
}

} // namespace grd
