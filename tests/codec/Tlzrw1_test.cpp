#include "codec/CodecTestData.h"
#include "codec/ELzrw1Exception.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace grd {
namespace {

using test::Bytes;

struct RoundTripCase {
    TCompressMode mode;
    std::size_t size;
    bool structured;
};

class Tlzrw1RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(Tlzrw1RoundTrip, decompressGivesBackTheInputExactly) {
    const auto& c = GetParam();
    Bytes input = c.structured ? test::recordBytes(c.size) : test::randomBytes(c.size);
    Bytes container = test::compressBytes(input, c.mode);
    ASSERT_GE(container.size(), 8u);
    EXPECT_EQ(container[0], c.mode == TCompressMode::Fast ? 'W' : '!');
    EXPECT_EQ(test::decompressBytes(container), input);
}

std::vector<RoundTripCase> roundTripCases() {
    std::vector<RoundTripCase> cases;
    for (auto mode : {TCompressMode::Good, TCompressMode::Fast}) {
        for (std::size_t size : {0u, 1u, 2u, 32767u, 32768u, 32769u, 65536u, 1048576u}) {
            cases.push_back({mode, size, false});
            cases.push_back({mode, size, true});
        }
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<RoundTripCase>& info) {
    return std::string(info.param.mode == TCompressMode::Fast ? "Fast" : "Good") + "_" +
           std::to_string(info.param.size) + (info.param.structured ? "_records" : "_random");
}

INSTANTIATE_TEST_SUITE_P(SizesAndCodecs, Tlzrw1RoundTrip, ::testing::ValuesIn(roundTripCases()),
                         caseName);

TEST(Tlzrw1, compressedRecordsShrinkAndGoodBeatsFast) {
    Bytes input = test::recordBytes(200000);
    auto fast = test::compressBytes(input, TCompressMode::Fast).size();
    auto good = test::compressBytes(input, TCompressMode::Good).size();
    EXPECT_LT(fast, input.size() / 2);
    EXPECT_LT(good, fast);
}

TEST(Tlzrw1, longRunsAndOverlappingRepeatsRoundTrip) {
    Bytes input(100000, 'a');
    for (std::size_t i = 5000; i < 60000; ++i) {
        input[i] = static_cast<std::uint8_t>("abcab"[i % 5]);
    }
    for (auto mode : {TCompressMode::Fast, TCompressMode::Good}) {
        Bytes container = test::compressBytes(input, mode);
        EXPECT_LT(container.size(), input.size() / 10);
        EXPECT_EQ(test::decompressBytes(container), input);
    }
}

TCompressMode adviseOn(const Bytes& input, int threshold) {
    tMemStream in(input);
    Tlzrw1 component;
    component.UseStream = true;
    component.Threshold = threshold;
    component.InputStream = &in;
    TCompressMode advice = component.Advise();
    EXPECT_EQ(in.position(), 0);
    return advice;
}

TEST(Tlzrw1, adviseRecommendsGoodForSmallOrIncompressibleInput) {
    EXPECT_EQ(adviseOn(test::recordBytes(98303), 100), TCompressMode::Good);
    EXPECT_EQ(adviseOn(test::randomBytes(200000), 40), TCompressMode::Good);
    EXPECT_EQ(adviseOn(test::recordBytes(200000), 40), TCompressMode::Fast);
    EXPECT_EQ(adviseOn(test::recordBytes(200000), 5), TCompressMode::Good);
}

TEST(Tlzrw1, autoModeWritesTheAdvisedCodecAndStillRoundTrips) {
    Bytes input = test::recordBytes(300000);
    Bytes container = test::compressBytes(input, TCompressMode::Auto);
    EXPECT_EQ(container[0], 'W');
    EXPECT_EQ(test::decompressBytes(container), input);
}

// A device that takes only so many bytes, as a full disk does.
class FullDevice final : public Stream {
public:
    explicit FullDevice(std::size_t room) : room_(room) {}
    std::size_t read(std::span<std::uint8_t>) override { return 0; }
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        std::size_t taken = std::min(room_, bytes.size());
        room_ -= taken;
        return taken;
    }
    std::int64_t position() const override { return 0; }
    std::int64_t size() const override { return 0; }
    bool seek(std::int64_t) override { return false; }

private:
    std::size_t room_;
};

std::string decompressFailure(Stream* input, Stream* output) {
    Tlzrw1 component;
    component.UseStream = true;
    component.InputStream = input;
    component.OutputStream = output;
    try {
        component.Decompress();
    } catch (const ELzrw1Exception& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(Tlzrw1, streamFailuresRaiseTheirTexts) {
    Bytes container = test::compressBytes(test::recordBytes(100000), TCompressMode::Fast);
    tMemStream input(container);
    FullDevice full(40000);
    EXPECT_EQ(decompressFailure(&input, &full), "Lzrw1 : Error writing to output stream !");

    tMemStream output;
    EXPECT_EQ(decompressFailure(nullptr, &output),
              "Lzrw1 (de)compression : Failed to initialize input stream !");
    tMemStream again(container);
    EXPECT_EQ(decompressFailure(&again, nullptr),
              "Lzrw1 (de)compression : Failed to initialize output stream !");
}

TEST(Tlzrw1, decompressReadsFromTheCurrentPositionAndReturnsBytesWritten) {
    Bytes input = test::recordBytes(5000);
    Bytes container = test::bytesOf("junk");
    Bytes packed = test::compressBytes(input, TCompressMode::Good);
    container.insert(container.end(), packed.begin(), packed.end());
    tMemStream in(container);
    in.seek(4);
    tMemStream out;
    Tlzrw1 component;
    component.UseStream = true;
    component.InputStream = &in;
    component.OutputStream = &out;
    EXPECT_EQ(component.Decompress(), 5000);
    EXPECT_EQ(out.bytes(), input);
}

TEST(Tlzrw1, fileModeNamesTheFilesAndLeavesNoPartialOutput) {
    test::TempDir dir;
    auto plain = dir.write("plain.txt", "Kansas City Chiefs\rDenver Broncos\r");
    auto packed = dir.path() / "packed.ccs";
    Tlzrw1 component;
    component.InputFile = plain.string();
    component.OutputFile = packed.string();
    component.Compress();

    auto unpacked = dir.path() / "unpacked.txt";
    component.InputFile = packed.string();
    component.OutputFile = unpacked.string();
    component.Decompress();
    EXPECT_EQ(test::readFile(unpacked), "Kansas City Chiefs\rDenver Broncos\r");

    component.InputFile = plain.string();
    component.OutputFile = (dir.path() / "never.txt").string();
    try {
        component.Decompress();
        ADD_FAILURE() << "a file without a header decompressed";
    } catch (const ELzrw1Exception& failure) {
        EXPECT_EQ(failure.what(),
                  plain.string() + " : Lzrw1 decompression : this file has no valid header !");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "never.txt"));

    component.InputFile = (dir.path() / "missing.ccs").string();
    EXPECT_THROW(component.Decompress(), ELzrw1Exception);
}

} // namespace
} // namespace grd
