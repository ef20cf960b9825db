#include "codec/RecordReaders.h"

#include "codec/MyException.h"

#include <array>
#include <bit>

namespace grd {

namespace {

constexpr std::uint8_t kCarriageReturn = 0x0D;

template <std::size_t N>
std::array<std::uint8_t, N> readExactly(tMemStream& stream, const char* what) {
    std::array<std::uint8_t, N> bytes{};
    if (stream.remaining() < N) {
        throw MyException(std::string("Unexpected end of data reading ") + what);
    }
    stream.read(bytes);
    return bytes;
}

} // namespace

std::string readText(tMemStream& stream) {
    std::string_view rest = stream.view().substr(static_cast<std::size_t>(stream.position()));
    std::size_t end = rest.find(static_cast<char>(kCarriageReturn));
    std::size_t consumed = end == std::string_view::npos ? rest.size() : end + 1;
    stream.seek(stream.position() + static_cast<std::int64_t>(consumed));
    return std::string(rest.substr(0, end == std::string_view::npos ? rest.size() : end));
}

std::int32_t readInteger(tMemStream& stream) {
    auto bytes = readExactly<4>(stream, "an integer");
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

double readReal(tMemStream& stream) {
    auto bytes = readExactly<8>(stream, "a real");
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return std::bit_cast<double>(value);
}

} // namespace grd
