#include "codec/Tlzrw1.h"
#include "tools/Commands.h"
#include "tools/ToolArgs.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace grd::tool {

namespace {

constexpr const char* kPackHelp = "usage: grdtool pack [--fast|--good|--auto] IN OUT\n\n"
                                  "Compresses IN into the data container OUT.\n"
                                  "  --good  LZHUF, the smaller file (the default)\n"
                                  "  --fast  LZRW1-KH, the faster to read\n"
                                  "  --auto  whichever sampling the input recommends\n";

constexpr const char* kUnpackHelp = "usage: grdtool unpack IN OUT\n\n"
                                    "Decompresses the data container IN into OUT.\n";

// Runs one operation of the component on two files; its message names what went wrong.
template <class Operation>
int runComponent(const char* command, Tlzrw1& component, Operation operation) {
    try {
        operation(component);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "grdtool %s: %s: %s\n", command, component.InputFile.c_str(),
                     failure.what());
        return 1;
    }
    return 0;
}

} // namespace

int pack(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kPackHelp, stdout);
        return 0;
    }
    Tlzrw1 component;
    Args files;
    for (const auto& arg : args) {
        if (arg == "--fast") {
            component.CompressMode = TCompressMode::Fast;
        } else if (arg == "--good") {
            component.CompressMode = TCompressMode::Good;
        } else if (arg == "--auto") {
            component.CompressMode = TCompressMode::Auto;
        } else if (arg.starts_with("-") && arg.size() > 1) {
            return usageError("pack", "unknown option '" + arg + "'", kPackHelp);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        return usageError("pack", "needs an input and an output file", kPackHelp);
    }
    component.InputFile = files[0];
    component.OutputFile = files[1];
    return runComponent("pack", component, [](Tlzrw1& c) { c.Compress(); });
}

int unpack(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kUnpackHelp, stdout);
        return 0;
    }
    if (args.size() != 2) {
        return usageError("unpack", "needs an input and an output file", kUnpackHelp);
    }
    Tlzrw1 component;
    component.InputFile = args[0];
    component.OutputFile = args[1];
    return runComponent("unpack", component, [](Tlzrw1& c) { c.Decompress(); });
}

} // namespace grd::tool
