#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace grd {
namespace {

using test::TempDir;

size_t entryCount(const std::filesystem::path& dir) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++count;
    }
    return count;
}

TEST(AtomicFile, replacesContentAndLeavesNoTemporary) {
    TempDir dir;
    dir.write("MAIN-DTA.GRD", "old");
    ASSERT_TRUE(writeFileAtomically(dir.path() / "MAIN-DTA.GRD", "new\r\n"));
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "new\r\n");
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

TEST(AtomicFile, failureKeepsTheOldFile) {
    TempDir dir;
    dir.write("keep.txt", "old");
    std::filesystem::create_directory(dir.path() / "target");
    std::string reason;
    EXPECT_FALSE(writeFileAtomically(dir.path() / "target", "new", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "target"));
    EXPECT_EQ(entryCount(dir.path()), 2u);
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing-dir" / "x", "new"));
}

TEST(FileNames, findsExistingFileIgnoringCase) {
    TempDir dir;
    dir.write("main-dta.grd", "x");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "MAIN-DTA.GRD").filename(), "main-dta.grd");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "WEEK-01.25").filename(), "WEEK-01.25");
    EXPECT_TRUE(equalsIgnoringCase("Week-05.25", "WEEK-05.25"));
    EXPECT_FALSE(equalsIgnoringCase("WEEK-05.25", "WEEK-05.2"));
}

} // namespace
} // namespace grd
