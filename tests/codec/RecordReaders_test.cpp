#include "codec/CodecTestData.h"
#include "codec/DecompressToMemory.h"
#include "codec/MyException.h"
#include "codec/RecordReaders.h"

#include <gtest/gtest.h>

namespace grd {
namespace {

TEST(RecordReaders, textEndsAtCarriageReturnAndKeepsLineFeeds) {
    tMemStream stream(std::string_view("CCNames\rNew\nYork\r\rtail"));
    EXPECT_EQ(readText(stream), "CCNames");
    EXPECT_EQ(readText(stream), "New\nYork");
    EXPECT_EQ(readText(stream), "");
    EXPECT_EQ(readText(stream), "tail");
    EXPECT_EQ(readText(stream), "");
    EXPECT_EQ(stream.remaining(), 0u);
}

TEST(RecordReaders, numbersAreLittleEndianAndNeedAllTheirBytes) {
    std::string bytes("\xFE\xFF\xFF\xFF\x34\x12\x00\x00", 8);
    bytes += std::string("\x00\x00\x00\x00\x00\x00\x0C\xC0", 8); // -3.5
    bytes += std::string("\x01\x02\x03", 3);
    tMemStream stream(bytes);
    EXPECT_EQ(readInteger(stream), -2);
    EXPECT_EQ(readInteger(stream), 0x1234);
    EXPECT_EQ(readReal(stream), -3.5);
    EXPECT_THROW(readInteger(stream), MyException);
    EXPECT_THROW(readReal(stream), MyException);
    EXPECT_EQ(readText(stream), "\x01\x02\x03");
}

TEST(DecompressToMemory, damagedContainersFailOnlyWhenStrict) {
    auto input = test::recordBytes(50000);
    tMemStream good(test::compressBytes(input, TCompressMode::Fast));
    tMemStream memory;
    EXPECT_TRUE(decompressToMemory(good, memory, true));
    EXPECT_EQ(memory.bytes(), input);

    auto damaged = test::compressBytes(input, TCompressMode::Good);
    damaged.resize(damaged.size() / 2);
    tMemStream strictFile(damaged);
    tMemStream strictMemory;
    EXPECT_FALSE(decompressToMemory(strictFile, strictMemory, true));

    tMemStream lenientFile(damaged);
    tMemStream lenientMemory;
    EXPECT_TRUE(decompressToMemory(lenientFile, lenientMemory, false));
    EXPECT_LT(lenientMemory.size(), 50000);

    tMemStream foreign(std::string_view("CCSchedule\r"));
    tMemStream empty;
    EXPECT_TRUE(decompressToMemory(foreign, empty, false));
    EXPECT_EQ(empty.size(), 0);
}

TEST(DecompressToMemory, aSizeDeclaredTooSmallStillLoadsTheDataWhenNotStrict) {
    auto input = test::recordBytes(50000);
    auto container = test::compressBytes(input, TCompressMode::Fast);
    container[4] = 100; // the header's size: 100 bytes, far fewer than the data's
    container[5] = container[6] = container[7] = 0;
    tMemStream lenientFile(container);
    tMemStream lenientMemory;
    EXPECT_TRUE(decompressToMemory(lenientFile, lenientMemory, false));
    EXPECT_EQ(lenientMemory.bytes(), input);

    tMemStream strictFile(container);
    tMemStream strictMemory;
    EXPECT_FALSE(decompressToMemory(strictFile, strictMemory, true));
}

} // namespace
} // namespace grd
