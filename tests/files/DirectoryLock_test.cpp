#include "files/DirectoryLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
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
