#include "records/CsvTable.h"

#include <algorithm>

namespace grd {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A field quoted in a message is cut here, so a huge field cannot flood it.
constexpr size_t kQuotedFieldLength = 40;

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

std::string printable(char c) {
    constexpr const char* kHex = "0123456789ABCDEF";
    auto byte = static_cast<unsigned char>(c);
    if (!isControl(c) && byte < 0x80) {
        return std::string(1, c);
    }
    return std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xf];
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

} // namespace

std::string printableField(std::string_view field) {
    std::string text;
    for (char c : field.substr(0, kQuotedFieldLength)) {
        text += printable(c);
    }
    return field.size() > kQuotedFieldLength ? text + "..." : text;
}

Failure lineFailure(int line, const std::string& what) {
    return {0, "line " + std::to_string(line) + ": " + what};
}

Result<CsvTable> CsvTable::parse(std::string_view text,
                                 const std::vector<std::string_view>& required) {
    CsvTable table;
    int lineNumber = 0;
    // Spreadsheets save UTF-8 with a byte order mark before the first column's name.
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        // CR, LF and CR LF all end a line, as the systems that write records do.
        size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        size_t next = end == std::string_view::npos       ? text.size()
                      : text.compare(end, 2, "\r\n") == 0 ? end + 2
                                                          : end + 1;
        text.remove_prefix(next);
        ++lineNumber;
        if (line.empty()) {
            continue;
        }
        if (auto control = std::find_if(line.begin(), line.end(), isControl);
            control != line.end()) {
            return lineFailure(lineNumber,
                               "a control character (" + printable(*control) + ") in the text");
        }
        if (table.header_.empty()) {
            table.header_ = splitFields(line);
            for (auto column : required) {
                if (std::find(table.header_.begin(), table.header_.end(), column) ==
                    table.header_.end()) {
                    return lineFailure(lineNumber, "no column " + std::string(column));
                }
            }
            continue;
        }
        auto fields = splitFields(line);
        if (fields.size() < table.header_.size()) {
            return lineFailure(lineNumber, "too few fields");
        }
        table.rows_.push_back({lineNumber, std::move(fields)});
    }
    if (table.header_.empty()) {
        return lineFailure(lineNumber, "no header line");
    }
    return table;
}

std::string_view CsvTable::field(const Row& row, std::string_view column) const {
    auto found = std::find(header_.begin(), header_.end(), column);
    auto index = static_cast<size_t>(found - header_.begin());
    return found == header_.end() || index >= row.fields.size() ? std::string_view()
                                                                : row.fields[index];
}

} // namespace grd
