#include "tools/Commands.h"

#include "league/FileNames.h"
#include "league/Format.h"
#include "prefs/Preferences.h"
#include "prefs/RecordsAddress.h"
#include "records/PublicRecords.h"
#include "records/ui/RecordsDownload.h"
#include "state/AppState.h"
#include "tools/ProgramDirectory.h"
#include "tools/ToolArgs.h"
#include "tools/WriterLock.h"

#include <QCoreApplication>

#include <cstdio>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool fetch [DIR] [--url URL] [--out FILE] [--timeout S]\n\n"
    "Downloads the league's public game records and keeps them as GRDRecords.csv in\n"
    "program directory DIR (by default the program's own), replacing the file there,\n"
    "for 'grdtool replay DIR DIR/GRDRecords.csv' and the program's Catch Up and Import\n"
    "Market Lines. The address is URL, else the environment's GRDODDS_RECORDS_URL, else\n"
    "[Records] Address of DIR's GRDOdds.cfg, else the public collection's. --out FILE\n"
    "writes FILE instead. The download fails when the server is silent for S seconds\n"
    "(default 30), when the file is over 64 MiB or when it is not game records in the\n"
    "public layout; nothing is written then.\n";

struct Options {
    std::string dir;
    std::string url;
    std::string out;
    int timeoutSeconds = 30;
};

std::optional<std::string> parseOptions(const Args& args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if ((arg == "--url" || arg == "--out") && i + 1 < args.size()) {
            (arg == "--url" ? options.url : options.out) = args[++i];
        } else if (arg == "--timeout" && i + 1 < args.size()) {
            auto value = parseInteger(args[++i]);
            if (!value || *value < 1 || *value > 3600) {
                return "--timeout needs a whole number of seconds from 1 to 3600";
            }
            options.timeoutSeconds = static_cast<int>(*value);
        } else if (options.dir.empty() && !arg.starts_with("-")) {
            options.dir = programDirectory(arg);
        } else {
            return "unexpected argument '" + arg + "'";
        }
    }
    return std::nullopt;
}

std::string describe(const RecordsSummary& summary, const std::string& seasonLabel) {
    std::string text = std::to_string(summary.games) + " games";
    if (!summary.firstSeason.empty()) {
        text += summary.firstSeason == summary.lastSeason
                    ? " of the " + summary.firstSeason + " season"
                    : " of the seasons " + summary.firstSeason + " to " + summary.lastSeason;
    }
    if (!seasonLabel.empty()) {
        text += cformat("; %s: %d games, %d with scores, %d with market lines", seasonLabel.c_str(),
                        summary.seasonGames, summary.seasonScored, summary.seasonLines);
    }
    return text;
}

// The records as downloaded and checked; nothing after a message.
std::optional<FetchedRecords> download(const std::string& address, int timeoutSeconds,
                                       const std::string& seasonLabel) {
    int argc = 1;
    char name[] = "grdtool";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    DownloadLimits limits;
    limits.timeout = std::chrono::seconds(timeoutSeconds);
    auto fetched = fetchPublicRecords(QString::fromStdString(address), seasonLabel, limits);
    if (!fetched) {
        printFailure("fetch", std::string(), fetched.failure());
        return std::nullopt;
    }
    return std::move(fetched.value());
}

} // namespace

int fetch(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    Options options;
    if (auto problem = parseOptions(args, options)) {
        return usageError("fetch", *problem, kHelp);
    }
    AppState app;
    if (!chooseProgramDirectory("fetch", options.dir, app)) {
        return 1;
    }
    const bool intoDirectory = options.out.empty();
    if (intoDirectory && !loadProgramDirectory("fetch", app)) {
        return 1;
    }
    if (options.url.empty()) {
        auto config = IniFile::load(findFileIgnoringCase(app.programDir, kConfigFileName), 0);
        options.url = recordsAddress(config ? config.value() : IniFile());
    }
    auto fetched = download(options.url, options.timeoutSeconds, app.league.seasonLabel);
    if (!fetched) {
        return 1;
    }
    // Taken only to write: a download that fails leaves the directory as it was.
    auto lock = intoDirectory ? lockForWriting("fetch", app.programDir) : nullptr;
    if (intoDirectory && !lock) {
        return 1;
    }
    const std::filesystem::path target =
        intoDirectory ? recordsFileIn(app.programDir) : std::filesystem::path(options.out);
    if (auto saved = saveRecordsFile(target, fetched->text); !saved) {
        printFailure("fetch", std::string(), saved.failure());
        return 1;
    }
    std::printf("saved %s: %s\n", target.c_str(),
                describe(fetched->summary, app.league.seasonLabel).c_str());
    return 0;
}

} // namespace grd::tool
