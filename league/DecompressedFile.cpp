#include "league/DecompressedFile.h"

#include "codec/DecompressToMemory.h"
#include "codec/Tlzrw1.h"
#include "files/FileStream.h"

#include <exception>

namespace grd {

std::optional<std::string> readDecompressed(const std::filesystem::path& path,
                                            std::string& reason) {
    FileStream file(path, FileStream::Mode::Read);
    if (!file.isOpen()) {
        reason = "Cannot open file";
        return std::nullopt;
    }
    tMemStream memory;
    try {
        decompressToMemory(file, memory, false);
    } catch (const std::exception& failure) {
        reason = failure.what();
        return std::nullopt;
    }
    return std::string(memory.view());
}

std::string compressed(const std::string& bytes) {
    tMemStream input(bytes);
    tMemStream output;
    Tlzrw1 component;
    component.UseStream = true;
    component.CompressMode = TCompressMode::Good;
    component.InputStream = &input;
    component.OutputStream = &output;
    component.Compress();
    return std::string(output.view());
}

} // namespace grd
