#pragma once

#include "codec/TCompressMode.h"
#include "codec/Tlzrw1.h"
#include "codec/tMemStream.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace grd::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes randomBytes(std::size_t size, unsigned seed = 7) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

// Text and binary records like those of the schedule and names files: repetitive, with
// runs and near repeats at every distance.
inline Bytes recordBytes(std::size_t size, unsigned seed = 11) {
    std::mt19937 generator(seed);
    const char* teams[] = {"Buffalo Bills", "Miami Dolphins",   "New England Patriots",
                           "New York Jets", "Baltimore Ravens", "Cincinnati Bengals"};
    Bytes bytes;
    while (bytes.size() < size) {
        std::string line = teams[generator() % 6];
        line += '\r';
        bytes.insert(bytes.end(), line.begin(), line.end());
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(generator() % 40));
            bytes.push_back(0);
            bytes.push_back(0);
            bytes.push_back(0);
        }
        bytes.insert(bytes.end(), generator() % 24, ' ');
    }
    bytes.resize(size);
    return bytes;
}

inline Bytes compressBytes(const Bytes& input, TCompressMode mode) {
    tMemStream in(input);
    tMemStream out;
    Tlzrw1 component;
    component.UseStream = true;
    component.CompressMode = mode;
    component.InputStream = &in;
    component.OutputStream = &out;
    component.Compress();
    return out.bytes();
}

// Throws the component's exception when the container is damaged.
inline Bytes decompressBytes(const Bytes& container) {
    tMemStream in(container);
    tMemStream out;
    Tlzrw1 component;
    component.UseStream = true;
    component.InputStream = &in;
    component.OutputStream = &out;
    component.Decompress();
    return out.bytes();
}

inline Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

} // namespace grd::test
