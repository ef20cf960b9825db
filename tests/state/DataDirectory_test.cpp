#include "state/DataDirectory.h"

#include "TestConfig.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

namespace grd {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

const std::vector<std::string> kShipped{"GRDStructure.txt", "GRDSchedule.ccs", "GRDNames.ccn",
                                        "MAIN-DTA.GRD"};

// A machine with an installed program (bin/ and the shipped files beside it), a
// build tree and a user's home.
class DataDirectoryTest : public ::testing::Test {
protected:
    test::TempDir root;
    std::string bin() const { return root.dir() + "usr/bin/"; }
    std::string shipped() const { return shippedDirectoryOf(bin()); }
    std::string home() const { return root.dir() + "home"; }
    std::string userDir() const { return home() + "/.local/share/grd-oddsmith/"; }

    void SetUp() override {
        fs::create_directories(bin());
        fs::create_directories(shipped());
        fs::create_directories(home());
        for (const auto& name : kShipped)
            fs::copy_file(fs::path(ODDSMITH_DATA_DIR "program") / name, fs::path(shipped()) / name);
        fs::create_directory(fs::path(shipped()) / "GRDOdds.help");
    }
    DataDirectoryRequest request(std::string programDir) const {
        return {std::nullopt, std::move(programDir), "", home()};
    }
    static std::string read(const std::string& path) { return test::readFile(path); }
};

TEST_F(DataDirectoryTest, installedProgram_seedsThePerUserDirectoryOnFirstStart) {
    const DataDirectoryChoice choice = chooseDataDirectory(request(bin()));
    ASSERT_TRUE(choice.ok()) << choice.problem;
    EXPECT_EQ(choice.paths.dataDir, userDir());
    EXPECT_EQ(choice.paths.programDir, bin());
    EXPECT_EQ(choice.paths.shippedDir, shipped());
    for (const auto& name : kShipped)
        EXPECT_EQ(read(userDir() + name), read(shipped() + name)) << name;
    EXPECT_FALSE(fs::exists(userDir() + "GRDOdds.help")); // help is read where it is shipped
}

TEST_F(DataDirectoryTest, laterStarts_keepTheUsersFilesAndRestoreOnlyMissingOnes) {
    ASSERT_TRUE(chooseDataDirectory(request(bin())).ok());
    root.write("home/.local/share/grd-oddsmith/MAIN-DTA.GRD", "the user's season");
    fs::remove(userDir() + "GRDNames.ccn");
    fs::rename(userDir() + "GRDStructure.txt", userDir() + "grdstructure.txt");

    ASSERT_TRUE(chooseDataDirectory(request(bin())).ok());
    EXPECT_EQ(read(userDir() + "MAIN-DTA.GRD"), "the user's season");
    EXPECT_EQ(read(userDir() + "GRDNames.ccn"), read(shipped() + "GRDNames.ccn"));
    EXPECT_FALSE(fs::exists(userDir() + "GRDStructure.txt")); // the renamed one counts
}

TEST_F(DataDirectoryTest, xdgDataHome_placesThePerUserDirectory) {
    DataDirectoryRequest req = request(bin());
    req.xdgDataHome = root.dir() + "xdg";
    const DataDirectoryChoice choice = chooseDataDirectory(req);
    ASSERT_TRUE(choice.ok()) << choice.problem;
    EXPECT_EQ(choice.paths.dataDir, root.dir() + "xdg/grd-oddsmith/");
    EXPECT_TRUE(fs::exists(root.dir() + "xdg/grd-oddsmith/MAIN-DTA.GRD"));
    EXPECT_FALSE(fs::exists(userDir()));
}

TEST_F(DataDirectoryTest, dataDirOption_isTakenAsGivenWithoutSeeding) {
    fs::create_directory(root.path() / "empty");
    DataDirectoryRequest req = request(bin());
    req.dataDirOption = root.dir() + "empty";
    const DataDirectoryChoice choice = chooseDataDirectory(req);
    ASSERT_TRUE(choice.ok());
    EXPECT_EQ(choice.paths.dataDir, root.dir() + "empty/");
    EXPECT_TRUE(fs::is_empty(root.path() / "empty"));
    EXPECT_FALSE(fs::exists(userDir()));

    req.dataDirOption = "relative/../data";
    EXPECT_EQ(chooseDataDirectory(req).paths.dataDir, (fs::current_path() / "data").string() + "/");
    req.dataDirOption = "";
    EXPECT_THAT(chooseDataDirectory(req).problem, HasSubstr("--data-dir"));
}

TEST_F(DataDirectoryTest, writableProgramDirectoryWithLeagueFiles_keepsTheDataThere) {
    const std::string tree = root.dir() + "build/program/";
    fs::create_directories(tree);
    for (const auto& name : kShipped)
        fs::copy_file(fs::path(shipped()) / name, fs::path(tree) / name);
    const DataDirectoryChoice choice = chooseDataDirectory(request(tree));
    ASSERT_TRUE(choice.ok());
    EXPECT_EQ(choice.paths.dataDir, tree);
    EXPECT_EQ(choice.paths.shippedDir, tree);
    EXPECT_FALSE(fs::exists(userDir()));
}

TEST_F(DataDirectoryTest, readOnlyProgramDirectory_seedsOnlyItsDataFiles) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write everywhere";
    const std::string copy = root.dir() + "opt/";
    fs::create_directories(copy);
    for (const auto& name : kShipped)
        fs::copy_file(fs::path(shipped()) / name, fs::path(copy) / name);
    root.write("opt/Oddsmith", "program");
    root.write("opt/GRDOdds.cfg", "someone's preferences");
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::remove);
    const DataDirectoryChoice choice = chooseDataDirectory(request(copy));
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(choice.ok()) << choice.problem;
    EXPECT_EQ(choice.paths.dataDir, userDir());
    EXPECT_TRUE(fs::exists(userDir() + "MAIN-DTA.GRD"));
    EXPECT_FALSE(fs::exists(userDir() + "Oddsmith"));
    EXPECT_FALSE(fs::exists(userDir() + "GRDOdds.cfg"));
}

