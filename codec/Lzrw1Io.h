#pragma once

#include "files/Stream.h"

#include <cstdint>
#include <string>

namespace grd {

// The component's input and output as its codecs see them: counted bytes in and out,
// and short reads and writes raised with the texts of stream or file mode.
class Lzrw1Io {
public:
    // A non-empty inputName selects the file-mode texts that name the input file.
    Lzrw1Io(Stream& input, Stream& output, std::string inputName = {});

    // Reads exactly bytes.size() bytes or raises the reading error.
    void readExactly(std::span<std::uint8_t> bytes);
    // Reads what there is, up to bytes.size(); a short count means the end of the input.
    std::size_t readSome(std::span<std::uint8_t> bytes);
    // Writes all bytes or raises the writing error.
    void write(std::span<const std::uint8_t> bytes);

    std::uint64_t bytesIn() const { return bytesIn_; }
    std::uint64_t bytesOut() const { return bytesOut_; }
    const std::string& inputName() const { return inputName_; }

private:
    Stream& input_;
    Stream& output_;
    std::string inputName_;
    std::uint64_t bytesIn_ = 0;
    std::uint64_t bytesOut_ = 0;
};

} // namespace grd
