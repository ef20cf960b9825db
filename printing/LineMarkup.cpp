#include "printing/LineMarkup.h"

#include <string_view>

namespace grd {

namespace {

void replaceAll(std::string& text, std::string_view field, const std::string& value) {
    for (size_t at = text.find(field); at != std::string::npos;
         at = text.find(field, at + value.size()))
        text.replace(at, field.size(), value);
}

} // namespace

int takeStyleCommand(std::string& line) {
    if (line.size() <= 3 || line.compare(0, 2, "{$") != 0 || line[3] != '}')
        return kStyleNone;
    int style = kStyleNone;
    switch (line[2]) {
    case 'B':
        style = kStyleBold;
        break;
    case 'I':
        style = kStyleItalic;
        break;
    case 'U':
        style = kStyleUnderline;
        break;
    case 'S':
        style = kStyleStrikeOut;
        break;
    default:
        return kStyleNone;
    }
    line.erase(0, 4);
    return style;
}

std::string expandCellFields(const std::string& cell, const CellFields& fields, char separator) {
    if (cell.find("{$") == std::string::npos)
        return cell;
    if (cell.find("{$*}") != std::string::npos)
        return cell.size() == 5 ? std::string(1, separator) : std::string();
    std::string text = cell;
    replaceAll(text, "{$LINE}", std::to_string(fields.line));
    replaceAll(text, "{$PAGE}", std::to_string(fields.page));
    replaceAll(text, "{$DATE}", fields.date);
    replaceAll(text, "{$TIME}", fields.time);
    replaceAll(text, "{$TITLE}", fields.title);
    return text;
}

std::string expandTabs(const std::string& line, int tabSize) {
    if (tabSize <= 0 || line.find('\t') == std::string::npos)
        return line;
    std::string text;
    for (char c : line) {
        if (c != '\t') {
            text += c;
            continue;
        }
        size_t stop =
            (text.size() / static_cast<size_t>(tabSize) + 1) * static_cast<size_t>(tabSize);
        text.append(stop - text.size(), ' ');
    }
    return text;
}

} // namespace grd
