#include "files/AtomicFile.h"
#include "files/DirectoryLock.h"
#include "league/FileNames.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(AtomicFile, replacingKeepsPermissionBitsAndSymbolicLinks) {
    namespace fs = std::filesystem;
    TempDir dir;
    dir.write("MAIN-DTA.GRD", "old");
    fs::permissions(dir.path() / "MAIN-DTA.GRD", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(dir.path() / "MAIN-DTA.GRD", "new"));
    EXPECT_EQ(fs::status(dir.path() / "MAIN-DTA.GRD").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    // A chain of a relative and an absolute link: both stay links, the file gets the text.
    fs::create_directory(dir.path() / "data");
    dir.write("data/real.grd", "old");
    fs::create_symlink(dir.path() / "data" / "real.grd", dir.path() / "middle");
    fs::create_symlink("middle", dir.path() / "link.grd");
    ASSERT_TRUE(writeFileAtomically(dir.path() / "link.grd", "through the link"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.grd"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "middle"));
    EXPECT_EQ(dir.read("data/real.grd"), "through the link");
    EXPECT_EQ(entryCount(dir.path() / "data"), 1u);

    fs::create_symlink("loop", dir.path() / "loop");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "loop", "x"));
}

// A link planted in a shared folder must not turn a write against another file.
TEST(AtomicFile, linksNotWhollyTheUsersOrToNoFileAreRefusedNamingTheLink) {
    namespace fs = std::filesystem;
    TempDir dir;
    const uid_t other = ::geteuid() == 0 ? 65534 : 0;
    dir.write("theirs.grd", "theirs");
    dir.write("mine.grd", "mine");
    fs::create_symlink("data/fresh.grd", dir.path() / "dangling");
    fs::create_symlink("theirs.grd", dir.path() / "to-theirs");
    fs::create_symlink("mine.grd", dir.path() / "planted");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((dir.path() / "theirs.grd").c_str(), other, other), 0);
        ASSERT_EQ(::lchown((dir.path() / "planted").c_str(), other, other), 0);
    } else {
        fs::remove(dir.path() / "to-theirs");
        fs::create_symlink("/etc/hostname", dir.path() / "to-theirs");
    }
    for (const char* link : {"dangling", "to-theirs", "planted"}) {
        std::string reason;
        EXPECT_FALSE(writeFileAtomically(dir.path() / link, "new", &reason)) << link;
        EXPECT_EQ(reason.rfind((dir.path() / link).string() + ": a symbolic link", 0), 0u)
            << reason;
        EXPECT_TRUE(fs::is_symlink(dir.path() / link)) << link;
    }
    EXPECT_FALSE(fs::exists(dir.path() / "data"));
    EXPECT_EQ(dir.read("theirs.grd"), "theirs");
    EXPECT_EQ(dir.read("mine.grd"), "mine");
    // A file the program owns outright replaces the link itself.
    ASSERT_TRUE(
        writeFileAtomically(dir.path() / "planted", "own", nullptr, nullptr, Links::Replace));
    EXPECT_FALSE(fs::is_symlink(dir.path() / "planted"));
    EXPECT_EQ(dir.read("planted"), "own");
    EXPECT_EQ(dir.read("mine.grd"), "mine");
}

