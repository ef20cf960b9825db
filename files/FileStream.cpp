#include "files/FileStream.h"

namespace grd {

FileStream::FileStream(const std::filesystem::path& path, Mode mode)
    : file_(std::fopen(path.c_str(), mode == Mode::Read ? "rb" : "wb")) {}

FileStream::~FileStream() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

std::size_t FileStream::read(std::span<std::uint8_t> bytes) {
    if (file_ == nullptr || bytes.empty()) {
        return 0;
    }
    return std::fread(bytes.data(), 1, bytes.size(), file_);
}

std::size_t FileStream::write(std::span<const std::uint8_t> bytes) {
    if (file_ == nullptr || bytes.empty()) {
        return 0;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), file_);
}

std::int64_t FileStream::position() const {
    return file_ == nullptr ? -1 : static_cast<std::int64_t>(std::ftell(file_));
}

std::int64_t FileStream::size() const {
    if (file_ == nullptr) {
        return -1;
    }
    long here = std::ftell(file_);
    if (here < 0 || std::fseek(file_, 0, SEEK_END) != 0) {
        return -1;
    }
    long end = std::ftell(file_);
    std::fseek(file_, here, SEEK_SET);
    return end;
}

bool FileStream::seek(std::int64_t position) {
    return file_ != nullptr && position >= 0 &&
           std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
}

} // namespace grd
