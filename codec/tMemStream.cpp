#include "codec/tMemStream.h"

#include <algorithm>
#include <cstring>

namespace grd {

tMemStream::tMemStream(std::string_view bytes) : bytes_(bytes.begin(), bytes.end()) {}

std::size_t tMemStream::read(std::span<std::uint8_t> bytes) {
    std::size_t count = std::min(bytes.size(), remaining());
    if (count > 0) {
        std::memcpy(bytes.data(), bytes_.data() + position_, count);
        position_ += count;
    }
    return count;
}

std::size_t tMemStream::write(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return 0;
    }
    std::size_t overwrite = std::min(bytes.size(), bytes_.size() - position_);
    if (overwrite > 0) {
        std::memcpy(bytes_.data() + position_, bytes.data(), overwrite);
    }
    bytes_.insert(bytes_.end(), bytes.begin() + static_cast<std::ptrdiff_t>(overwrite),
                  bytes.end());
    position_ += bytes.size();
    return bytes.size();
}

bool tMemStream::seek(std::int64_t position) {
    if (position < 0) {
        return false;
    }
    position_ = std::min(static_cast<std::size_t>(position), bytes_.size());
    return true;
}

void tMemStream::expect(std::uint64_t bytes) {
    // The hint may come from a damaged size header, so it only goes so far.
    constexpr std::uint64_t kMostExpected = 16u << 20;
    bytes_.reserve(position_ + static_cast<std::size_t>(std::min(bytes, kMostExpected)));
}

std::string_view tMemStream::view() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
}

} // namespace grd
