#include "records/CsvTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace grd {
namespace {

std::string parsedFailure(std::string_view text) {
    auto table = CsvTable::parse(text, {"week", "team"});
    return table ? std::string() : table.failure().detail;
}

TEST(CsvTable, lineEndsAndAByteOrderMarkReadAlike) {
    for (std::string_view text :
         {"week,team\r\n1,BUF\r\n2,MIA\r\n", "week,team\n1,BUF\n2,MIA", "week,team\r1,BUF\r2,MIA\r",
          "\xEF\xBB\xBFweek,team\r\n1,BUF\r\n\r\n2,MIA\r\n"}) {
        auto table = CsvTable::parse(text, {"week", "team"});
        ASSERT_TRUE(table.ok()) << text;
        ASSERT_EQ(table.value().rows().size(), 2u) << text;
        const auto& last = table.value().rows().back();
        EXPECT_EQ(table.value().field(last, "team"), "MIA");
        EXPECT_EQ(table.value().field(last, "week"), "2");
        EXPECT_EQ(table.value().field(last, "none"), "");
    }
}

TEST(CsvTable, badTablesFailNamingTheLineAndWhatIsWrong) {
    const std::string longLine(kMaxRecordsLineBytes + 1, 'x');
    struct Case {
        std::string text, failure;
    };
    const Case cases[] = {
        {"week,name\n1,BUF\n", "line 1: the header has no column team"},
        {"week,team\n\n1\n", "line 3: 1 fields where the header has 2"},
        {"week,team\n" + longLine + "\n", "line 2: longer than 64 KiB"},
        {"\n\n", "line 2: no header line"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parsedFailure(c.text), c.failure);
    }
    std::string many = "week,team\n";
    for (size_t row = 0; row <= kMaxRecordsRows; ++row) {
        many += "1,A\n";
    }
    EXPECT_EQ(parsedFailure(many), "line 200002: more than 200000 records");
}

TEST(RecordsFile, devicesPipesFoldersAndHugeFilesAreRefusedUnread) {
    test::TempDir dir;
    auto fifo = dir.path() / "games.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto huge = dir.write("huge.csv", "");
    std::filesystem::resize_file(huge, kMaxRecordsFileBytes + 1);
    for (const std::filesystem::path& path :
         {std::filesystem::path("/dev/zero"), fifo, dir.path(), huge, dir.path() / "missing.csv"}) {
        auto read = readRecordsFile(path);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_EQ(read.failure().detail.rfind(path.string() + ": ", 0), 0u)
            << read.failure().detail;
    }
}

TEST(RecordsFile, readsInPiecesReportingProgressAndStopsWhenAsked) {
    test::TempDir dir;
    std::string text = "week,team\n" + std::string(300'000, '1') + ",A\n";
    auto file = dir.write("games.csv", text);
    std::uint64_t last = 0;
    auto read = readRecordsFile(file, [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, text.size());
        last = done;
        return true;
    });
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), text);
    EXPECT_EQ(last, text.size());
    auto stopped = readRecordsFile(file, [](std::uint64_t, std::uint64_t) { return false; });
    ASSERT_FALSE(stopped.ok());
    EXPECT_EQ(stopped.failure().detail, file.string() + ": cancelled");
}

} // namespace
} // namespace grd
