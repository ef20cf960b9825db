#include "codec/DecompressToMemory.h"

#include "codec/Tlzrw1.h"

#include <exception>

namespace grd {

bool decompressToMemory(Stream& file, tMemStream& memory, bool strict) {
    Tlzrw1 component;
    component.UseStream = true;
    component.InputStream = &file;
    component.OutputStream = &memory;
    try {
        component.Decompress();
    } catch (const std::exception&) {
        return !strict;
    }
    return true;
}

} // namespace grd
