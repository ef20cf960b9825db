#pragma once

#include "codec/DecompressToMemory.h"
#include "codec/tMemStream.h"

#include <string_view>

// Feeds the fuzzer's bytes to a loader twice: as the decompressed records, and as a
// container whose decompressed bytes reach the loader, so both layers get explored.
template <class Load> void loadRawAndDecompressed(std::string_view bytes, Load load) {
    load(bytes);
    grd::tMemStream file(bytes);
    grd::tMemStream memory;
    grd::decompressToMemory(file, memory, false);
    load(memory.view());
}
