#pragma once

#include <fstream>
#include <string>

namespace grd::bench {

// How long shown windows are left to paint and settle before they are measured.
constexpr int kSettleMilliseconds = 1500;

// A process's resident set and its proportional share of it (shared pages divided
// among the processes mapping them), in MiB.
struct ProcessMemory {
    double rss = 0;
    double pss = 0;
};

// This process's.
inline ProcessMemory processMemory() {
    std::ifstream rollup("/proc/self/smaps_rollup");
    ProcessMemory memory;
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.rfind("Rss:", 0) == 0)
            memory.rss = std::stod(line.substr(4)) / 1024;
        else if (line.rfind("Pss:", 0) == 0)
            memory.pss = std::stod(line.substr(4)) / 1024;
    }
    return memory;
}

} // namespace grd::bench
