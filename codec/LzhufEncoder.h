#pragma once

#include "codec/LzhufTree.h"
#include "codec/Lzrw1Io.h"

#include <array>
#include <cstdint>
#include <memory>

namespace grd {

// Codes the io's input as an LZHUF payload: LZSS over a 4096-byte ring with matches found
// in binary trees (one per first byte), then adaptive Huffman coding.
class LzhufEncoder {
public:
    explicit LzhufEncoder(Lzrw1Io& io);

    // Codes the rest of the input; returns the number of input bytes coded.
    std::uint64_t encode();

private:
    static constexpr int kRing = 4096;
    static constexpr int kLookAhead = 60;
    static constexpr int kThreshold = 2;
    static constexpr int kNil = kRing; // no node

    // The match finder's arrays, too large to keep on the stack.
    struct Dictionary {
        std::array<std::uint8_t, kRing + kLookAhead - 1> text{};
        std::array<int, kRing + 257> left{};
        std::array<int, kRing + 257> right{};
        std::array<int, kRing + 257> parent{};
    };

    void insertNode(int r);
    void deleteNode(int p);
    bool nextByte(std::uint8_t& byte);
    void encodeSymbol(int symbol);
    void encodePosition(int position);
    void putBits(int count, std::uint32_t bits);
    void finishBits();

    Lzrw1Io& io_;
    std::unique_ptr<Dictionary> dict_;
    LzhufTree tree_;
    int matchPosition_ = 0;
    int matchLength_ = 0;
    std::array<std::uint8_t, 32768> input_{};
    std::size_t inputPos_ = 0;
    std::size_t inputLen_ = 0;
    std::array<std::uint8_t, 32768> output_{};
    std::size_t outputLen_ = 0;
    std::uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

} // namespace grd
