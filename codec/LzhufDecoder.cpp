#include "codec/LzhufDecoder.h"

#include "codec/ELzrw1Exception.h"
#include "codec/LzhufPositionCode.h"

namespace grd {

namespace {
constexpr std::size_t kStart = 4096 - 60; // ring positions before it start as blanks
constexpr int kLengthBias = 253;          // symbol s > 255 copies s - 253 bytes
} // namespace

void LzhufDecoder::decode(std::uint32_t size) {
    ring_.fill(0);
    for (std::size_t i = 0; i < kStart; ++i) {
        ring_[i] = ' ';
    }
    std::size_t r = kStart;
    std::uint64_t count = 0;
    while (count < size) {
        int symbol = decodeSymbol();
        if (symbol < 256) {
            auto byte = static_cast<std::uint8_t>(symbol);
            put(byte);
            ring_[r] = byte;
            r = (r + 1) % kRingSize;
            ++count;
            continue;
        }
        std::size_t from = (r + kRingSize - static_cast<std::size_t>(decodePosition()) - 1);
        int length = symbol - kLengthBias;
        for (int k = 0; k < length; ++k) {
            std::uint8_t byte = ring_[(from + static_cast<std::size_t>(k)) % kRingSize];
            put(byte);
            ring_[r] = byte;
            r = (r + 1) % kRingSize;
        }
        count += static_cast<std::uint64_t>(length);
    }
    flush();
    if (count != size || hasDataLeft()) {
        sizeMismatch();
    }
}

int LzhufDecoder::decodeSymbol() {
    int node = tree_.son(LzhufTree::kRoot);
    while (node < LzhufTree::kNodes) {
        node = tree_.son(node + static_cast<int>(getBits(1)));
    }
    int symbol = node - LzhufTree::kNodes;
    tree_.update(symbol);
    return symbol;
}

int LzhufDecoder::decodePosition() {
    unsigned v = getBits(8);
    unsigned group = kLzhufPositionCode.groupOf[v];
    int extra = kLzhufPositionCode.lengthOf[v] - 2;
    v = (v << extra) | getBits(extra);
    return static_cast<int>(group << 6 | (v & 0x3F));
}

unsigned LzhufDecoder::getBits(int count) {
    if (bitCount_ < count) {
        while (bitCount_ <= 56) {
            bitBuffer_ = bitBuffer_ << 8 | nextByte();
            bitCount_ += 8;
        }
    }
    bitCount_ -= count;
    // The coder sends every bit it made, so a bit past the end means a damaged stream or a
    // lying size; stopping here also keeps zeros from decoding into endless output.
    if (bitCount_ < phantomBits_) {
        sizeMismatch();
    }
    return static_cast<unsigned>(bitBuffer_ >> bitCount_) & ((1u << count) - 1);
}

std::uint8_t LzhufDecoder::nextByte() {
    if (inputPos_ == inputLen_) {
        inputLen_ = io_.readSome(input_);
        inputPos_ = 0;
        if (inputLen_ == 0) {
            phantomBits_ += 8;
            return 0;
        }
    }
    return input_[inputPos_++];
}

bool LzhufDecoder::hasDataLeft() {
    // The coder pads its last byte with 0 bits.
    int unread = bitCount_ - phantomBits_;
    if (unread >= 8 || inputPos_ < inputLen_) {
        return true;
    }
    if (unread > 0 && (bitBuffer_ >> phantomBits_ & ((1u << unread) - 1)) != 0) {
        return true;
    }
    std::array<std::uint8_t, 1> probe{};
    return phantomBits_ == 0 && io_.readSome(probe) > 0;
}

void LzhufDecoder::put(std::uint8_t byte) {
    if (outputLen_ == output_.size()) {
        flush();
    }
    output_[outputLen_++] = byte;
}

void LzhufDecoder::flush() {
    io_.write({output_.data(), outputLen_});
    outputLen_ = 0;
}

void LzhufDecoder::sizeMismatch() {
    throw ELzrw1Exception(
        "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !");
}

} // namespace grd
