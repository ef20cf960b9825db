#include "printing/TableFormat.h"

#include "league/Format.h"

#include <charconv>
#include <cmath>

namespace grd {

namespace {

TableColumn parseColumn(std::string_view text, double defaultWidth) {
    TableColumn column;
    if (!text.empty()) {
        switch (text.front()) {
        case '<':
            text.remove_prefix(1);
            break;
        case '>':
            column.align = CellAlignment::Right;
            text.remove_prefix(1);
            break;
        case '^':
            column.align = CellAlignment::Centre;
            text.remove_prefix(1);
            break;
        default:
            break;
        }
    }
    double width = parseReal(text).value_or(defaultWidth);
    column.grid = width >= 0;
    column.width = std::fabs(width);
    return column;
}

std::string shortestText(double value) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

} // namespace

std::vector<TableColumn> parseTableFormat(std::string_view format, char separator,
                                          double defaultWidth) {
    std::vector<TableColumn> columns;
    size_t start = 0;
    while (true) {
        size_t end = format.find(separator, start);
        columns.push_back(parseColumn(format.substr(start, end - start), defaultWidth));
        if (end == std::string_view::npos)
            return columns;
        start = end + 1;
    }
}

std::string tableFormatText(const std::vector<TableColumn>& columns, char separator) {
    std::string text;
    for (const TableColumn& column : columns) {
        if (!text.empty())
            text += separator;
        text += column.align == CellAlignment::Right    ? '>'
                : column.align == CellAlignment::Centre ? '^'
                                                        : '<';
        text += shortestText(column.grid ? column.width : -column.width);
    }
    return text;
}

std::string normaliseTableFormat(std::string_view format, char separator, double defaultWidth) {
    if (format.empty())
        return {};
    return tableFormatText(parseTableFormat(format, separator, defaultWidth), separator);
}

std::string scaleTableFormat(std::string_view format, char separator, double defaultWidth,
                             const std::function<double(double)>& convert) {
    if (format.empty())
        return {};
    auto columns = parseTableFormat(format, separator, defaultWidth);
    for (TableColumn& column : columns)
        column.width = convert(column.width);
    return tableFormatText(columns, separator);
}

} // namespace grd
