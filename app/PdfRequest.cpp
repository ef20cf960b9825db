#include "app/PdfRequest.h"

#include "league/Format.h"

namespace grd {

namespace {

// Reads the value of option name; false with a problem when it is not usable.
bool readOption(PdfRequest& request, const std::string& name, const std::string& value,
                std::string& problem) {
    if (name == "--pdf") {
        request.out = value;
    } else if (name == "--archive") {
        request.archive = value;
    } else if (name == "--reports") {
        std::string unknown;
        request.reports = parseReportList(value, unknown);
        if (!request.reports) {
            problem = "unknown report '" + unknown + "'";
            return false;
        }
    } else if (name == "--schedule") {
        auto columns = parseInteger(value);
        if (!columns || *columns < 1 || *columns > 3) {
            problem = "--schedule takes 1, 2 or 3";
            return false;
        }
        request.scheduleColumns = static_cast<int>(*columns);
    } else {
        problem = "unknown option '" + name + "'";
        return false;
    }
    return true;
}

} // namespace

PdfArguments parsePdfArguments(const std::vector<std::string>& args) {
    PdfArguments parsed;
    bool wanted = false;
    for (const std::string& arg : args)
        wanted = wanted || arg == "--pdf";
    if (!wanted)
        return parsed;
    PdfRequest request;
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            parsed.problem = args[i] + " needs a value";
            return parsed;
        }
        if (!readOption(request, args[i], args[i + 1], parsed.problem))
            return parsed;
    }
    if (request.out.empty()) {
        parsed.problem = "--pdf needs a file name";
        return parsed;
    }
    parsed.request = request;
    return parsed;
}

} // namespace grd
