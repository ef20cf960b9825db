#include "tools/Commands.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const grd::tool::Args&);
};

constexpr Command kCommands[] = {
    {"pack", "compress a file into the data container", grd::tool::pack},
    {"unpack", "decompress a data container file", grd::tool::unpack},
    {"build-schedule", "make the schedule and names files from game records",
     grd::tool::buildSchedule},
    {"dump", "print a schedule, names, structure or data file readably", grd::tool::dump},
    {"init", "write a main data file that stands before week 1", grd::tool::init},
    {"new-season", "reset the main data file for a new season", grd::tool::newSeason},
    {"replay", "run the weekly task for each week of game records", grd::tool::replay},
    {"report", "print the report texts of the main data or an archive", grd::tool::report},
    {"accuracy", "tell how the season's forecasts fared", grd::tool::accuracy},
    {"outlook", "print the standings and the playoff odds", grd::tool::outlook},
#ifdef ODDSMITH_FETCH
    {"fetch", "download the league's public game records", grd::tool::fetch},
#endif
};

void usage(std::FILE* out) {
    std::fprintf(out, "usage: grdtool COMMAND [ARGS...]\n\nData tool of GRD Oddsmith.\n\n");
    for (const auto& command : kCommands) {
        std::fprintf(out, "  %-15s %s\n", command.name, command.summary);
    }
    std::fprintf(out, "\n'grdtool COMMAND --help' describes a command; 'grdtool --version'\n"
                      "names the release. Commands that take a data directory DIR use\n"
                      "Oddsmith's own when it is left out.\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    std::string_view name = argv[1];
    if (name == "--help" || name == "-h") {
        usage(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("grdtool (GRD Oddsmith) %s\n", ODDSMITH_VERSION);
        return 0;
    }
    for (const auto& command : kCommands) {
        if (name == command.name) {
            return command.run(grd::tool::Args(argv + 2, argv + argc));
        }
    }
#ifndef ODDSMITH_FETCH
    if (name == "fetch") {
        std::fprintf(stderr, "grdtool: fetch is not part of this build, which has no Qt\n");
        return 1;
    }
#endif
    std::fprintf(stderr, "grdtool: unknown command '%s'\n", argv[1]);
    usage(stderr);
    return 2;
}
