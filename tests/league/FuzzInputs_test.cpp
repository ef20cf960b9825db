// The data-file fuzzer's inputs, kept in its corpus, as regression cases: each main
// data text reads or fails with a read error, and what reads is written and reads
// back to the same text.
#include "EngineFixture.h"
#include "TestConfig.h"
#include "league/RankingsFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(FuzzInputs, everyDataFileInputReadsBackOrFailsWithItsNumber) {
    auto corpus = std::filesystem::path(ODDSMITH_SOURCE_DIR) / "fuzz/corpus/fuzz_rankings";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        ++inputs;
        std::string text = test::readFile(entry.path());
        std::string name = entry.path().filename().string();
        LeagueStructure league = test::leagueOf(2);
        league.alignments[1].teamCount = 32;
        tRankings rankings;
        ProgramState state;
        Status read = ParseRankings(text, "MAIN-DTA.GRD", kMainDataKind, rankings, state, league);
        if (!read) {
            EXPECT_TRUE(read.failure().number == -8 || read.failure().number == -11 ||
                        read.failure().number == -18)
                << name << ": " << read.failure().number;
            continue;
        }
        league.seasonLabel = rankings.seasonText;
        std::string written =
            FormatRankings(kMainDataKind, rankings, state, league, rankings.teamCount);
        tRankings again;
        ProgramState againState;
        ASSERT_TRUE(
            ParseRankings(written, "MAIN-DTA.GRD", kMainDataKind, again, againState, league).ok())
            << name;
        EXPECT_EQ(FormatRankings(kMainDataKind, again, againState, league, again.teamCount),
                  written)
            << name;
    }
    EXPECT_GE(inputs, 4);
}

} // namespace
} // namespace grd
