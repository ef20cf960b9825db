#include "league/RecordWriter.h"

#include <bit>

namespace grd {

namespace {

template <class Unsigned> void appendLittleEndian(std::string& out, Unsigned value) {
    for (size_t i = 0; i < sizeof(Unsigned); ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

void RecordWriter::text(std::string_view value) {
    bytes_ += value;
    bytes_ += '\r';
}

void RecordWriter::integer(int32_t value) {
    appendLittleEndian(bytes_, static_cast<uint32_t>(value));
}

void RecordWriter::real(double value) {
    appendLittleEndian(bytes_, std::bit_cast<uint64_t>(value));
}

} // namespace grd
