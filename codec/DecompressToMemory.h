#pragma once

#include "codec/tMemStream.h"
#include "files/Stream.h"

namespace grd {

// Decompresses the container read from file into memory. True on success; on a failure
// of the container or its codec, false when strict and true otherwise (memory then holds
// what was decoded before the failure, for the caller's own checks to reject).
bool decompressToMemory(Stream& file, tMemStream& memory, bool strict);

} // namespace grd
