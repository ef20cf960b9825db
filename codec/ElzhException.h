#pragma once

#include "codec/ELzrw1Exception.h"

namespace grd {

// A failure of the LZHUF coder's tables.
class ElzhException : public ELzrw1Exception {
public:
    using ELzrw1Exception::ELzrw1Exception;
};

} // namespace grd
