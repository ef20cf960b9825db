#include "tools/Commands.h"

#include "league/RankingsFile.h"
#include "printing/ReportChoices.h"
#include "printing/ReportCsv.h"
#include "printing/ReportText.h"
#include "tools/ProgramDirectory.h"
#include "tools/ToolArgs.h"

#include <cstdio>
#include <optional>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool report [DIR] [--archive FILE] [--reports LIST] [--csv]\n\n"
    "Prints the text of the reports the program prints for the main data file of\n"
    "data directory DIR (by default the program's own, as Oddsmith chooses it), or\n"
    "for the archive FILE: one line per report line, cells\n"
    "joined by \"|\". LIST names the reports, separated by commas:\n"
    "spreads-plain, spreads-grid, scores, team, division, category. Without it every\n"
    "report the data holds is printed. Reports come in the program's print order.\n"
    "Team names follow the preferences in DIR's GRDOdds.cfg. --csv prints the same\n"
    "cells as CSV records (RFC 4180), without the blank and style-only lines.\n";

struct Options {
    std::string dir;
    std::optional<std::string> archive;
    std::optional<ReportChoices> reports;
    bool csv = false;
};

// The options, or the problem with them.
std::optional<std::string> parseOptions(const Args& args, Options& options) {
    size_t first = 0;
    if (!args.empty() && !args[0].starts_with('-')) {
        options.dir = programDirectory(args[0]);
        first = 1;
    }
    for (size_t i = first; i < args.size(); ++i) {
        if (args[i] == "--csv") {
            options.csv = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            return args[i] + " needs a value";
        }
        const std::string& value = args[++i];
        if (args[i - 1] == "--archive") {
            options.archive = value;
        } else if (args[i - 1] == "--reports") {
            std::string unknown;
            options.reports = parseReportList(value, unknown);
            if (!options.reports) {
                return "unknown report '" + unknown + "'";
            }
        } else {
            return "unknown option '" + args[i - 1] + "'";
        }
    }
    return std::nullopt;
}

} // namespace

int report(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    Options options;
    if (auto problem = parseOptions(args, options)) {
        return usageError("report", *problem, kHelp);
    }
    AppState app;
    if (!chooseProgramDirectory("report", options.dir, app) ||
        !loadProgramDirectory("report", app)) {
        return 1;
    }
    LoadedPreferences prefs = LoadPreferences(app.programDir + std::string(kConfigFileName), false);
    if (prefs.failure) {
        printFailure("report", std::string(kConfigFileName), *prefs.failure);
        return 1;
    }
    const std::string file = options.archive.value_or(app.programDir + kMainDataFileName);
    tRankings rankings;
    if (Status read = ReadRankings(file, options.archive ? kArchiveKind : kMainDataKind, rankings,
                                   app.program, app.league);
        !read) {
        printFailure("report", file, read.failure());
        return 1;
    }
    const ReportChoices available = availableReports(rankings, app.program);
    const ReportChoices chosen = options.reports.value_or(available);
    if (auto missing = unavailableReport(chosen, available)) {
        printFailure("report", file, *missing);
        return 1;
    }
    auto text = buildReportText(selectReports(chosen, rankings, app.program),
                                {rankings, app.program, app.league, prefs.prefs.view});
    if (!text) {
        printFailure("report", file, text.failure());
        return 1;
    }
    std::string out = options.csv ? reportCsv(text.value().lines) : std::string();
    for (const std::string& line : options.csv ? std::vector<std::string>() : text.value().lines) {
        out += line + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

} // namespace grd::tool
