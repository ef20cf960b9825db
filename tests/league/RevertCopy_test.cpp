#include "league/RevertCopy.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace grd {
namespace {

using test::TempDir;

TEST(RevertCopy, copiesOnlyWhatStartsLikeMainData) {
    struct Case {
        const char* head;
        bool copied;
    };
    const Case cases[] = {{"5.1\r\nMD\r\n32\r\n", true}, {"4.0\nMD\n", true},
                          {"5.95\r\nMD\r\n", false},     {"3.9\r\nMD\r\n", false},
                          {"5.1\r\nAD\r\n", false},      {"5.1\r\n", false},
                          {"GRD\r\nMD\r\n", false}};
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("MAIN-DTA.GRD", c.head);
        EXPECT_EQ(MakeRevertCopy(dir.dir()), c.copied) << c.head;
        EXPECT_EQ(std::filesystem::exists(dir.path() / kRevertFileName), c.copied) << c.head;
        if (c.copied) {
            EXPECT_EQ(dir.read(kRevertFileName), c.head);
            EXPECT_TRUE(HasMainDataHead(dir.path() / kRevertFileName));
        }
    }
}

TEST(RevertCopy, missingMainDataAndShutdownCleanUp) {
    TempDir dir;
    EXPECT_FALSE(MakeRevertCopy(dir.dir()));
    DeleteRevertCopy(dir.dir()); // nothing to delete is fine
    dir.write("main-dta.grd", "5.1\r\nMD\r\n");
    EXPECT_TRUE(MakeRevertCopy(dir.dir()));
    DeleteRevertCopy(dir.dir());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kRevertFileName));
    EXPECT_FALSE(HasMainDataHead(dir.path() / kRevertFileName));
}

TEST(RevertCopy, aLinkPlantedInItsPlaceIsReplacedNotFollowed) {
    TempDir dir, elsewhere;
    elsewhere.write("victim", "keep");
    dir.write("MAIN-DTA.GRD", "5.1\r\nMD\r\n");
    std::filesystem::create_symlink(elsewhere.path() / "victim", dir.path() / kRevertFileName);
    EXPECT_TRUE(MakeRevertCopy(dir.dir()));
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path() / kRevertFileName));
    EXPECT_EQ(dir.read(kRevertFileName), "5.1\r\nMD\r\n");
    EXPECT_EQ(elsewhere.read("victim"), "keep");
}

} // namespace
} // namespace grd
