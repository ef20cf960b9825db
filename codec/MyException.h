#pragma once

#include <stdexcept>
#include <string>

namespace grd {

// The program's own failure while reading decompressed records; the loaders catch it.
class MyException : public std::runtime_error {
public:
    explicit MyException(const std::string& text) : std::runtime_error(text) {}
};

} // namespace grd
