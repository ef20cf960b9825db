#include "TestConfig.h"
#include "codec/CodecTestData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

namespace grd {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string errors;
};

ToolRun grdtool(const std::string& arguments, const test::TempDir& dir) {
    auto errors = dir.path() / "stderr.txt";
    std::string command =
        std::string(ODDSMITH_GRDTOOL) + " " + arguments + " >/dev/null 2>'" + errors.string() + "'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readFile(errors)};
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

TEST(PackTool, packThenUnpackGivesBackTheFileWithEveryMode) {
    test::TempDir dir;
    auto bytes = test::recordBytes(70000);
    auto plain = dir.write("plain.bin", std::string(bytes.begin(), bytes.end()));
    for (std::string mode : {"--good", "--fast", "--auto", ""}) {
        auto packed = dir.path() / "packed.ccs";
        auto unpacked = dir.path() / "unpacked.bin";
        ASSERT_EQ(
            grdtool("pack " + mode + " " + quoted(plain) + " " + quoted(packed), dir).exitCode, 0);
        ASSERT_EQ(grdtool("unpack " + quoted(packed) + " " + quoted(unpacked), dir).exitCode, 0);
        EXPECT_EQ(test::readFile(unpacked), test::readFile(plain)) << mode;
    }
}

TEST(PackTool, errorsNameTheFileAndExitNonZero) {
    test::TempDir dir;
    auto plain = dir.write("names.txt", "not a container");
    auto out = dir.path() / "out.bin";

    ToolRun foreign = grdtool("unpack " + quoted(plain) + " " + quoted(out), dir);
    EXPECT_NE(foreign.exitCode, 0);
    EXPECT_NE(foreign.errors.find("names.txt"), std::string::npos) << foreign.errors;
    EXPECT_NE(foreign.errors.find("no valid header"), std::string::npos) << foreign.errors;
    EXPECT_FALSE(std::filesystem::exists(out));

    ToolRun missing = grdtool("pack " + quoted(dir.path() / "absent.txt") + " " + quoted(out), dir);
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.errors.find("absent.txt"), std::string::npos) << missing.errors;

    EXPECT_NE(grdtool("pack --best " + quoted(plain) + " " + quoted(out), dir).exitCode, 0);
    EXPECT_NE(grdtool("unpack " + quoted(plain), dir).exitCode, 0);
    EXPECT_EQ(grdtool("pack --help", dir).exitCode, 0);
    EXPECT_EQ(grdtool("unpack --help", dir).exitCode, 0);
}

} // namespace
} // namespace grd
