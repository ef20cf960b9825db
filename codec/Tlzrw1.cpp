#include "codec/Tlzrw1.h"

#include "codec/ELzrw1Exception.h"
#include "codec/LzhufDecoder.h"
#include "codec/LzhufEncoder.h"
#include "codec/Lzrw1Io.h"
#include "codec/Lzrw1KHBlock.h"
#include "codec/tMemStream.h"
#include "files/AtomicFile.h"
#include "files/FileStream.h"

#include <array>
#include <limits>
#include <new>
#include <vector>

namespace grd {

namespace {

constexpr std::uint32_t kLzrw1Signature = 0x4C5A5257; // "WRZL"
constexpr std::uint32_t kLzhSignature = 0x4C5A4821;   // "!HZL"
constexpr std::size_t kIoBufferSize = 32784;
constexpr std::size_t kBlockSize = Lzrw1KHBlock::kBlockSize;
// Smaller inputs are always worth the better codec.
constexpr std::int64_t kSmallInput = 98303;

std::uint32_t readUint32(Lzrw1Io& io) {
    std::array<std::uint8_t, 4> bytes{};
    io.readExactly(bytes);
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void writeUint32(Lzrw1Io& io, std::uint32_t value) {
    std::array<std::uint8_t, 4> bytes{
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    io.write(bytes);
}

void checkInput(const Stream* input) {
    if (input == nullptr || input->position() < 0) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to initialize input stream !");
    }
}

void checkPositions(const Stream* input, const Stream* output) {
    checkInput(input);
    if (output == nullptr || output->position() < 0) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to initialize output stream !");
    }
}

std::vector<std::uint8_t> ioBuffer() {
    try {
        return std::vector<std::uint8_t>(kIoBufferSize);
    } catch (const std::bad_alloc&) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to get memory for I/O buffers !");
    }
}

[[noreturn]] void lzrw1SizeMismatch() {
    throw ELzrw1Exception(
        "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
}

void decompressLzrw1(Lzrw1Io& io, std::uint32_t size) {
    std::vector<std::uint8_t> input = ioBuffer();
    std::vector<std::uint8_t> output = ioBuffer();
    std::span<std::uint8_t, kBlockSize> block(output.data(), kBlockSize);
    std::size_t produced = 0;
    do {
        std::array<std::uint8_t, 2> header{};
        io.readExactly(header);
        std::size_t length = static_cast<std::size_t>(header[0]) | header[1] << 8;
        if (length > input.size()) {
            lzrw1SizeMismatch();
        }
        io.readExactly({input.data(), length});
        auto decoded = Lzrw1KHBlock::decompress({input.data(), length}, block);
        // Stopping at the declared size keeps a lying header from growing the output.
        if (!decoded || io.bytesOut() + *decoded > size) {
            lzrw1SizeMismatch();
        }
        produced = *decoded;
        io.write({output.data(), produced});
    } while (produced == kBlockSize);
    if (io.bytesOut() != size) {
        lzrw1SizeMismatch();
    }
}

std::uint64_t decompressStreams(Stream* input, Stream* output, const std::string& inputName) {
    checkPositions(input, output);
    Lzrw1Io io(*input, *output, inputName);
    std::uint32_t signature = readUint32(io);
    if (signature != kLzrw1Signature && signature != kLzhSignature) {
        throw ELzrw1Exception(inputName.empty()
                                  ? "Lzrw1 decompression : input stream contains no valid header !"
                                  : inputName +
                                        " : Lzrw1 decompression : this file has no valid header !");
    }
    std::uint32_t size = readUint32(io);
    output->expect(size);
    if (signature == kLzrw1Signature) {
        decompressLzrw1(io, size);
    } else {
        LzhufDecoder(io).decode(size);
    }
    return io.bytesOut();
}

std::size_t readBlock(Lzrw1Io& io, std::span<std::uint8_t> buffer) {
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        std::size_t count = io.readSome(buffer.subspan(filled));
        if (count == 0) {
            break;
        }
        filled += count;
    }
    return filled;
}

std::uint64_t compressLzrw1(Lzrw1Io& io) {
    std::vector<std::uint8_t> input = ioBuffer();
    Lzrw1KHBlock coder;
    std::uint64_t total = 0;
    std::size_t count = 0;
    do {
        count = readBlock(io, {input.data(), kBlockSize});
        auto coded = coder.compress({input.data(), count});
        std::array<std::uint8_t, 2> header{static_cast<std::uint8_t>(coded.size()),
                                           static_cast<std::uint8_t>(coded.size() >> 8)};
        io.write(header);
        io.write(coded);
        total += count;
    } while (count == kBlockSize);
    return total;
}

std::int64_t remainingInput(const Stream& input) {
    std::int64_t size = input.size();
    std::int64_t position = input.position();
    if (size < 0 || position < 0 || size < position ||
        size - position > std::numeric_limits<std::uint32_t>::max()) {
        throw ELzrw1Exception(
            "Lzrw1 compression : Failed to obtain the size of the input stream !");
    }
    return size - position;
}

// Samples from the start and the middle: schedules and names change little within.
TCompressMode adviseOn(Stream& input, int threshold) {
    std::int64_t size = remainingInput(input);
    if (size <= kSmallInput) {
        return TCompressMode::Good;
    }
    std::int64_t start = input.position();
    tMemStream unused;
    Lzrw1Io io(input, unused);
    std::vector<std::uint8_t> sample = ioBuffer();
    Lzrw1KHBlock coder;
    std::size_t coded = 0;
    for (std::int64_t at : {start, start + size / 2}) {
        if (!input.seek(at)) {
            throw ELzrw1Exception("Lzrw1 : Error reading from input stream !");
        }
        io.readExactly({sample.data(), kBlockSize});
        coded += coder.compress({sample.data(), kBlockSize}).size();
    }
    if (!input.seek(start)) {
        throw ELzrw1Exception("Lzrw1 : Error reading from input stream !");
    }
    return coded * 100 < static_cast<std::size_t>(threshold) * 2 * kBlockSize ? TCompressMode::Fast
                                                                              : TCompressMode::Good;
}

// File mode works through memory so that a failure never leaves a partly written file.
template <class Operation>
std::int64_t runOnFiles(const std::string& inputFile, const std::string& outputFile,
                        Operation operation) {
    FileStream input(inputFile, FileStream::Mode::Read);
    if (!input.isOpen()) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to open input file : " + inputFile);
    }
    tMemStream output;
    auto written = static_cast<std::int64_t>(operation(input, output));
    if (!writeFileAtomically(outputFile, output.view())) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to open output file : " + outputFile);
    }
    return written;
}

} // namespace

