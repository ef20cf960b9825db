#include "records/CsvTable.h"

#include <algorithm>

namespace grd {

namespace {

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

Failure lineFailure(int line, const std::string& what) {
    return {0, "line " + std::to_string(line) + ": " + what};
}

Result<CsvTable> CsvTable::parse(std::string_view text,
                                 const std::vector<std::string_view>& required) {
    CsvTable table;
    int lineNumber = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
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
