#pragma once

#include <string>
#include <string_view>

namespace grd {

// A value read from a file as a message shows it: control characters (a NUL among
// them, which would end the text early) and bytes that are not UTF-8 (a Latin-1 name)
// become \xNN; well-formed UTF-8 letters stay as they are.
std::string printable(std::string_view value);

} // namespace grd
