#include "codec/Lzrw1KHBlock.h"

#include "codec/ELzrw1KHCompressor.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace grd {

namespace {

constexpr std::uint8_t kStoredFlag = 128;
constexpr std::uint8_t kCodedFlag = 64;
constexpr std::uint16_t kEmpty = 0xFFFF;
constexpr std::size_t kMaxOffset = 4095;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
// Room for a block of literals only: the flag, the bytes and a control word per 16.
constexpr std::size_t kCodingRoom = 1 + Lzrw1KHBlock::kBlockSize + 2 * (32768 / 16 + 1);

std::size_t hashOf(const std::uint8_t* s) {
    std::uint32_t k = ((static_cast<std::uint32_t>(s[0]) << 4) ^ s[1]) << 4 ^ s[2];
    return ((k * 40543u) >> 4) & 0xFFF;
}

std::size_t runLength(std::span<const std::uint8_t> input, std::size_t at) {
    std::size_t limit = std::min(input.size(), at + kMaxRun);
    std::size_t end = at + 1;
    while (end < limit && input[end] == input[at]) {
        ++end;
    }
    return end - at;
}

std::size_t matchLength(std::span<const std::uint8_t> input, std::size_t from, std::size_t at) {
    std::size_t limit = std::min(kMaxMatch, input.size() - at);
    std::size_t length = 0;
    while (length < limit && input[from + length] == input[at + length]) {
        ++length;
    }
    return length;
}

} // namespace

Lzrw1KHBlock::Lzrw1KHBlock() {
    try {
        hash_ = std::make_unique<std::array<std::uint16_t, 4096>>();
        coded_.resize(kCodingRoom);
    } catch (const std::bad_alloc&) {
        throw ELzrw1KHCompressor("LZRW1KH : no memory for HASH table");
    }
}

std::span<const std::uint8_t> Lzrw1KHBlock::compress(std::span<const std::uint8_t> input) {
    hash_->fill(kEmpty);
    std::uint8_t* out = coded_.data();
    std::size_t pos = 0;
    out[pos++] = kCodedFlag;
    std::size_t controlAt = pos;
    pos += 2;
    std::uint32_t control = 0;
    int items = 0;
    auto closeGroup = [&] {
        out[controlAt] = static_cast<std::uint8_t>(control >> 8);
        out[controlAt + 1] = static_cast<std::uint8_t>(control);
    };
    for (std::size_t at = 0; at < input.size();) {
        if (items == 16) {
            closeGroup();
            controlAt = pos;
            pos += 2;
            control = 0;
            items = 0;
        }
        std::uint32_t bit = 0x8000u >> items++;
        std::size_t run = runLength(input, at);
        if (run >= kMinRun) {
            std::size_t count = run - kMinRun;
            out[pos++] = 0;
            out[pos++] = static_cast<std::uint8_t>(count >> 8);
            out[pos++] = static_cast<std::uint8_t>(count);
            out[pos++] = input[at];
            control |= bit;
            at += run;
            continue;
        }
        if (input.size() - at >= kMinMatch) {
            std::uint16_t& entry = (*hash_)[hashOf(&input[at])];
            std::size_t candidate = entry;
            entry = static_cast<std::uint16_t>(at);
            if (candidate != kEmpty && at - candidate <= kMaxOffset) {
                std::size_t length = matchLength(input, candidate, at);
                if (length >= kMinMatch) {
                    std::size_t offset = at - candidate;
                    out[pos++] = static_cast<std::uint8_t>(offset >> 4);
                    out[pos++] = static_cast<std::uint8_t>((offset & 15) << 4 | (length - 3));
                    control |= bit;
                    at += length;
                    continue;
                }
            }
        }
        out[pos++] = input[at++];
    }
    closeGroup();
    if (pos > input.size()) {
        out[0] = kStoredFlag;
        if (!input.empty()) {
            std::memcpy(out + 1, input.data(), input.size());
        }
        pos = input.size() + 1;
    }
    return {out, pos};
}

std::optional<std::size_t> Lzrw1KHBlock::decompress(std::span<const std::uint8_t> block,
                                                    std::span<std::uint8_t, kBlockSize> output) {
    if (block.size() < 2) {
        return 0;
    }
    if (block[0] == kStoredFlag) {
        if (block.size() - 1 > kBlockSize) {
            return std::nullopt;
        }
        std::memcpy(output.data(), block.data() + 1, block.size() - 1);
        return block.size() - 1;
    }
    const std::uint8_t* in = block.data() + 1;
    const std::uint8_t* end = block.data() + block.size();
    std::uint8_t* const start = output.data();
    std::uint8_t* out = start;
    std::uint8_t* const outEnd = start + kBlockSize;
    std::uint32_t control = 0;
    int bits = 0;
    while (in < end) {
        if (bits == 0) {
            if (end - in < 2) {
                return std::nullopt;
            }
            control = static_cast<std::uint32_t>(in[0]) << 8 | in[1];
            in += 2;
            bits = 16;
            continue;
        }
        bool literal = (control & 0x8000u) == 0;
        control <<= 1;
        --bits;
        if (literal) {
            if (out == outEnd) {
                return std::nullopt;
            }
            *out++ = *in++;
            continue;
        }
        if (end - in < 2) {
            return std::nullopt;
        }
        std::size_t offset = static_cast<std::size_t>(in[0]) << 4 | in[1] >> 4;
        if (offset == 0) {
            if (end - in < 4) {
                return std::nullopt;
            }
            std::size_t count = (static_cast<std::size_t>(in[1]) << 8 | in[2]) + kMinRun;
            if (static_cast<std::size_t>(outEnd - out) < count) {
                return std::nullopt;
            }
            std::memset(out, in[3], count);
            out += count;
            in += 4;
            continue;
        }
        std::size_t length = (in[1] & 15u) + kMinMatch;
        in += 2;
        if (offset > static_cast<std::size_t>(out - start) ||
            static_cast<std::size_t>(outEnd - out) < length) {
            return std::nullopt;
        }
        const std::uint8_t* from = out - offset;
        if (offset >= length) {
            std::memcpy(out, from, length);
        } else {
            // One byte at a time: an overlapping copy repeats the pattern.
            for (std::size_t i = 0; i < length; ++i) {
                out[i] = from[i];
            }
        }
        out += length;
    }
    return static_cast<std::size_t>(out - start);
}

} // namespace grd
