#include "printing/ReportCsv.h"

#include "printing/LineMarkup.h"
#include "views/CsvText.h"

#include <string_view>

namespace grd {

std::string reportCsv(const std::vector<std::string>& lines) {
    std::string csv;
    for (std::string line : lines) {
        takeStyleCommand(line);
        if (line.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        std::vector<std::string_view> cells;
        std::string_view rest = line;
        for (auto bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
            cells.push_back(rest.substr(0, bar));
            rest.remove_prefix(bar + 1);
        }
        cells.push_back(rest);
        csv += csvRecord(cells);
    }
    return csv;
}

} // namespace grd
