#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace grd {

// One LZRW1-KH block: up to 32768 bytes, coded on its own (copies never reach into an
// earlier block).
class Lzrw1KHBlock {
public:
    static constexpr std::size_t kBlockSize = 32768;
    // A stored block is its input and a flag byte; a coded block never beats that by less.
    static constexpr std::size_t kMaxCodedSize = kBlockSize + 1;

    Lzrw1KHBlock();

    // Codes up to kBlockSize bytes; the result is the block data that its length precedes.
    std::span<const std::uint8_t> compress(std::span<const std::uint8_t> input);

    // Decodes block data into output; the number of bytes produced, or nothing when the
    // data is damaged (an item cut short, a copy before the block start, an overflow).
    static std::optional<std::size_t> decompress(std::span<const std::uint8_t> block,
                                                 std::span<std::uint8_t, kBlockSize> output);

private:
    std::unique_ptr<std::array<std::uint16_t, 4096>> hash_;
    std::vector<std::uint8_t> coded_;
};

} // namespace grd