TEST(AtomicFile, aReadOnlyFileIsRefusedEvenForTheSuperuser) {
    namespace fs = std::filesystem;
    TempDir dir;
    dir.write("MAIN-DTA.GRD", "old");
    fs::permissions(dir.path() / "MAIN-DTA.GRD",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string reason;
    WriteStage stage = WriteStage::Replace;
    EXPECT_FALSE(writeFileAtomically(dir.path() / "MAIN-DTA.GRD", "new", &reason, &stage));
    EXPECT_EQ(reason, (dir.path() / "MAIN-DTA.GRD").string() + ": Permission denied");
    EXPECT_EQ(stage, WriteStage::Create);
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "old");
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

// A process that has ended: its id is free until the system hands it out again.
pid_t endedProcess() {
    pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

// Another process holding a directory's lock, as a writer running beside this one.
class LockHeldElsewhere {
public:
    explicit LockHeldElsewhere(const std::filesystem::path& dir) {
        int ready[2];
        if (pipe(ready) != 0) {
            return;
        }
        child_ = fork();
        if (child_ == 0) {
            DirectoryLock held(dir, "grdtool replay");
            char byte = held.held() ? 'y' : 'n';
            (void)!write(ready[1], &byte, 1);
            pause();
            _exit(0);
        }
        char byte = 0;
        held_ = child_ > 0 && read(ready[0], &byte, 1) == 1 && byte == 'y';
        close(ready[0]);
        close(ready[1]);
    }
    ~LockHeldElsewhere() {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
    }
    LockHeldElsewhere(const LockHeldElsewhere&) = delete;
    LockHeldElsewhere& operator=(const LockHeldElsewhere&) = delete;
    bool held() const { return held_; }

private:
    pid_t child_ = -1;
    bool held_ = false;
};

TEST(AtomicFile, staleTemporaryFilesNeitherBlockSavingNorStay) {
    TempDir dir;
    std::string ours = "MAIN-DTA.GRD.tmp-" + std::to_string(getpid()) + "-";
    // In a container every run has the same process id, so a killed run's names recur.
    for (int n = 0; n < 100; ++n) {
        dir.write(ours + std::to_string(n), "left by a kill");
    }
    dir.write("WEEK-01.24.tmp-" + std::to_string(endedProcess()) + "-0", "left by a kill");
    dir.write("WEEK-02.24.tmp-1-0", "left by a run as process 1");
    dir.write("notes.tmp-1-x", "not ours");
    dir.write("notes.txt.tmp-" + std::to_string(endedProcess()) + "-0", "a user's file");
    for (int save = 0; save < 3; ++save) {
        ASSERT_TRUE(writeFileAtomically(dir.path() / "MAIN-DTA.GRD", "week"));
    }
    // Writing a file removed its own stale temporaries first.
    EXPECT_EQ(entryCount(dir.path()), 5u);
    EXPECT_EQ(removeStaleTemporaryFiles(dir.path(), isProgramFileName), 2);
    EXPECT_EQ(entryCount(dir.path()), 3u);
    EXPECT_EQ(dir.read("MAIN-DTA.GRD"), "week");
    EXPECT_TRUE(isTemporaryFileName("WEEK-02.24.tmp-1-0"));
    EXPECT_FALSE(isTemporaryFileName("notes.tmp-1-x"));
    EXPECT_FALSE(isTemporaryFileName(".tmp-1-2"));
}

// Process 1 always runs, and a live process id may be a stranger's: only the lock of
// the file's directory tells whether a temporary is being written.
TEST(AtomicFile, aWriteClearsItsTemporariesUnlessAnotherProcessHoldsTheLock) {
    const std::string alive = ".tmp-1-0";
    const std::string parent = ".tmp-" + std::to_string(getppid()) + "-3";
    for (const char* target : {"OUT.pdf", "X.GRD", "MAIN-DTA.GRD"}) {
        TempDir dir;
        dir.write(target + alive, "cut short");
        dir.write(target + parent, "cut short");
        {
            LockHeldElsewhere other(dir.path());
            ASSERT_TRUE(other.held());
            ASSERT_TRUE(writeFileAtomically(dir.path() / target, "first"));
            EXPECT_EQ(dir.read(target + alive), "cut short") << target;
            EXPECT_EQ(dir.read(target + parent), "cut short") << target;
        }
        ASSERT_TRUE(writeFileAtomically(dir.path() / target, "second"));
        EXPECT_FALSE(std::filesystem::exists(dir.path() / (target + alive))) << target;
        EXPECT_FALSE(std::filesystem::exists(dir.path() / (target + parent))) << target;
        EXPECT_EQ(dir.read(target), "second");
    }
}

TEST(AtomicFile, sweepingKeepsWhatTheLockHolderWritesAndUsersFiles) {
    TempDir dir;
    for (const char* name : {"GRDOdds.cfg.tmp-1-0", "Wild Card.25.tmp-1-3",
                             "GRDLines.25.csv.tmp-1-0", "main-dta.rvt.tmp-1-1"}) {
        dir.write(name, "left by a run as process 1");
    }
    dir.write("holiday.jpg.tmp-1-0", "a user's file");
    {
        LockHeldElsewhere other(dir.path());
        ASSERT_TRUE(other.held());
        EXPECT_EQ(removeStaleTemporaryFiles(dir.path(), isProgramFileName), 0);
    }
    DirectoryLock mine(dir.path(), "Oddsmith");
    ASSERT_TRUE(mine.held());
    EXPECT_EQ(removeStaleTemporaryFiles(dir.path(), isProgramFileName), 4);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "holiday.jpg.tmp-1-0"));
}

TEST(FileNames, namesThatMayNameAFileAndTheProgramsOwn) {
    for (std::string_view name : {"Wild Card", "WEEK-01.25", "x.y"})
        EXPECT_TRUE(isPlainFileName(name)) << name;
    for (std::string_view name : {"", ".", "..", "../victim", "a/b", "a\\b", "a..b", "tab\there"})
        EXPECT_FALSE(isPlainFileName(name)) << name;
    for (std::string_view name : {"main-dta.grd", "WEEK-17.25", "Super Bowl.25", "grdodds.cfg",
                                  "GRDLines.25.csv", "MAIN-DTA.OLD"})
        EXPECT_TRUE(isProgramFileName(name)) << name;
    for (std::string_view name : {"notes.txt", "GRDLines.csv", "WEEK-01.2", "report.pdf"})
        EXPECT_FALSE(isProgramFileName(name)) << name;
}

TEST(FileNames, findsExistingFileIgnoringCase) {
    TempDir dir;
    dir.write("main-dta.grd", "x");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "MAIN-DTA.GRD").filename(), "main-dta.grd");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "WEEK-01.25").filename(), "WEEK-01.25");
    EXPECT_TRUE(equalsIgnoringCase("Week-05.25", "WEEK-05.25"));
    EXPECT_FALSE(equalsIgnoringCase("WEEK-05.25", "WEEK-05.2"));
}

// Within a scope the folder is listed once, yet lookups still see what the command did
// to it: files gone since the listing and files made under names a lookup gave.
TEST(FileNames, scopedLookupsFollowTheCommandsOwnFiles) {
    TempDir dir;
    dir.write("week-01.25", "x");
    dir.write("Week-02.25", "x");
    dir.write("week-02.25", "x");
    FolderListingScope scope;
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "WEEK-02.25").filename(), "Week-02.25");
    std::filesystem::remove(dir.path() / "Week-02.25");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "WEEK-02.25").filename(), "week-02.25");
    std::filesystem::remove(dir.path() / "week-01.25");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "WEEK-01.25").filename(), "WEEK-01.25");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "Week-03.25").filename(), "Week-03.25");
    dir.write("Week-03.25", "x");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "WEEK-03.25").filename(), "Week-03.25");
}

} // namespace
} // namespace grd
