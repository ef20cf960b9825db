#include "state/ProgramPaths.h"

#include "TestConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDirectory, alwaysEndsInOneSlash) {
    EXPECT_EQ(programDirectoryOf("/opt/grd/Oddsmith"), "/opt/grd/");
    EXPECT_EQ(withTrailingSlash("/opt/grd"), "/opt/grd/");
    EXPECT_EQ(withTrailingSlash("/opt/grd/"), "/opt/grd/");
    EXPECT_EQ(runningProgramDirectory(),
              withTrailingSlash(fs::canonical("/proc/self/exe").parent_path().string()));
}

TEST(UserDataDirectory, followsXdgDataHomeOnlyWhenAbsolute) {
    EXPECT_EQ(userDataDirectory("/x/data", "/home/u"), "/x/data/grd-oddsmith/");
    EXPECT_EQ(userDataDirectory("", "/home/u"), "/home/u/.local/share/grd-oddsmith/");
    EXPECT_EQ(userDataDirectory("relative/data", "/home/u"), "/home/u/.local/share/grd-oddsmith/");
    EXPECT_EQ(userDataDirectory("", ""), "");
}

// An installed program: bin/ with nothing but the program, the shipped files and
// the private library folder beside it.
class InstalledProgram : public ::testing::Test {
protected:
    test::TempDir prefix;
    std::string bin() const { return prefix.dir() + "bin/"; }
    std::string shipped() const {
        return (fs::path(bin()) / ODDSMITH_SHIPPED_FROM_BIN).lexically_normal().string() + "/";
    }
    std::string library() const {
        return (fs::path(bin()) / ODDSMITH_LIBRARY_FROM_BIN / "libGRDOdds.so")
            .lexically_normal()
            .string();
    }
    void SetUp() override { fs::create_directories(bin()); }
};

TEST_F(InstalledProgram, shippedFilesAndLibrary_areFoundBesideBin) {
    EXPECT_EQ(shippedDirectoryOf(bin()), shipped());
    EXPECT_EQ(shipped(), prefix.dir() + "share/grd-oddsmith/shipped/");
    // Never the per-user data directory of a user who installed into ~/.local.
    EXPECT_NE(shipped(), userDataDirectory("", prefix.dir().substr(0, prefix.dir().size() - 1)));
    EXPECT_EQ(companionLibraryPath(bin()), library());
    EXPECT_NE(library().find("/grd-oddsmith/libGRDOdds.so"), std::string::npos);
}

TEST_F(InstalledProgram, aProgramDirectoryWithItsOwnFiles_findsThemThere) {
    for (const char* name : {"GRDStructure.txt", "GRDSchedule.ccs", "libGRDOdds.so"})
        prefix.write(std::string("bin/") + name, "x");
    EXPECT_TRUE(holdsLeagueFiles(bin()));
    EXPECT_EQ(shippedDirectoryOf(bin()), bin());
    EXPECT_EQ(companionLibraryPath(bin()), bin() + "libGRDOdds.so");
    EXPECT_EQ(singleDirectory(prefix.dir() + "bin").dataDir, bin());
}

TEST_F(InstalledProgram, leagueFiles_needBothStructureAndSchedule) {
    prefix.write("bin/grdstructure.TXT", "x");
    EXPECT_FALSE(holdsLeagueFiles(bin()));
    prefix.write("bin/GRDSCHEDULE.ccs", "x");
    EXPECT_TRUE(holdsLeagueFiles(bin())); // names as a case-blind system left them
}

} // namespace
} // namespace grd
