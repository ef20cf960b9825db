#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace grd {

// A byte stream the codecs read from and write to: a file or a block of memory.
class Stream {
public:
    virtual ~Stream() = default;

    // Reads up to bytes.size() bytes; returns how many were read (fewer at the end).
    virtual std::size_t read(std::span<std::uint8_t> bytes) = 0;
    // Writes the bytes; returns how many were written (fewer when the device fails).
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    // The current position, negative when the stream cannot tell it.
    virtual std::int64_t position() const = 0;
    // The length in bytes, negative when the stream cannot tell it.
    virtual std::int64_t size() const = 0;
    // Moves to position (from the start); false when the stream cannot.
    virtual bool seek(std::int64_t position) = 0;
    // A hint that about this many bytes are coming, so memory can grow once.
    virtual void expect(std::uint64_t bytes) { static_cast<void>(bytes); }
};

} // namespace grd