TEST_F(DataDirectoryTest, shippedDataFiles_areTheLeagueFilesTheScheduleNamesAndMainData) {
    root.write("usr/share/grd-oddsmith/GRDOdds.cfg", "[General]\n");
    root.write("usr/share/grd-oddsmith/Other.ccn", "not named by the schedule");
    EXPECT_THAT(shippedDataFiles(shipped()),
                UnorderedElementsAre("GRDStructure.txt", "GRDSchedule.ccs", "GRDNames.ccn",
                                     "MAIN-DTA.GRD"));
    fs::remove(fs::path(shipped()) / "MAIN-DTA.GRD");
    EXPECT_EQ(shippedDataFiles(shipped()).size(), 3u);
}

TEST_F(DataDirectoryTest, aPerUserDirectoryThatCannotBeMade_isAProblemNamingIt) {
    root.write("blocked", "a file where the directory should be");
    DataDirectoryRequest req = request(bin());
    req.xdgDataHome = root.dir() + "blocked";
    const DataDirectoryChoice choice = chooseDataDirectory(req);
    EXPECT_FALSE(choice.ok());
    EXPECT_THAT(choice.problem, HasSubstr(root.dir() + "blocked/grd-oddsmith/"));

    req.xdgDataHome.clear();
    req.home.clear();
    EXPECT_THAT(chooseDataDirectory(req).problem, HasSubstr("HOME"));
}

TEST_F(DataDirectoryTest, nothingShipped_leavesAnEmptyDirectoryForStartUpToReport) {
    fs::remove_all(shipped());
    const DataDirectoryChoice choice = chooseDataDirectory(request(bin()));
    ASSERT_TRUE(choice.ok());
    EXPECT_TRUE(fs::is_empty(userDir()));
}

} // namespace
} // namespace grd