std::int64_t Tlzrw1::Decompress() {
    if (UseStream) {
        return static_cast<std::int64_t>(decompressStreams(InputStream, OutputStream, {}));
    }
    return runOnFiles(InputFile, OutputFile, [this](Stream& input, Stream& output) {
        return decompressStreams(&input, &output, InputFile);
    });
}

std::int64_t Tlzrw1::Compress() {
    if (!UseStream) {
        return runOnFiles(InputFile, OutputFile, [this](Stream& input, Stream& output) {
            Tlzrw1 inner = *this;
            inner.UseStream = true;
            inner.InputStream = &input;
            inner.OutputStream = &output;
            return inner.Compress();
        });
    }
    checkPositions(InputStream, OutputStream);
    auto size = static_cast<std::uint32_t>(remainingInput(*InputStream));
    TCompressMode mode =
        CompressMode == TCompressMode::Auto ? adviseOn(*InputStream, Threshold) : CompressMode;
    Lzrw1Io io(*InputStream, *OutputStream);
    writeUint32(io, mode == TCompressMode::Fast ? kLzrw1Signature : kLzhSignature);
    writeUint32(io, size);
    std::uint64_t coded =
        mode == TCompressMode::Fast ? compressLzrw1(io) : LzhufEncoder(io).encode();
    if (coded != size) {
        throw ELzrw1Exception("Lzrw1 : Error reading from input stream !");
    }
    return static_cast<std::int64_t>(io.bytesOut());
}

TCompressMode Tlzrw1::Advise() {
    if (UseStream) {
        checkInput(InputStream);
        return adviseOn(*InputStream, Threshold);
    }
    FileStream input(InputFile, FileStream::Mode::Read);
    if (!input.isOpen()) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to open input file : " + InputFile);
    }
    return adviseOn(input, Threshold);
}

} // namespace grd
