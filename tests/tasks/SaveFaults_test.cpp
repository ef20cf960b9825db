// A season's saves stopped at every step, and on a full disk: no week is ever lost.
#include "TestConfig.h"
#include "files/AtomicFile.h"
#include "files/DirectoryLock.h"
#include "league/NamesFile.h"
#include "league/RankingsFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "records/GameRecords.h"
#include "support/TempDir.h"
#include "tasks/SeasonReplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace grd {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr int kStopped = 77;
constexpr int kThrough = 3; // week 1's forecasts and three weeks of scores
const std::string kGames = std::string(ODDSMITH_DATA_DIR) + "games-2024.csv";

int tool(const std::string& arguments) {
    std::string command = std::string(ODDSMITH_GRDTOOL) + " " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str());
}

std::string toolOutput(const std::string& arguments, int& status) {
    std::string command = std::string(ODDSMITH_GRDTOOL) + " " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
        output.append(buffer, n);
    }
    status = pclose(pipe);
    return output;
}

// A program directory standing before week 1 of the 2024 season.
void makeSeason(const fs::path& dir) {
    ASSERT_EQ(tool("build-schedule --teams " + std::string(ODDSMITH_DATA_DIR) +
                   "teams.csv --games " + kGames + " " + dir.string()),
              0);
    ASSERT_EQ(tool("init " + dir.string() + " --average"), 0);
}

// The replay as grdtool runs it, in this process.
bool replayHere(const fs::path& dir) {
    AppState app;
    app.programDir = dir.string() + "/";
    std::vector<std::string> abbreviations;
    app.schedule = std::make_unique<tSchedule70>();
    std::string text;
    if (!LoadLeagueStructure(app.programDir, app.league).empty() ||
        !LoadSchedule(app.programDir, *app.schedule, app.league) ||
        !LoadNames(app.programDir, app.schedule->namesFileName, app.league, &abbreviations) ||
        !readWholeFile(kGames, text)) {
        return false;
    }
    auto records = parseGameRecords(text);
    return records &&
           replaySeason(app, records.value(), abbreviations, kThrough, [](const ReplayedWeek&) {
               return true;
           }).ok();
}

int stepsLeft = 0;
void stopAtStep(ReplaceStep) {
    if (--stepsLeft == 0) {
        _exit(kStopped);
    }
}

// Replays dir in a child process stopped dead at the step'th step of its saves;
// false when the replay ended before it.
bool replayStoppedAt(const fs::path& dir, int step) {
    pid_t child = fork();
    if (child == 0) {
        stepsLeft = step;
        setReplaceStepHook(stopAtStep);
        _exit(replayHere(dir) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 1) << "the replay failed at step " << step;
    return WEXITSTATUS(status) == kStopped;
}

int stepsCounted = 0;
void countStep(ReplaceStep) {
    ++stepsCounted;
}

// Every data file reads, and the week the main data file stands at has its archive.
void expectConsistent(const fs::path& dir, const std::string& when) {
    LeagueStructure league;
    tSchedule70 schedule;
    std::string programDir = dir.string() + "/";
    ASSERT_TRUE(LoadLeagueStructure(programDir, league).empty());
    ASSERT_TRUE(LoadSchedule(programDir, schedule, league));
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with("WEEK-") && !isTemporaryFileName(name)) {
            tRankings rankings;
            ProgramState state;
            EXPECT_TRUE(ReadRankings(entry.path(), kArchiveKind, rankings, state, league).ok())
                << name << " " << when;
        }
    }
    tRankings rankings;
    ProgramState state;
    ASSERT_TRUE(ReadRankings(dir / kMainDataFileName, kMainDataKind, rankings, state, league).ok())
        << when;
    if (state.currentWeek > 1 || state.forecastCount > 0) {
        EXPECT_TRUE(fs::exists(ArchiveFileName(programDir, state.currentWeek, league)))
            << "week " << state.currentWeek << " " << when;
    }
}

TEST(SaveFaults, aReplayStoppedAtAnyStepLosesNoWeekAndFinishesTheSame) {
    TempDir start;
    makeSeason(start.path());
    TempDir whole;
    fs::copy(start.path(), whole.path());
    setReplaceStepHook(countStep);
    ASSERT_TRUE(replayHere(whole.path()));
    setReplaceStepHook(nullptr);
    // Two steps per file: written beside it, then renamed into place.
    ASSERT_EQ(stepsCounted, 2 * 2 * (kThrough + 1));
    auto expected = test::contentsOf(whole.path());

    for (int step = 1; step <= stepsCounted; ++step) {
        TempDir dir;
        fs::copy(start.path(), dir.path());
        std::string when = "after a stop at step " + std::to_string(step);
        ASSERT_TRUE(replayStoppedAt(dir.path(), step)) << when;
        expectConsistent(dir.path(), when);
        ASSERT_EQ(tool("replay " + dir.path().string() + " " + kGames + " --through " +
                       std::to_string(kThrough)),
                  0)
            << when;
        EXPECT_EQ(test::contentsOf(dir.path()), expected) << when;
    }
}

