#pragma once

#include "codec/LzhufTree.h"
#include "codec/Lzrw1Io.h"

#include <array>
#include <cstdint>

namespace grd {

// Decodes an LZHUF payload from the io's input to its output.
class LzhufDecoder {
public:
    explicit LzhufDecoder(Lzrw1Io& io) : io_(io) {}

    // Decodes until at least size bytes came out; raises the size message when the count
    // differs, the stream needs bits past its end, or data is left unread.
    void decode(std::uint32_t size);

private:
    static constexpr std::size_t kRingSize = 4096;
    static constexpr std::size_t kBufferSize = 32768;

    int decodeSymbol();
    int decodePosition();
    unsigned getBits(int count);
    std::uint8_t nextByte();
    bool hasDataLeft();
    void put(std::uint8_t byte);
    void flush();
    [[noreturn]] static void sizeMismatch();

    Lzrw1Io& io_;
    LzhufTree tree_;
    std::array<std::uint8_t, kRingSize> ring_{};
    std::array<std::uint8_t, kBufferSize> input_{};
    std::array<std::uint8_t, kBufferSize> output_{};
    std::size_t inputPos_ = 0;
    std::size_t inputLen_ = 0;
    std::size_t outputLen_ = 0;
    int phantomBits_ = 0; // zero bits standing in for input past the end
    std::uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

} // namespace grd
