#pragma once

#include "printing/ReportChoices.h"

#include <optional>
#include <string>
#include <vector>

namespace grd {

// "--pdf OUT.pdf [--archive FILE] [--reports LIST] [--schedule 1|2|3]": write the
// reports (or the schedule) of the program directory's data to a PDF, no window shown.
struct PdfRequest {
    std::string out;
    std::optional<std::string> archive;
    std::optional<ReportChoices> reports; // absent: every report the data holds
    int scheduleColumns = 0;              // 1, 2 or 3 prints the schedule instead
};

struct PdfArguments {
    std::optional<PdfRequest> request; // absent without "--pdf"
    std::string problem;               // what is wrong with the arguments, if anything
};

// The request in args (the program's arguments after its name).
PdfArguments parsePdfArguments(const std::vector<std::string>& args);

} // namespace grd
