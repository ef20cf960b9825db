#pragma once

#include <stdexcept>
#include <string>

namespace grd {

// Every failure of the compression component, with its message text.
class ELzrw1Exception : public std::runtime_error {
public:
    explicit ELzrw1Exception(const std::string& text) : std::runtime_error(text) {}
};

} // namespace grd