TEST(SaveFaults, inAContainerTheFilesOfAKilledRunAsProcessOneNeitherBlockNorStay) {
    // Every run in a fresh process-id namespace is process 1, as in a container.
    const std::string inNamespace = "unshare --pid --fork --mount-proc ";
    if (std::system((inNamespace + "true >/dev/null 2>&1").c_str()) != 0) {
        GTEST_SKIP() << "no process-id namespace can be made here (needs the superuser)";
    }
    TempDir start;
    makeSeason(start.path());
    std::string through = " " + kGames + " --through " + std::to_string(kThrough);
    TempDir whole;
    fs::copy(start.path(), whole.path());
    ASSERT_EQ(tool("replay " + whole.path().string() + through), 0);

    TempDir dir;
    fs::copy(start.path(), dir.path());
    for (const char* left :
         {"MAIN-DTA.GRD.tmp-1-0", "MAIN-DTA.GRD.tmp-1-1", "WEEK-01.24.tmp-1-0"}) {
        dir.write(left, "left by a killed run");
    }
    std::string command = inNamespace + ODDSMITH_GRDTOOL + " replay " + dir.path().string() +
                          through + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(test::contentsOf(dir.path()), test::contentsOf(whole.path()));
}

// A small file system of its own, where the superuser may mount one.
class SmallDisk {
public:
    SmallDisk() {
        std::string command =
            "mount -t tmpfs -o size=1m,nr_inodes=64 tmpfs " + dir_.path().string() + " 2>/dev/null";
        mounted_ = std::system(command.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            std::string command = "umount " + dir_.path().string();
            [[maybe_unused]] int ignored = std::system(command.c_str());
        }
    }
    bool mounted() const { return mounted_; }
    const fs::path& path() const { return dir_.path(); }

    // Takes every byte left, or every inode; removing the fillers frees them again.
    void fill(bool inodes) const {
        if (inodes) {
            for (int n = 0; std::FILE* file = std::fopen(filler(n).c_str(), "wb"); ++n)
                std::fclose(file);
            return;
        }
        std::string block(4096, 'x');
        FILE* file = std::fopen(filler(0).c_str(), "wb");
        while (std::fwrite(block.data(), 1, block.size(), file) == block.size() &&
               std::fflush(file) == 0) {
        }
        std::fclose(file);
    }
    void free() const {
        for (int n = 0; fs::remove(filler(n)); ++n) {
        }
    }

private:
    fs::path filler(int n) const { return dir_.path() / ("filler-" + std::to_string(n)); }

    TempDir dir_;
    bool mounted_ = false;
};

// Out of bytes or out of inodes: every file stays as it was, the message names the file
// and the system's reason, and once space is freed the next replay completes the week.
// newSeasonError is the numbered error of new-season's first write that fails: with no
// inode left that is already its safety copy of the main data file.
void expectFullDiskKeepsTheWeek(bool inodes, const std::string& newSeasonError) {
    SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "no small file system could be mounted (needs the superuser)";
    }
    makeSeason(disk.path());
    std::string replay = "replay " + disk.path().string() + " " + kGames + " --through ";
    ASSERT_EQ(tool(replay + "1"), 0);
    disk.fill(inodes);
    auto before = test::contentsOf(disk.path());

    int status = 0;
    std::string output = toolOutput(replay + std::to_string(kThrough), status);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("error -22: " + disk.path().string() +
                          "/WEEK-02.24: No space left on "
                          "device: Error writing the archive data file."),
              std::string::npos)
        << output;
    output = toolOutput("new-season --keep " + (disk.path() / "WEEK-01.24").string(), status);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find(newSeasonError), std::string::npos) << output;
    EXPECT_NE(output.find("No space left on device"), std::string::npos) << output;
    EXPECT_EQ(test::contentsOf(disk.path()), before);
    disk.free();

    ASSERT_EQ(tool(replay + std::to_string(kThrough)), 0);
    expectConsistent(disk.path(), "after space was freed");
    EXPECT_TRUE(fs::exists(disk.path() / "WEEK-03.24"));
}

TEST(SaveFaults, aDiskOutOfBytesKeepsEveryFileAndTheNextSaveCompletesTheWeek) {
    expectFullDiskKeepsTheWeek(false, "error -42");
}

TEST(SaveFaults, aDiskOutOfInodesKeepsEveryFileAndTheNextSaveCompletesTheWeek) {
    expectFullDiskKeepsTheWeek(true, "error -38");
}

} // namespace
} // namespace grd
