#pragma once

#include "files/Stream.h"

#include <cstdio>
#include <filesystem>

namespace grd {

// A file opened for reading or created for writing; closed when the stream goes.
class FileStream final : public Stream {
public:
    enum class Mode { Read, Create };

    FileStream(const std::filesystem::path& path, Mode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    std::size_t read(std::span<std::uint8_t> bytes) override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    std::int64_t position() const override;
    std::int64_t size() const override;
    bool seek(std::int64_t position) override;

private:
    std::FILE* file_ = nullptr;
};

} // namespace grd
