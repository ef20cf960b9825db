#include "records/CsvTable.h"

#include "files/Printable.h"
#include "league/Format.h"

#include <algorithm>

namespace grd {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A field quoted in a message is cut here, so a huge field cannot flood it.
constexpr size_t kQuotedFieldLength = 40;

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

// The next line of text without its line end; CR LF, LF and CR all end a line.
std::string_view nextLine(std::string_view& text) {
    size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return line;
}

} // namespace

std::string printableField(std::string_view field) {
    std::string text = printable(field.substr(0, kQuotedFieldLength));
    return field.size() > kQuotedFieldLength ? text + "..." : text;
}

Failure lineFailure(int line, const std::string& what) {
    return {0, "line " + std::to_string(line) + ": " + what};
}

Result<CsvTable> CsvTable::parse(std::string_view text,
                                 const std::vector<std::string_view>& required) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    CsvTable table;
    int lineNumber = 0;
    while (!text.empty()) {
        std::string_view line = nextLine(text);
        ++lineNumber;
        if (line.size() > kMaxRecordsLineBytes) {
            return lineFailure(lineNumber, "longer than " +
                                               std::to_string(kMaxRecordsLineBytes >> 10) + " KiB");
        }
        if (line.empty()) {
            continue;
        }
        if (auto control = std::find_if(line.begin(), line.end(), isControl);
            control != line.end()) {
            return lineFailure(lineNumber, "a control character (" +
                                               printable(std::string_view(&*control, 1)) +
                                               ") in the text");
        }
        if (table.header_.empty()) {
            const std::vector<std::string_view> names = splitAt(line, ',');
            table.header_.assign(names.begin(), names.end());
            for (auto column : required) {
                if (std::find(table.header_.begin(), table.header_.end(), column) ==
                    table.header_.end()) {
                    return lineFailure(lineNumber,
                                       "the header has no column " + std::string(column));
                }
            }
            continue;
        }
        auto fields = static_cast<size_t>(std::count(line.begin(), line.end(), ',')) + 1;
        if (fields < table.header_.size()) {
            return lineFailure(lineNumber, std::to_string(fields) +
                                               " fields where the header has " +
                                               std::to_string(table.header_.size()));
        }
        if (table.rows_.size() == kMaxRecordsRows) {
            return lineFailure(lineNumber,
                               "more than " + std::to_string(kMaxRecordsRows) + " records");
        }
        table.rows_.push_back({lineNumber, std::string(line)});
    }
    if (table.header_.empty()) {
        return lineFailure(lineNumber, "no header line");
    }
    return table;
}

std::string_view CsvTable::field(const Row& row, std::string_view column) const {
    auto found = std::find(header_.begin(), header_.end(), column);
    if (found == header_.end()) {
        return {};
    }
    std::string_view rest = row.text;
    for (auto index = found - header_.begin(); index > 0; --index) {
        size_t comma = rest.find(',');
        if (comma == std::string_view::npos) {
            return {};
        }
        rest.remove_prefix(comma + 1);
    }
    return rest.substr(0, rest.find(','));
}

Result<std::string> readRecordsFile(const std::filesystem::path& path,
                                    const ReadProgress& progress) {
    return readBoundedFile(path, kMaxRecordsFileBytes, progress);
}

} // namespace grd
