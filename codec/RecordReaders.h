#pragma once

#include "codec/tMemStream.h"

#include <cstdint>
#include <string>

namespace grd {

// The bytes up to the next CR, which is consumed; a LF stays in the text. At the end of
// the stream the text read so far is returned.
std::string readText(tMemStream& stream);

// A 32-bit signed little-endian integer; MyException when fewer than 4 bytes are left.
std::int32_t readInteger(tMemStream& stream);

// An IEEE 754 little-endian double; MyException when fewer than 8 bytes are left.
double readReal(tMemStream& stream);

} // namespace grd
