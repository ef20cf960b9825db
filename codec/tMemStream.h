#pragma once

#include "files/Stream.h"

#include <string_view>
#include <utility>
#include <vector>

namespace grd {

// A growable block of memory with a position: decompressed data is written into it and
// then read back with the record readers.
class tMemStream final : public Stream {
public:
    tMemStream() = default;
    explicit tMemStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    explicit tMemStream(std::string_view bytes);

    std::size_t read(std::span<std::uint8_t> bytes) override;
    // Overwrites from the position on and grows the block as needed.
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::int64_t position() const override { return static_cast<std::int64_t>(position_); }

    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    // A position past the end is taken as the end; a negative one is refused.
    bool seek(std::int64_t position) override;
    void expect(std::uint64_t bytes) override;
    std::size_t remaining() const { return bytes_.size() - position_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::string_view view() const;

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace grd
