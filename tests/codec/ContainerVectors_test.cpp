#include "codec/CodecTestData.h"
#include "codec/ELzrw1Exception.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace grd {
namespace {

using test::Bytes;

const std::string kLzrw1Mismatch =
    "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
const std::string kLzhMismatch =
    "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
const std::string kReadError = "Lzrw1 : Error reading from input stream !";

void append(Bytes& bytes, std::initializer_list<int> values) {
    for (int value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
}

Bytes header(std::string_view signature, std::uint32_t size) {
    Bytes bytes = test::bytesOf(signature);
    append(bytes, {static_cast<int>(size & 0xFF), static_cast<int>(size >> 8 & 0xFF),
                   static_cast<int>(size >> 16 & 0xFF), static_cast<int>(size >> 24)});
    return bytes;
}

Bytes lzrw1(std::uint32_t size, std::initializer_list<std::initializer_list<int>> blocks) {
    Bytes bytes = header("WRZL", size);
    for (auto block : blocks) {
        append(bytes, {static_cast<int>(block.size() & 0xFF), static_cast<int>(block.size() >> 8)});
        append(bytes, block);
    }
    return bytes;
}

std::string failureOf(const Bytes& container) {
    try {
        test::decompressBytes(container);
    } catch (const ELzrw1Exception& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(Lzrw1Vectors, storedCopyAndRunItemsDecodeAsDescribed) {
    EXPECT_EQ(test::decompressBytes(lzrw1(3, {{128, 'a', 'b', 'c'}})), test::bytesOf("abc"));
    EXPECT_EQ(test::decompressBytes(lzrw1(0, {{128}})), Bytes{});

    // A literal, then a copy of offset 1 and length 18: the byte nineteen times.
    EXPECT_EQ(test::decompressBytes(lzrw1(19, {{64, 0x40, 0x00, 'x', 0x00, 0x1F}})),
              Bytes(19, 'x'));
    // A run item: (1 * 256 + 2) + 16 times the byte.
    EXPECT_EQ(test::decompressBytes(lzrw1(274, {{64, 0x80, 0x00, 0, 1, 2, 'z'}})), Bytes(274, 'z'));
    // An overlapping copy repeats a pattern; the control bits run high to low.
    EXPECT_EQ(test::decompressBytes(lzrw1(8, {{64, 0x20, 0x00, 'a', 'b', 0x00, 0x23}})),
              test::bytesOf("abababab"));
}

TEST(Lzrw1Vectors, dataOfAWholeBlockEndsWithAOneByteStoredBlock) {
    Bytes input = test::randomBytes(32768);
    Bytes container = test::compressBytes(input, TCompressMode::Fast);
    ASSERT_EQ(container.size(), 8u + 2 + 32769 + 2 + 1);
    EXPECT_EQ(container[8], 0x01);
    EXPECT_EQ(container[9], 0x80);
    EXPECT_EQ(container[10], 128);
    EXPECT_EQ(Bytes(container.end() - 3, container.end()), (Bytes{1, 0, 128}));
    EXPECT_EQ(test::decompressBytes(container), input);

    container.resize(container.size() - 3);
    EXPECT_EQ(failureOf(container), kReadError);
}

TEST(Lzrw1Vectors, damagedBlocksRaiseTheSizeMessage) {
    // A declared size that differs though the data decoded cleanly.
    EXPECT_EQ(failureOf(lzrw1(4, {{128, 'a', 'b', 'c'}})), kLzrw1Mismatch);
    EXPECT_EQ(failureOf(lzrw1(2, {{128, 'a', 'b', 'c'}})), kLzrw1Mismatch);
    // A copy reaching before the block start.
    EXPECT_EQ(failureOf(lzrw1(3, {{64, 0x80, 0x00, 0x00, 0x10}})), kLzrw1Mismatch);
    // An item cut short by the block end, and a control word cut short.
    EXPECT_EQ(failureOf(lzrw1(3, {{64, 0x40, 0x00, 'x', 0x00}})), kLzrw1Mismatch);
    EXPECT_EQ(failureOf(lzrw1(1, {{64, 0x40}})), kLzrw1Mismatch);
    // Runs of 4111 bytes would overflow one block's 32768 bytes.
    std::initializer_list<int> overflow = {
        64, 0xFF, 0xFF, 0, 15, 255, 'q', 0, 15, 255, 'q', 0, 15, 255, 'q', 0, 15, 255, 'q', 0,
        15, 255,  'q',  0, 15, 255, 'q', 0, 15, 255, 'q', 0, 15, 255, 'q', 0, 15, 255, 'q'};
    EXPECT_EQ(failureOf(lzrw1(40000, {overflow})), kLzrw1Mismatch);
}

TEST(Lzrw1Vectors, truncatedOrForeignInputRaisesItsMessage) {
    EXPECT_EQ(failureOf(test::bytesOf("WRZ")), kReadError);
    EXPECT_EQ(failureOf(test::bytesOf("WRZL\x03")), kReadError);
    // A block length that reaches past the end of the input.
    Bytes past = header("WRZL", 3);
    append(past, {10, 0, 128, 'a', 'b', 'c'});
    EXPECT_EQ(failureOf(past), kReadError);
    // The signature's bytes in reverse order are no signature.
    EXPECT_EQ(failureOf(header("LZRW", 0)),
              "Lzrw1 decompression : input stream contains no valid header !");
    EXPECT_EQ(failureOf({}), kReadError);
}

TEST(Lzrw1Vectors, aLyingSizeNeverGrowsTheOutputPastTheLimit) {
    // Full blocks of runs make 32768 bytes each from 37 input bytes; past the declared
    // size the decoder still writes whole blocks, but stops at the 16 MB limit.
    Bytes container = header("WRZL", 100000);
    for (int block = 0; block < 1000; ++block) {
        append(container, {35, 0, 64, 0xFF, 0x00});
        for (int item = 0; item < 8; ++item) {
            int count = item < 7 ? 4096 : 32768 - 7 * 4096;
            append(container, {0, (count - 16) >> 8, (count - 16) & 0xFF, 'r'});
        }
    }
    tMemStream in(container);
    tMemStream out;
    Tlzrw1 component;
    component.UseStream = true;
    component.InputStream = &in;
    component.OutputStream = &out;
    EXPECT_THROW(component.Decompress(), ELzrw1Exception);
    EXPECT_LE(out.size(), 16u << 20);
}

TEST(LzhufVectors, firstSymbolsFollowTheStartingTree) {
    // Eight 0 bits lead from the root to leaf 116, nine 1 bits to leaf 115.
    Bytes zeros = header("!HZL", 1);
    append(zeros, {0x00});
    EXPECT_EQ(test::decompressBytes(zeros), test::bytesOf("t"));
    Bytes ones = header("!HZL", 1);
    append(ones, {0xFF, 0x80});
    EXPECT_EQ(test::decompressBytes(ones), test::bytesOf("s"));
}

TEST(LzhufVectors, aStreamEndingEarlyFailsTheSizeCheck) {
    Bytes cut = header("!HZL", 1);
    append(cut, {0xFF});
    EXPECT_EQ(failureOf(cut), kLzhMismatch);

    Bytes empty = header("!HZL", 1000000);
    tMemStream in(empty);
    tMemStream out;
    Tlzrw1 component;
    component.UseStream = true;
    component.InputStream = &in;
    component.OutputStream = &out;
    EXPECT_THROW(component.Decompress(), ELzrw1Exception);
    EXPECT_LT(out.size(), 1000);

    Bytes input = test::recordBytes(30000);
    Bytes container = test::compressBytes(input, TCompressMode::Good);
    container.resize(8 + (container.size() - 8) / 2);
    EXPECT_EQ(failureOf(container), kLzhMismatch);
}

TEST(LzhufVectors, aDeclaredSizeThatDiffersFailsThoughTheDataDecodes) {
    Bytes container = test::compressBytes(test::bytesOf("Green Bay Packers"), TCompressMode::Good);
    container[4] = 16;
    EXPECT_EQ(failureOf(container), kLzhMismatch);
    container[4] = 18;
    EXPECT_EQ(failureOf(container), kLzhMismatch);
    container[4] = 17;
    EXPECT_EQ(test::decompressBytes(container), test::bytesOf("Green Bay Packers"));
}

TEST(LzhufVectors, flippedBitsNeverPassUnnoticedAsTheOriginal) {
    Bytes input = test::recordBytes(20000);
    Bytes container = test::compressBytes(input, TCompressMode::Good);
    for (std::size_t at = 8; at < container.size(); at += 97) {
        Bytes damaged = container;
        damaged[at] ^= static_cast<std::uint8_t>(1u << (at % 8));
        try {
            EXPECT_NE(test::decompressBytes(damaged), input) << "flip at " << at;
        } catch (const ELzrw1Exception& failure) {
            EXPECT_EQ(failure.what(), kLzhMismatch);
        }
    }
}

} // namespace
} // namespace grd
