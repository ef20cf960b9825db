#pragma once

#include "codec/TCompressMode.h"
#include "files/Stream.h"

#include <cstdint>
#include <string>

namespace grd {

// The compression component: compresses or decompresses a whole input into an output,
// either two streams (UseStream) or two named files. Every failure is raised as
// ELzrw1Exception (or a class derived from it) with its message text.
class Tlzrw1 {
public:
    bool UseStream = false;
    std::string InputFile;
    std::string OutputFile;
    TCompressMode CompressMode = TCompressMode::Good;
    int Threshold = 40; // percent
    Stream* InputStream = nullptr;
    Stream* OutputStream = nullptr;

    // Reads a container and writes its uncompressed bytes; returns the bytes written.
    std::int64_t Decompress();
    // Writes a container with the codec CompressMode chooses; returns the bytes written.
    std::int64_t Compress();
    // Samples the input and recommends Good or Fast; the input is left where it was read.
    TCompressMode Advise();
};

} // namespace grd
