#include "support/WindowTestGroup.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace grd::test {

namespace {

std::map<std::string, WindowTestRun>& registry() {
    static std::map<std::string, WindowTestRun> runs;
    return runs;
}

} // namespace

bool registerWindowTest(const char* file, WindowTestRun run) {
    registry()[std::filesystem::path(file).stem().string()] = run;
    return true;
}

} // namespace grd::test

// Usage: PROGRAM TEST [Qt Test options]: runs the class of tests/<folder>/ui/TEST.cpp in
// this process of its own, as CTest does for each; without TEST it lists the tests.
int main(int argc, char* argv[]) {
    const auto& runs = grd::test::registry();
    if (argc < 2) {
        for (const auto& [name, run] : runs)
            std::printf("%s\n", name.c_str());
        return 0;
    }
    auto found = runs.find(argv[1]);
    if (found == runs.end()) {
        std::fprintf(stderr, "No window test named %s\n", argv[1]);
        return 1;
    }
    argv[1] = argv[0];
    return found->second(argc - 1, argv + 1);
}
