#pragma once

#include "TestConfig.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace grd::test {

struct ToolRun {
    int status = 0;
    std::string output; // standard output and standard error
};

// Runs grdtool with arguments through the shell.
inline ToolRun runTool(const std::string& arguments) {
    std::string command = std::string(ODDSMITH_GRDTOOL) + " " + arguments + " 2>&1";
    ToolRun run;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 4096> buffer{};
    while (size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        run.output.append(buffer.data(), n);
    }
    run.status = pclose(pipe.release());
    return run;
}

} // namespace grd::test
