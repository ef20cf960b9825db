#include "files/DirectoryLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace grd {
namespace {

using test::TempDir;

TEST(DirectoryLock, oneHolderAtATimeAndOthersAreToldWho) {
    TempDir dir;
    EXPECT_FALSE(isHeldByThisProcess(dir.path()));
    {
        DirectoryLock first(dir.path(), "grdtool replay");
        ASSERT_TRUE(first.held());
        EXPECT_TRUE(isHeldByThisProcess(dir.path() / "."));
        EXPECT_FALSE(isHeldByAnother(dir.path())); // this process's own
        DirectoryLock second(dir.path(), "Oddsmith");
        EXPECT_EQ(second.state(), DirectoryLock::State::Taken);
        EXPECT_EQ(second.holder().describe(),
                  "grdtool replay (process " + std::to_string(getpid()) + ")");
    }
    EXPECT_FALSE(isHeldByThisProcess(dir.path()));
    EXPECT_TRUE(DirectoryLock(dir.path(), "Oddsmith").held());
    EXPECT_EQ(DirectoryLock(dir.path() / "missing", "x").state(),
              DirectoryLock::State::Unavailable);
    EXPECT_EQ(LockHolder{}.describe(), "another process");
}

// A link or a folder at the lock file's place would let every writer in at once.
TEST(DirectoryLock, aLockFileThatIsNoFileBlocksWritersNamingIt) {
    namespace fs = std::filesystem;
    const struct {
        const char* what;
        void (*plant)(const fs::path& lock);
    } cases[] = {
        {"dangling link", [](const fs::path& lock) { fs::create_symlink("elsewhere", lock); }},
        {"link to a file",
         [](const fs::path& lock) { fs::create_symlink(lock.parent_path() / "x", lock); }},
        {"folder", [](const fs::path& lock) { fs::create_directory(lock); }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("x", "");
        const fs::path lock = dir.path() / kDirectoryLockFileName;
        c.plant(lock);
        DirectoryLock blocked(dir.path(), "grdtool replay");
        EXPECT_EQ(blocked.state(), DirectoryLock::State::Blocked) << c.what;
        EXPECT_EQ(blocked.whyNotWritable(), "cannot be locked against other writers: " +
                                                lock.string() + " is not a regular file; remove it")
            << c.what;
        EXPECT_FALSE(fs::exists(dir.path() / "elsewhere")) << c.what;
        EXPECT_EQ(dir.read("x"), "") << c.what;
    }
}

// The kernel drops the lock of a killed process: a kill never blocks the next run.
TEST(DirectoryLock, aKilledHolderReleasesIt) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DirectoryLock held(dir.path(), "grdtool replay");
        char byte = held.held() ? 'y' : 'n';
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    auto holder = lockHolderOtherThanThisProcess(dir.path());
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, child);
    EXPECT_EQ(holder->program, "grdtool replay");
    EXPECT_FALSE(DirectoryLock(dir.path(), "Oddsmith").held());

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_FALSE(isHeldByAnother(dir.path()));
    EXPECT_TRUE(DirectoryLock(dir.path(), "Oddsmith").held());
}

} // namespace
} // namespace grd
