#include "codec/Lzrw1Io.h"

#include "codec/ELzrw1Exception.h"

#include <utility>

namespace grd {

Lzrw1Io::Lzrw1Io(Stream& input, Stream& output, std::string inputName)
    : input_(input), output_(output), inputName_(std::move(inputName)) {}

void Lzrw1Io::readExactly(std::span<std::uint8_t> bytes) {
    if (readSome(bytes) != bytes.size()) {
        throw ELzrw1Exception(inputName_.empty()
                                  ? "Lzrw1 : Error reading from input stream !"
                                  : "Lzrw1 : Error reading from input file : " + inputName_);
    }
}

std::size_t Lzrw1Io::readSome(std::span<std::uint8_t> bytes) {
    std::size_t count = input_.read(bytes);
    bytesIn_ += count;
    return count;
}

void Lzrw1Io::write(std::span<const std::uint8_t> bytes) {
    if (output_.write(bytes) != bytes.size()) {
        throw ELzrw1Exception("Lzrw1 : Error writing to output stream !");
    }
    bytesOut_ += bytes.size();
}

} // namespace grd
