#pragma once

#include "codec/ELzrw1Exception.h"

namespace grd {

// A failure of the LZRW1-KH block coder itself.
class ELzrw1KHCompressor : public ELzrw1Exception {
public:
    using ELzrw1Exception::ELzrw1Exception;
};

} // namespace grd
